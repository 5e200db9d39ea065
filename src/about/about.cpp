// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The About entry opens the about window, one at most, independent of the main window.
#include "MainForm.h"
#include "frmHelp.h"

void MainForm::lblHelp_Click() {
    if (!aboutWindow) {
        aboutWindow = new frmHelp; // no owner: it is neither minimised nor closed with this window
    }
    aboutWindow->show();
    aboutWindow->raise();
    aboutWindow->activateWindow();
}
