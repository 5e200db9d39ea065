// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers are told about the launcher's windows, containers and button labels.
#pragma once

class QGroupBox;
class QString;
class QWidget;

namespace ui {

// Teaches Qt's accessibility layer the program's own kinds of widgets, once, before any window is
// made: a top-level window is a window (screen readers follow the focus only inside the active
// one), the about window a dialog, a plain container a panel rather than a frame (which they would
// take for a window of its own), a button label a button, a choice (checked while selected) or a
// text, and a frame that takes clicks a panel with a press action.
void installAccessibility();

// Has screen readers say `text` now, without moving the focus: for what a player would otherwise
// only see change (the character the arrows chose, the colour picked, the add-on added). The
// announcement belongs to `window`, the window of the change.
void announce(QWidget* window, const QString& text);

// Shows or hides the controls inside `container`, so that a card behind another is not read out;
// the controls hidden for good stay hidden.
void showContents(QWidget* container, bool shown);

// Brings the card `frame` in front of its sibling cards and tells screen readers which one is in
// front now.
void bringToFront(QGroupBox* frame);

} // namespace ui
