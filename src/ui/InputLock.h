// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Blocking the user's input to one container for the length of an animation.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QAbstractButton;

#include <functional>

namespace ui {

// While it exists, no click, key or wheel reaches the container or anything inside it, and no
// shortcut fires there. Unlike disabling the container, nothing greys out, so an animation does
// not flicker the panel. Pointer movements still pass.
class InputLock : public QObject {
public:
    explicit InputLock(QWidget* container);
    ~InputLock() override;
    InputLock(const InputLock&) = delete;
    InputLock& operator=(const InputLock&) = delete;

    // Whether input to the container is blocked by any lock right now.
    static bool isLocked(const QWidget* container);
    // Whether a lock holds `widget`: one on the widget itself or on a container of it.
    static bool holds(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> container;
};

// Connects a button's click to `handler`, which does not run for a press that starts or ends while
// a lock holds the button, or ends while the button is disabled. The lock swallows the mouse and
// the keyboard; a press that comes another way (a screen reader's press action, which releases
// the button a moment later, or click() from code) is ignored here, so every way counts alike.
// Return and Enter press the button when it has the focus, as Space does; its access key does
// nothing while the button is out of view.
void onPress(QAbstractButton* button, QObject* context, std::function<void()> handler);

} // namespace ui
