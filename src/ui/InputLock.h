// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Blocking the user's input to one container for the length of an animation.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

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

} // namespace ui
