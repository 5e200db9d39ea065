// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The run button: the controls become launch options, the options a command line, and the
// command line a started game.
#include "MainForm.h"
#include "compose.h"
#include "wholeNumber.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

int value(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

std::string text(const QString& s) {
    return s.toStdString();
}
std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

// The selected position of a list; a combo whose text was typed over has none (-1).
int position(const QComboBox* box) {
    const int index = box->currentIndex();
    if (box->isEditable() && (index < 0 || box->currentText() != box->itemText(index))) {
        return -1;
    }
    return index;
}

} // namespace

launch::LaunchOptions MainForm::launchOptions() const {
    launch::LaunchOptions o;
    o.chkEXE = value(chkEXE);
    o.txtEXE = text(txtEXE);

    o.lstSound = position(lstSound);
    o.chkJoystick = value(chkJoystick);
    o.chkAnalog = value(chkAnalog);
    o.chkSplitScreen = value(chkSplitScreen);
    o.chkDemo = value(chkDemo);
    o.optDemoRecord = optDemoRecord->isChecked();
    o.optDemoPlay = optDemoPlay->isChecked();
    o.txtDemo = text(txtDemo);
    o.chkOpenGL = value(chkOpenGL);
    o.chkManualRes = value(chkManualRes);
    o.txtWidth = text(txtWidth);
    o.txtHeight = text(txtHeight);
    o.chkWindowed = value(chkWindowed);
    o.chkHighTime = value(chkHighTime);
    o.txtManualOps = text(txtManualOps);

    o.lstWADFiles.reserve(static_cast<std::size_t>(lstWADFiles->count()));
    for (int i = 0; i < lstWADFiles->count(); ++i) {
        o.lstWADFiles.push_back(text(lstWADFiles->item(i)->text()));
    }
    o.txtUserSkin = text(txtUserSkin);

    o.chkLoad = value(chkLoad);
    o.Combo3 = position(Combo3);
    for (std::size_t i = 0; i < Skins.size(); ++i) {
        o.Skins[i] = text(Skins[i]);
    }
    o.CharIndex = CharIndex;
    o.lblColor2 = text(lblColor2);
    o.txtGameType = text(txtGameType);
    o.txtPlayerName = text(txtPlayerName);

    o.HostAddress = text(HostAddress);
    o.check2 = value(check2);
    o.Check3 = value(Check3);

    o.txtMaxPlayers = text(txtMaxPlayers);
    o.txtMultiMap = text(txtMultiMap);
    o.Combo1 = position(Combo1);
    o.txtTimelimit = text(txtTimelimit);

    o.chkNoSpecRings = value(chkNoSpecRings);
    o.chkSuddenDeath = value(chkSuddenDeath);
    o.chkAutoCTF = value(chkAutoCTF);
    o.chkForceSkin = value(chkForceSkin);
    o.chkNoAdvance = value(chkNoAdvance);
    o.chkNoAdvertise = value(chkNoAdvertise);
    o.chkPassword = value(chkPassword);
    o.txtPassword = text(txtPassword);
    o.chkTeamBattle = value(chkTeamBattle);
    o.lstTeamBattle = position(lstTeamBattle);
    return o;
}

void MainForm::showOptions(const launch::LaunchOptions& o) {
    const auto check = [](QAbstractButton* box, int value) {
        box->setChecked(value == 1);
    };
    const auto show = [](QLineEdit* box, const std::string& value) {
        box->setText(QString::fromStdString(value));
    };
    check(chkEXE, o.chkEXE);
    show(txtEXE, o.txtEXE);

    lstSound->setCurrentIndex(o.lstSound);
    check(chkJoystick, o.chkJoystick);
    check(chkAnalog, o.chkAnalog);
    check(chkSplitScreen, o.chkSplitScreen);
    check(chkDemo, o.chkDemo);
    optDemoRecord->setChecked(o.optDemoRecord);
    optDemoPlay->setChecked(o.optDemoPlay);
    show(txtDemo, o.txtDemo);
    check(chkOpenGL, o.chkOpenGL);
    check(chkManualRes, o.chkManualRes);
    show(txtWidth, o.txtWidth);
    show(txtHeight, o.txtHeight);
    check(chkWindowed, o.chkWindowed);
    check(chkHighTime, o.chkHighTime);
    show(txtManualOps, o.txtManualOps);

    lstWADFiles->clear();
    for (const auto& file : o.lstWADFiles) {
        lstWADFiles->addItem(QString::fromStdString(file));
    }
    show(txtUserSkin, o.txtUserSkin);

    check(chkLoad, o.chkLoad);
    Combo3->setCurrentIndex(o.Combo3);
    for (std::size_t i = 0; i < Skins.size(); ++i) {
        Skins[i] = QString::fromStdString(o.Skins[i]);
    }
    CharIndex = o.CharIndex;
    lblColor2 = QString::fromStdString(o.lblColor2);
    txtGameType = QString::fromStdString(o.txtGameType);
    show(txtPlayerName, o.txtPlayerName);

    HostAddress = QString::fromStdString(o.HostAddress);
    check(check2, o.check2);
    check(Check3, o.Check3);

    show(txtMaxPlayers, o.txtMaxPlayers);
    show(txtMultiMap, o.txtMultiMap);
    Combo1->setCurrentIndex(o.Combo1);
    show(txtTimelimit, o.txtTimelimit);

    check(chkNoSpecRings, o.chkNoSpecRings);
    check(chkSuddenDeath, o.chkSuddenDeath);
    check(chkAutoCTF, o.chkAutoCTF);
    check(chkForceSkin, o.chkForceSkin);
    check(chkNoAdvance, o.chkNoAdvance);
    check(chkNoAdvertise, o.chkNoAdvertise);
    check(chkPassword, o.chkPassword);
    show(txtPassword, o.txtPassword);
    check(chkTeamBattle, o.chkTeamBattle);
    lstTeamBattle->setCurrentIndex(o.lstTeamBattle);
}

void MainForm::Command1_Click() {
    LaunchGame();
}

std::optional<launch::LaunchCommand> MainForm::composeFromControls(const QString& ExtraParams,
                                                                   Purpose purpose) {
    auto composition = launch::composeLaunch(launchOptions(), text(ExtraParams));
    if (const auto* invalid = std::get_if<launch::MaxPlayersInvalid>(&composition)) {
        const bool run = purpose == Purpose::Run;
        platform.dialogs.message(
            this, {run ? tr("Cannot start the game") : tr("Cannot copy the command line"),
                   tr("%1: \"Max Players:\" holds \"%2\", which is not a whole number.\n\n"
                      "Type a number there (Game panel, Multiplayer, Host) and %3.")
                       .arg(run ? tr("The game was not started") : tr("Nothing was copied"),
                            QString::fromStdString(invalid->text),
                            run ? tr("press RUN! again") : tr("copy the command line again")),
                   ui::MessageButtons::Ok, ui::MessageIcon::Exclamation, ui::MessageAnswer::Ok});
        return std::nullopt;
    }
    return std::get<launch::LaunchCommand>(std::move(composition));
}

void MainForm::LaunchGame(const QString& ExtraParams) {
    const auto command = composeFromControls(ExtraParams, Purpose::Run);
    if (!command) {
        return;
    }
    const auto result = platform.starter.start(command->line, command->windowStyle);
    if (!result.started) {
        platform.dialogs.message(this,
                                 {tr("Cannot start the game"), QString::fromStdString(result.error),
                                  ui::MessageButtons::Ok, ui::MessageIcon::Stop, ui::MessageAnswer::Ok});
    }
}

void MainForm::copyCommandLine() {
    if (const auto command = composeFromControls({}, Purpose::Copy)) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(command->line));
    }
}

void MainForm::txtMaxPlayers_KeyPress(int KeyAscii) {
    if (KeyAscii != 13) {
        return;
    }
    if (!launch::toPlayerCount(text(txtMaxPlayers))) {
        platform.dialogs.message(this,
                                 {QStringLiteral("Bogus!"), QStringLiteral("Please enter a number"),
                                  ui::MessageButtons::Ok, ui::MessageIcon::Stop, ui::MessageAnswer::Ok});
    }
}
