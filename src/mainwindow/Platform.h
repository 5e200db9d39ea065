// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The side effects the main window may cause, handed to it in one bundle; it passes each part
// the ones that part needs.
#pragma once

#include "Dialogs.h"
#include "GameStarter.h"
#include "Pacer.h"

struct Platform {
    ui::Dialogs& dialogs;         // message box, text-input box, open-file dialog
    launch::GameStarter& starter; // starts the game process
    ui::Pacer& pacer;             // timed animation steps
};
