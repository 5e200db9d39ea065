// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own platform bundle: the game is looked for beside the launcher's executable.
#include "LauncherProgram.h"

#include <QCoreApplication>

#include <filesystem>

LauncherProgram::LauncherProgram()
    : starter(std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String())),
      form(Platform{dialogs, starter, pacer}) {}
