// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// An application-wide event filter that swallows input aimed at one container.
#include "InputLock.h"

#include "controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>

#include <memory>

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

// Return and Enter press a focused button, as Space does; its access key does nothing while no part
// of it is in view.
class ButtonKeys : public QObject {
public:
    explicit ButtonKeys(QAbstractButton* button) : QObject(button), button(button) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                button->click();
                return true;
            }
        }
        return event->type() == QEvent::Shortcut && !isInView(button);
    }

private:
    QAbstractButton* button;
};

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

void onPress(QAbstractButton* button, QObject* context, std::function<void()> handler) {
    button->installEventFilter(new ButtonKeys(button));
    // Where the press started: a press begun during an animation stays ignored when it ends after.
    auto startedLocked = std::make_shared<bool>(false);
    QObject::connect(button, &QAbstractButton::pressed, context,
                     [button, startedLocked] { *startedLocked = InputLock::holds(button); });
    QObject::connect(button, &QAbstractButton::clicked, context,
                     [button, startedLocked, handler = std::move(handler)] {
                         if (!*startedLocked && button->isEnabled() && !InputLock::holds(button)) {
                             handler();
                         }
                     });
}

} // namespace ui
