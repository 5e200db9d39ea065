// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Connecting a button's press to its handler, the same for the pointer, the keys and screen readers.
#pragma once

#include <functional>

class QAbstractButton;
class QObject;

namespace ui {

// Connects a button's click to `handler`, which does not run for a press that starts or ends while
// a lock holds the button, or ends while the button is disabled. The lock swallows the mouse and
// the keyboard; a press that comes another way (a screen reader's press action, which releases
// the button a moment later, or click() from code) is ignored here, so every way counts alike.
// Return and Enter press the button when it has the focus, as Space does; its access key does
// nothing while the button is out of view.
void onPress(QAbstractButton* button, QObject* context, std::function<void()> handler);

} // namespace ui
