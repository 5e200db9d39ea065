// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher as the program runs it: the real dialogs, process start and pacer, and the main
// window built on them.
#pragma once

#include "Dialogs.h"
#include "GameStarter.h"
#include "MainForm.h"
#include "Pacer.h"

// Create after the QApplication; show `form` to start.
class LauncherProgram {
public:
    LauncherProgram();

    ui::QtDialogs dialogs;
    launch::ProcessStarter starter;
    ui::RealPacer pacer;
    MainForm form;
};
