// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// A button's press, by the pointer, the keys or a screen reader, and what an input lock does to it.
#include "press.h"

#include "InputLock.h"
#include "controls.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <memory>

namespace ui {
namespace {

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
