// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// An application-wide event filter that swallows input aimed at one container.
#include "InputLock.h"

#include <QApplication>
#include <QEvent>

namespace ui {
namespace {

constexpr const char* lockCount = "inputLocks";

bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

} // namespace

InputLock::InputLock(QWidget* container) : container(container) {
    container->setProperty(lockCount, container->property(lockCount).toInt() + 1);
    qApp->installEventFilter(this);
}

InputLock::~InputLock() {
    qApp->removeEventFilter(this);
    if (container) {
        container->setProperty(lockCount, container->property(lockCount).toInt() - 1);
    }
}

bool InputLock::isLocked(const QWidget* container) {
    return container->property(lockCount).toInt() > 0;
}

bool InputLock::holds(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (isLocked(widget)) {
            return true;
        }
    }
    return false;
}

bool InputLock::eventFilter(QObject* watched, QEvent* event) {
    if (container && isInput(event->type()) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == container || container->isAncestorOf(widget)) {
            return true;
        }
    }
    return false;
}

} // namespace ui
