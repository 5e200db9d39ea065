// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Play mode: single player or multiplayer, joining or hosting, and the server address.
#include "Animation.h"
#include "Appearance.h"
#include "ButtonLabel.h"
#include "MainForm.h"
#include "accessibility.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>

using launch::GameType;

void MainForm::spGameOpt_Click(int Index) {
    if (Index == CurMode) {
        return;
    }
    const int other = Index == 1 ? 0 : 1;
    auto* modeSwitch = new ui::Animation(platform.pacer, this);
    modeSwitch->lock(GamePanel[0]); // no click reaches the Game panel until the switch is over
    spGameOpt[other]->setBackgroundColor(unselectedWhite);
    spGameOpt[Index]->setBackgroundColor(selectionGreen);
    spGameOpt[other]->setChecked(false);
    spGameOpt[Index]->setChecked(true);
    appearance->modeChosen(Index == 1);
    // The options of the mode not chosen are hidden once out of view, so screen readers skip them.
    ngOpt[Index]->show();

    for (int y = 1440; y <= 4560; y += 120) {
        modeSwitch->addStep(5, [this, other, y] { ui::moveTwips(ngOpt[other], 120, y); });
    }
    for (int y = 4560; y >= 1440; y -= 120) {
        modeSwitch->addStep(5, [this, Index, y] { ui::moveTwips(ngOpt[Index], 120, y); });
    }
    modeSwitch->onEnd([this, Index, other] {
        ngOpt[other]->hide();
        CurMode = static_cast<std::int16_t>(Index);
        txtGameType = Index == 1 ? txtMultiType : GameType::Single;
        keepFocusInView();
        ui::announce(this, spGameOpt[Index]->text()); // the mode chosen shows, keys work again
    });
    modeSwitch->start();
}

void MainForm::frmMulti_Click(int Index) {
    if (Index == CurMultiType) {
        return;
    }
    CurMultiType = static_cast<std::int16_t>(Index);
    QGroupBox* chosen = frmMulti[Index];
    QGroupBox* behind = frmMulti[Index == 1 ? 0 : 1];

    // A click on the other card while the cards move starts a new switch from where they are; the
    // older one stops, so the last choice alone decides where the cards end and what is kept.
    if (cardSwitch) {
        cardSwitch->stop();
    }
    cardSwitch = new ui::Animation(platform.pacer, this);
    ui::showContents(chosen, true);         // what the card behind holds is hidden while it is behind
    for (int y = 720; y <= 2760; y += 96) { // the front card drops
        cardSwitch->addStep(5, [behind, y] { ui::moveTwips(behind, 240, y); });
    }
    for (int x = 120; x <= 240; x += 24) { // the cards trade sides
        cardSwitch->addStep(5, [chosen, behind, x] {
            ui::moveTwips(behind, 360 - x, ui::twipsTop(behind));
            ui::moveTwips(chosen, x, ui::twipsTop(chosen));
        });
    }
    for (int y = 480; y <= 720; y += 96) {
        cardSwitch->addStep(5, [chosen, behind, y] {
            if (y == 480) {
                ui::bringToFront(chosen); // in front from now on
            }
            ui::moveTwips(behind, 120, 2160 - y);
            ui::moveTwips(chosen, 240, y);
        });
    }
    for (int y = 2400; y >= 480; y -= 96) { // the other card rises behind
        cardSwitch->addStep(5, [behind, y] { ui::moveTwips(behind, 120, y); });
    }
    cardSwitch->onEnd([this, Index, behind] {
        ui::showContents(behind, false);
        txtMultiType = Index == 1 ? GameType::Host : GameType::Join;
        describeCards();
        // Normally the cards can only be clicked in multiplayer mode. A switch to single player
        // made while the cards were still moving keeps the mode single player.
        if (CurMode == 1) {
            txtGameType = txtMultiType;
        }
        keepFocusInView();
        ui::announce(this, frmMulti[Index]->title()); // the card chosen is in front
    });
    cardSwitch->start();
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
    if (Index == 0 || Index == 1) {
        lblDesc->setText(spGameOpt[Index]->accessibleDescription());
    }
}

void MainForm::GamePanel_MouseMove() {
    describeNothing();
    if (ModeBold) {
        ModeBold = false;
        spGameOpt[0]->setBold(false);
        spGameOpt[1]->setBold(false);
    }
    spGameOpt_MouseMove(-1);
}

void MainForm::frmMulti_MouseMove(int Index) {
    const QString invitation = frmMulti[Index]->accessibleDescription();
    if (invitation.isEmpty()) {
        describeNothing();
    } else {
        lblDesc->setText(invitation);
    }
}

void MainForm::describeCards() {
    frmMulti[0]->setAccessibleDescription(
        txtMultiType == GameType::Host ? tr("Click here to join another person's server.") : QString());
    frmMulti[1]->setAccessibleDescription(
        txtMultiType == GameType::Join ? tr("Click here to host your own server.") : QString());
}

void MainForm::lblIPMan_Click() {
    lblIPMan->setText(
        platform.dialogs.inputText(this, {tr("Enter the IP / Address of the game server below..."),
                                          tr("Manual connection"), lblIPMan->text()}));
    HostAddress = lblIPMan->text().toStdString();
    lblIPMan->setValueText(lblIPMan->text());
}
