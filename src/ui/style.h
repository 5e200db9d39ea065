// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher's look: one Qt style, palette and fonts on every desktop.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>

class QApplication;

namespace ui {

// The program's icon, read once: windows share it, so its scaled pictures are made only once.
QIcon programIcon();

// A picture of the program at the pixel density of the screens: "name@2x.ext" where they show two
// device pixels per pixel (the program brings both), the picture itself elsewhere.
QPixmap picture(const QString& file);

// The dialog font: the nearest available match of an 8.25 pt sans serif at 96 dpi (11 pixels), or
// of another size in pixels, no wider than the windows are laid out for.
QFont dialogFont(int pixels = 11);
// The list font: the nearest available monospaced match of 9.75 pt (13 pixels).
QFont fixedFont();

// Sets the Fusion style, its standard light palette and the dialog font, so the fixed layout
// renders the same whatever the desktop's theme.
void applyLauncherStyle(QApplication& app);

} // namespace ui
