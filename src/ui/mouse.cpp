// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Event filters that turn Qt's mouse events into the window's pointer handlers.
#include "mouse.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace ui {
namespace {

class MoveHook : public QObject {
public:
    MoveHook(QWidget* widget, std::function<void()> handler) : QObject(widget), handler(std::move(handler)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A disabled control does not answer the pointer, as it answers nothing else.
        if (event->type() == QEvent::MouseMove && static_cast<QWidget*>(watched)->isEnabled()) {
            handler();
        }
        return false;
    }

private:
    std::function<void()> handler;
};

constexpr const char* clickHookName = "clickHook";

class ClickHook : public QObject {
public:
    ClickHook(QWidget* widget, std::function<void()> handler)
        : QObject(widget), widget(widget), handler(std::move(handler)) {
        setObjectName(QLatin1String(clickHookName));
    }

    void click() const { handler(); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            pressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease && pressed) {
            pressed = false;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
                handler();
            }
        }
        return false;
    }

private:
    QWidget* widget;
    std::function<void()> handler;
    bool pressed = false;
};

} // namespace

void keepMouseMoves(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_NoMousePropagation);
}

void onMouseMove(QWidget* widget, std::function<void()> handler) {
    keepMouseMoves(widget);
    widget->installEventFilter(new MoveHook(widget, std::move(handler)));
}

void onClick(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new ClickHook(widget, std::move(handler)));
}

namespace {
const ClickHook* clickHook(const QWidget* widget) {
    return static_cast<const ClickHook*>(
        widget->findChild<QObject*>(QLatin1String(clickHookName), Qt::FindDirectChildrenOnly));
}
} // namespace

bool hasClickHandler(const QWidget* widget) {
    return clickHook(widget) != nullptr;
}

void runClickHandler(QWidget* widget) {
    if (const ClickHook* hook = clickHook(widget)) {
        hook->click();
    }
}

} // namespace ui
