// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer handlers for any widget: movements over it and clicks on it.
#pragma once

#include <functional>

class QWidget;

namespace ui {

// Calls `handler` for every pointer movement over `widget`, with or without a button held, while
// the widget is enabled. The movement does not travel on to the widget's containers, so a
// container's own handler does not run for a pointer that is over this control.
void onMouseMove(QWidget* widget, std::function<void()> handler);

// Stops pointer movements over `widget` from travelling on to its containers, without a handler
// of its own: the pointer over it changes nothing.
void keepMouseMoves(QWidget* widget);

// Calls `handler` when the left button is pressed and released over `widget` itself.
void onClick(QWidget* widget, std::function<void()> handler);

// Whether `widget` has a click handler, and running it as a click would: a screen reader's press.
bool hasClickHandler(const QWidget* widget);
void runClickHandler(QWidget* widget);

} // namespace ui
