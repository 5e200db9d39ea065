// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// RUN!: the settings become a command line, and the command line a started game; a game that
// did not start is explained.
#include "MainForm.h"
#include "compose.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

QString listed(const std::vector<std::filesystem::path>& folders) {
    QString list;
    for (const auto& folder : folders) {
        list += QStringLiteral("\n  ") + QString::fromStdString(folder.u8string());
    }
    return list;
}

// Why the game did not start, said as the user needs it: what was looked for, where, and what to do.
QString startFailureText(const launch::StartFailure& failure) {
    using Reason = launch::StartFailure::Reason;
    const QString program = QString::fromStdString(failure.program);
    const auto couldNotStart = [&](const QString& why) {
        return MainForm::tr("Could not start the game %1: %2.").arg(program, why);
    };
    switch (failure.reason) {
    case Reason::NulCharacter:
        return MainForm::tr(
            "Could not start the game: a text box holds a NUL character, which cannot be passed "
            "to the game.\nRemove it and press RUN! again.");
    case Reason::EmptyName:
        return MainForm::tr("Could not start the game: the program name is empty.\nType a name next to "
                            "\"Alternate EXE:\" in Main Options, or untick it.");
    case Reason::NotFound:
        return MainForm::tr("Could not start the game: no program named \"%1\" was found.\n\nLooked in:%2")
                   .arg(program, listed(failure.folders)) +
               (failure.unusable ? MainForm::tr("\n\n%1 exists but is not a program that can be run.")
                                       .arg(QString::fromStdString(failure.unusable->u8string()))
                                 : QString()) +
               MainForm::tr(
                   "\n\nPut the game beside the launcher, or set \"Alternate EXE:\" in Main Options.");
    case Reason::EmptyFile:
        return couldNotStart(MainForm::tr("the file is empty"));
    case Reason::UnreadableFile:
        return couldNotStart(
            MainForm::tr("the file cannot be read (%1)").arg(QString::fromStdString(failure.detail)));
    case Reason::BrokenWindowsProgram:
        return couldNotStart(
            MainForm::tr("it begins like a Windows program but is none (damaged or cut short)"));
    case Reason::WineMissing:
        return MainForm::tr(
                   "Could not start the game %1: it is a Windows program, and Wine is needed to start it "
                   "here.\n\nInstall Wine (the package \"wine\") and press RUN! again.\n\nLooked for "
                   "wine in:%2")
            .arg(program, listed(failure.folders));
    case Reason::WineStartMissing:
        return MainForm::tr(
                   "Could not start the game %1: it is a Windows program, and wine-start.exe, which the "
                   "launcher brings to start Windows games through Wine, is missing beside it.\n\n"
                   "Install the launcher again.")
            .arg(program);
    case Reason::NoWaitingThread:
        return couldNotStart(MainForm::tr("the launcher could not make the thread that waits for it (%1)")
                                 .arg(QString::fromStdString(failure.detail)));
    case Reason::LineTooLong:
        return couldNotStart(
            MainForm::tr("the command line is too long for Windows (%1 characters, at most %2)")
                .arg(QString::fromStdString(failure.detail))
                .arg(launch::StartFailure::longestLine));
    case Reason::Refused:
        break;
    }
    return couldNotStart(QString::fromStdString(failure.detail));
}

} // namespace

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
    if (const auto* failure = std::get_if<launch::StartFailure>(&result)) {
        platform.dialogs.message(this,
                                 {tr("Cannot start the game"), startFailureText(*failure),
                                  ui::MessageButtons::Ok, ui::MessageIcon::Stop, ui::MessageAnswer::Ok});
    }
}

void MainForm::copyCommandLine() {
    if (const auto command = composeFromControls({}, Purpose::Copy)) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(command->line));
    }
}
