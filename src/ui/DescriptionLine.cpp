// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The description line and the pointer movements it follows.
#include "DescriptionLine.h"

#include "mouse.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>

namespace ui {
namespace {

// Marks a control the description line explains under the pointer.
constexpr const char* describedMark = "describedUnderPointer";

} // namespace

DescriptionLine::DescriptionLine(QString nothing, QWidget* window)
    : QLabel(window), nothing(std::move(nothing)) {
    setTextFormat(Qt::PlainText);
    qApp->installEventFilter(this);
}

DescriptionLine::~DescriptionLine() {
    qApp->removeEventFilter(this);
}

void DescriptionLine::explain(const QWidget* control) {
    QString text;
    if (control != nullptr) {
        text = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control))
                   ->text(QAccessible::Description);
    }
    setText(text.isEmpty() ? nothing : text);
}

bool DescriptionLine::eventFilter(QObject* watched, QEvent* event) {
    // Qt hands a movement to the control under the pointer and on to its containers until one
    // stops it; every described control stops it, so the first described one here is the one hovered.
    if (event->type() == QEvent::MouseMove && watched->isWidgetType() &&
        watched->property(describedMark).toBool()) {
        const auto* control = static_cast<QWidget*>(watched);
        // A disabled control answers no movement, as it answers nothing else.
        if (control->isEnabled() && control->window() == window()) {
            explain(control);
        }
    }
    return false;
}

void describe(QWidget* control, const QString& text) {
    control->setAccessibleDescription(text);
    control->setProperty(describedMark, true);
    keepMouseMoves(control);
}

} // namespace ui
