// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The run button: the settings become a command line, and the command line a started game;
// the max-players check.
#include "MainForm.h"
#include "compose.h"
#include "wholeNumber.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

void MainForm::Command1_Click() {
    LaunchGame();
}

std::optional<launch::LaunchCommand> MainForm::composeFromControls(const QString& ExtraParams,
                                                                   Purpose purpose) {
    auto composition = launch::composeLaunch(launchOptions(), ExtraParams.toStdString());
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
    if (!launch::toPlayerCount(txtMaxPlayers->text().toStdString())) {
        platform.dialogs.message(this, {tr("Bogus!"), tr("Please enter a number"), ui::MessageButtons::Ok,
                                        ui::MessageIcon::Stop, ui::MessageAnswer::Ok});
    }
}
