// The launcher's look: one Qt style, palette and fonts on every desktop.
#pragma once

#include <QFont>

class QApplication;

namespace ui {

// The dialog font: the nearest available match of an 8.25 pt sans serif at 96 dpi (11 pixels).
QFont dialogFont();
// The list font: the nearest available monospaced match of 9.75 pt (13 pixels).
QFont fixedFont();

// Sets the Fusion style, its standard light palette and the dialog font, so the fixed layout
// renders the same whatever the desktop's theme.
void applyLauncherStyle(QApplication& app);

} // namespace ui
