// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Play mode: single player or multiplayer, joining or hosting, and the server address.
#include "ButtonLabel.h"
#include "InputLock.h"
#include "MainForm.h"
#include "characters.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>

void MainForm::spGameOpt_Click(int Index) {
    if (Index == CurMode) {
        return;
    }
    const int other = Index == 1 ? 0 : 1;
    {
        const ui::InputLock lock(GamePanel[0]);
        spGameOpt[other]->setBackgroundColor(unselectedWhite);
        spGameOpt[Index]->setBackgroundColor(selectionGreen);

        // The field shows the character's own colour again; the colour number stays as picked.
        if (CharIndex < player::characters().size()) {
            lblColor->setBackgroundColor(player::characters()[CharIndex].swatch);
        }

        for (int y = 1440; y <= 4560; y += 120) {
            platform.pacer.step(5, [&] { ui::moveTwips(ngOpt[other], 120, y); });
        }
        for (int y = 4560; y >= 1440; y -= 120) {
            platform.pacer.step(5, [&] { ui::moveTwips(ngOpt[Index], 120, y); });
        }
        CurMode = static_cast<std::int16_t>(Index);
    }
    txtGameType = Index == 1 ? txtMultiType : QStringLiteral("Single");
}

void MainForm::frmMulti_Click(int Index) {
    if (Index == CurMultiType) {
        return;
    }
    CurMultiType = static_cast<std::int16_t>(Index);
    const int other = Index == 1 ? 0 : 1;
    QGroupBox* chosen = frmMulti[Index];
    QGroupBox* behind = frmMulti[other];

    // A click on the other card while the cards move starts a new switch from where they are;
    // this one then stops, so the last choice alone decides where the cards end and what is kept.
    const int switchNumber = ++multiSwitches;
    const auto step = [&](const std::function<void()>& moves) {
        if (switchNumber == multiSwitches) {
            platform.pacer.step(5, moves);
        }
    };

    for (int y = 720; y <= 2760; y += 96) { // the front card drops
        step([&] { ui::moveTwips(behind, 240, y); });
    }
    for (int x = 120; x <= 240; x += 24) { // the cards trade sides
        step([&] {
            ui::moveTwips(behind, 360 - x, ui::twipsTop(behind));
            ui::moveTwips(chosen, x, ui::twipsTop(chosen));
        });
    }
    if (switchNumber == multiSwitches) {
        chosen->raise();
    }
    for (int y = 480; y <= 720; y += 96) {
        step([&] {
            ui::moveTwips(behind, 120, 2160 - y);
            ui::moveTwips(chosen, 240, y);
        });
    }
    for (int y = 2400; y >= 480; y -= 96) { // the other card rises behind
        step([&] { ui::moveTwips(behind, 120, y); });
    }
    if (switchNumber != multiSwitches) {
        return;
    }

    txtMultiType = Index == 1 ? QStringLiteral("Host") : QStringLiteral("Join");
    // Normally the cards can only be clicked in multiplayer mode. A switch to single player made
    // while the cards were still moving keeps the mode single player.
    if (CurMode == 1) {
        txtGameType = txtMultiType;
    }
}

void MainForm::spGameOpt_MouseMove(int Index) {
    if (Index == -1) {
        ModeHover = -1;
        return;
    }
    if (Index != ModeHover) {
        spGameOpt[0]->setBold(false);
        spGameOpt[1]->setBold(false);
        spGameOpt[Index]->setBold(true);
        ModeHover = static_cast<std::int16_t>(Index);
    }
    ModeBold = true;
    if (Index == 0) {
        lblDesc->setText(QStringLiteral("Start up a new single player game."));
    } else if (Index == 1) {
        lblDesc->setText(QStringLiteral("Join or host a multiplayer game."));
    }
}

void MainForm::frmMulti_MouseMove(int Index) {
    // Only the card behind invites a click.
    const char* invitation = nullptr;
    if (Index == 0 && txtMultiType == QLatin1String("Host")) {
        invitation = "Click here to join another person's server.";
    } else if (Index == 1 && txtMultiType == QLatin1String("Join")) {
        invitation = "Click here to host your own server.";
    }
    if (invitation) {
        lblDesc->setText(QString::fromLatin1(invitation));
    } else {
        describeNothing();
    }
}

void MainForm::lblIPMan_Click() {
    lblIPMan->setText(platform.dialogs.inputText(
        this, {QStringLiteral("Enter the IP / Address of the game server below..."),
               QStringLiteral("Manual connection"), lblIPMan->text()}));
    HostAddress = lblIPMan->text();
}
