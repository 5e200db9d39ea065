// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The side effects a window may cause, handed to it in one bundle.
#pragma once

#include "Dialogs.h"
#include "GameStarter.h"
#include "Pacer.h"

namespace ui {

struct Platform {
    Dialogs& dialogs;             // message box, text-input box, open-file dialog
    launch::GameStarter& starter; // starts the game process
    Pacer& pacer;                 // timed animation steps
};

} // namespace ui
