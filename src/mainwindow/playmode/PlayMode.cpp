// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Play mode: the mode buttons slide the options of the mode chosen into view; on the multiplayer
// options the Join and Host cards trade places; the server address is asked for in a box.
#include "PlayMode.h"

#include "Animation.h"
#include "ButtonLabel.h"
#include "DescriptionLine.h"
#include "Dialogs.h"
#include "accessibility.h"
#include "controls.h"
#include "focus.h"
#include "mouse.h"
#include "press.h"
#include "wholeNumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace playmode {

using launch::GameType;
using ui::ButtonLabel;
using ui::indexed;
using ui::place;

namespace {

// The platform's inactive-border colour, the background of the mode-options frames.
const QColor inactiveBorder(0xD4, 0xD0, 0xC8);

} // namespace

PlayMode::PlayMode(QWidget* gamePanel, ui::Dialogs& dialogs, ui::Pacer& pacer)
    : QObject(gamePanel), gamePanel(gamePanel), dialogs(dialogs), pacer(pacer) {
    spGameOpt[0] = place(new ButtonLabel(tr("Single Player")), gamePanel, indexed("spGameOpt", 0),
                         {360, 1080, 1335, 255}, tr("Play alone..."));
    spGameOpt[0]->setBackgroundColor(ui::selectionGreen);
    spGameOpt[1] = place(new ButtonLabel(tr("Multiplayer")), gamePanel, indexed("spGameOpt", 1),
                         {2040, 1080, 1335, 255}, tr("...or with some friends."));
    ui::describe(spGameOpt[0], tr("Start up a new single player game."));
    ui::describe(spGameOpt[1], tr("Join or host a multiplayer game."));
    for (int k = 0; k < 2; ++k) {
        spGameOpt[k]->setCheckable(true); // checked while selected, for screen readers
        spGameOpt[k]->setChecked(k == 0);
        ui::onPress(spGameOpt[k], this, [this, k] { spGameOpt_Click(k); });
        ui::onMouseMove(spGameOpt[k], [this, k] { spGameOpt_MouseMove(k); });
    }

    for (int k = 0; k < 2; ++k) {
        ngOpt[k] = place(new QFrame, gamePanel, indexed("ngOpt", k), {120, 1440, 3495, 2775});
        ngOpt[k]->setAutoFillBackground(true);
        QPalette p = ngOpt[k]->palette();
        p.setColor(QPalette::Window, inactiveBorder);
        ngOpt[k]->setPalette(p);
        ui::describe(ngOpt[k], {}); // between its controls, nothing is selected
    }
    buildSinglePlayerOptions();
    buildMultiplayerOptions();

    // The multiplayer options wait below the Game panel's bottom edge, hidden so that screen
    // readers read only what a player sees, as is what the Host card holds behind the Join card.
    ui::moveTwips(ngOpt[1], ui::twipsLeft(ngOpt[1]), 4560);
    ngOpt[1]->hide();
    ui::showContents(frmMulti[1], false);
    describeCards();
}

void PlayMode::buildSinglePlayerOptions() {
    auto* chkLoad =
        place(new QCheckBox(tr("Load Game")), ngOpt[0], QStringLiteral("chkLoad"), {210, 270, 1215, 255});
    ui::describe(chkLoad, tr("Check this to load the game number in the box on the right."));
    auto* Combo3 = place(ui::dropDownCombo({"0", "1", "2", "3", "4", "5"}, QStringLiteral("Combo3")),
                         ngOpt[0], QStringLiteral("Combo3"), {1560, 240, 615, 315});
    // Named by a label of its own, which shows nowhere: on Linux a drop-down is named by its label.
    auto* slotName =
        place(ui::label(tr("Saved game slot")), ngOpt[0], QStringLiteral("Combo3Name"), {1560, 0, 1935, 255});
    slotName->hide();
    ui::nameAfter(Combo3, slotName);
}

// The player name, and the "Join" card in front of the "Host" card.
void PlayMode::buildMultiplayerOptions() {
    // Right-aligned, the caption ends where it always did; it may use the room to its left, which
    // "Player Name:" needs (67 pixels with Liberation Sans, where 65 were given).
    auto* Label6 = place(ui::label(tr("Player Name:"), Qt::AlignRight | Qt::AlignTop), ngOpt[1],
                         QStringLiteral("Label6"), {0, 195, 1095, 210});
    txtPlayerName = place(ui::textBox(), ngOpt[1], QStringLiteral("txtPlayerName"), {1200, 160, 2175, 285});
    ui::describe(txtPlayerName, tr("Type the nickname you would like to use in the game here."));
    ui::nameAfter(txtPlayerName, Label6);

    frmMulti[1] = place(new QGroupBox(tr("Host")), ngOpt[1], indexed("frmMulti", 1), {120, 480, 3135, 1935});
    frmMulti[0] = place(new QGroupBox(tr("Join")), ngOpt[1], indexed("frmMulti", 0), {240, 680, 3135, 1935});
    for (int k = 0; k < 2; ++k) {
        frmMulti[k]->setAutoFillBackground(true);
        ui::onClick(frmMulti[k], [this, k] { frmMulti_Click(k); });
        ui::describe(frmMulti[k], {}); // the card behind invites a click (describeCards)
    }

    QGroupBox* join = frmMulti[0];
    auto* Label25 =
        place(ui::label(tr("IP Address of Host:")), join, QStringLiteral("Label25"), {120, 240, 1455, 255});
    lblIPMan = place(new ButtonLabel(tr("0.0.0.0")), join, QStringLiteral("lblIPMan"), {1680, 240, 1335, 255},
                     tr("Set the IP address of the host."));
    ui::nameAfter(lblIPMan, Label25);
    lblIPMan->setValueText(lblIPMan->text()); // the address, as the prompt changes it
    ui::onPress(lblIPMan, this, [this] { lblIPMan_Click(); });
    ui::describe(lblIPMan, tr("Click here to enter the IP of the host."));
    auto* Label14 =
        place(ui::label(tr("Preferred Team:")), join, QStringLiteral("Label14"), {120, 600, 1695, 255});
    auto* Combo2 = place(ui::dropDownCombo({tr("None"), tr("Red"), tr("Blue")}, QStringLiteral("Combo2")),
                         join, QStringLiteral("Combo2"), {1800, 555, 1215, 315});
    Combo2->setCurrentIndex(0); // no preferred team
    ui::nameAfter(Combo2, Label14);
    auto* check2 = place(new QCheckBox(tr("Don't check server for files")), join, QStringLiteral("check2"),
                         {120, 960, 2775, 255});
    ui::describe(check2,
                 tr("Check this to disable KLEM from checking whether or not you are missing any WAD files "
                    "when joining."));
    auto* Check3 = place(new QCheckBox(tr("Don't download files from server")), join,
                         QStringLiteral("Check3"), {120, 1200, 2895, 255});
    ui::describe(
        Check3, tr("Check this to keep KLEM from downloading any files you don't have when joining a game."));
    place(new QCheckBox, join, QStringLiteral("Check4"), {120, 1440, 2895, 255})->hide();

    QGroupBox* host = frmMulti[1];
    auto* Label21 = place(ui::label(tr("Game Type:")), host, QStringLiteral("Label21"), {120, 280, 975, 255});
    ui::nameAfter(place(ui::dropDownList({tr("Co-Op"), tr("Deathmatch"), tr("Race (Comet 2 Mode)"), tr("Tag"),
                                          tr("Capture the Flag"), tr("Chaos")}),
                        host, QStringLiteral("Combo1"), {1080, 240, 1935, 315}, tr("Change the game type.")),
                  Label21);
    auto* Label12 =
        place(ui::label(tr("Time Limit:")), host, QStringLiteral("Label12"), {120, 600, 975, 255});
    auto* txtTimelimit =
        place(ui::smallNumberBox(), host, QStringLiteral("txtTimelimit"), {1200, 600, 375, 195});
    ui::nameAfter(txtTimelimit, Label12);
    ui::describe(
        txtTimelimit,
        tr("Type the amount of minutes to play until the round ends here. (0 disables the time limit.)"));
    auto* Label9 = place(ui::label(tr("Max Players:")), host, QStringLiteral("Label9"), {120, 840, 975, 210});
    txtMaxPlayers = place(ui::smallNumberBox(), host, QStringLiteral("txtMaxPlayers"), {1200, 840, 375, 195});
    ui::nameAfter(txtMaxPlayers, Label9);
    ui::describe(
        txtMaxPlayers,
        tr("Type the maximum number of players you will allow on your server here. Range is from 1 to 32."));
    txtMaxPlayers->installEventFilter(this);
    auto* Label11 =
        place(ui::label(tr("Initial Map:")), host, QStringLiteral("Label11"), {120, 1080, 975, 255});
    auto* txtMultiMap =
        place(ui::smallNumberBox(), host, QStringLiteral("txtMultiMap"), {1200, 1080, 375, 195});
    ui::nameAfter(txtMultiMap, Label11);
    ui::describe(txtMultiMap,
                 tr("Type the map to start at here. Maps are: 1-9 = Single Player; 70-79 = Chaos; "
                    "80-86 = CTF; 90-99 = Battle"));
    place(new QRadioButton, host, QStringLiteral("Option1"), {120, 1440, 1335, 255})->hide();
    place(new QRadioButton, host, QStringLiteral("Option2"), {1560, 1440, 1335, 255})->hide();
}

void PlayMode::spGameOpt_Click(int Index) {
    if (Index == CurMode) {
        return;
    }
    const int other = Index == 1 ? 0 : 1;
    auto* modeSwitch = new ui::Animation(pacer, this);
    modeSwitch->lock(gamePanel); // no click reaches the Game panel until the switch is over
    spGameOpt[other]->setBackgroundColor(ui::unselectedWhite);
    spGameOpt[Index]->setBackgroundColor(ui::selectionGreen);
    spGameOpt[other]->setChecked(false);
    spGameOpt[Index]->setChecked(true);
    emit modeChosen(Index == 1);
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
        ui::keepFocusInView(gamePanel->window());
        ui::announce(gamePanel, spGameOpt[Index]->text()); // the mode chosen shows, keys work again
    });
    modeSwitch->start();
}

void PlayMode::frmMulti_Click(int Index) {
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
    cardSwitch = new ui::Animation(pacer, this);
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
        ui::keepFocusInView(gamePanel->window());
        ui::announce(gamePanel, frmMulti[Index]->title()); // the card chosen is in front
    });
    cardSwitch->start();
}

void PlayMode::spGameOpt_MouseMove(int Index) {
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
}

void PlayMode::GamePanel_MouseMove() {
    if (ModeBold) {
        ModeBold = false;
        spGameOpt[0]->setBold(false);
        spGameOpt[1]->setBold(false);
    }
    spGameOpt_MouseMove(-1);
}

void PlayMode::describeCards() {
    frmMulti[0]->setAccessibleDescription(
        txtMultiType == GameType::Host ? tr("Click here to join another person's server.") : QString());
    frmMulti[1]->setAccessibleDescription(
        txtMultiType == GameType::Join ? tr("Click here to host your own server.") : QString());
}

void PlayMode::lblIPMan_Click() {
    lblIPMan->setText(
        dialogs.inputText(gamePanel->window(), {tr("Enter the IP / Address of the game server below..."),
                                                tr("Manual connection"), lblIPMan->text()}));
    HostAddress = lblIPMan->text().toStdString();
    lblIPMan->setValueText(lblIPMan->text());
}

bool PlayMode::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMaxPlayers && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            txtMaxPlayers_KeyPress(13);
        } else if (!text.isEmpty()) {
            txtMaxPlayers_KeyPress(text.front().unicode());
        }
    }
    return false; // the key always reaches the box unchanged
}

void PlayMode::txtMaxPlayers_KeyPress(int KeyAscii) {
    if (KeyAscii != 13) {
        return;
    }
    if (!launch::toPlayerCount(txtMaxPlayers->text().toStdString())) {
        dialogs.message(gamePanel->window(),
                        {tr("Bogus!"), tr("Please enter a number"), ui::MessageButtons::Ok,
                         ui::MessageIcon::Stop, ui::MessageAnswer::Ok});
    }
}

} // namespace playmode
