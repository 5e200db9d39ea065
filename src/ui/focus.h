// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus stays with what the player sees: Tab visits the controls in view only.
#pragma once

#include <QList>

class QWidget;

namespace ui {

// The controls Tab stops at in `window` now: those in view, enabled and taking the focus by Tab,
// in the order of the focus chain, which is the order the controls were made in.
QList<QWidget*> tabStops(const QWidget* window);

// Moves the focus in `window` to the next stop in view (or the previous one), round the ends; a
// focus on no stop goes to the first (or the last). Gives the control focused, or none when no
// control is in view.
QWidget* focusNextInView(QWidget* window, bool next);

// After a slide or a switch: a control that has the focus but went out of view hands it to the
// first control in view, so typing never changes what the player cannot see.
void keepFocusInView(QWidget* window);

} // namespace ui
