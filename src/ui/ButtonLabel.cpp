// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Clickable labels and button labels.
#include "ButtonLabel.h"

#include "shapes.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed) {
        pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved();
}

ButtonLabel::ButtonLabel(const QString& caption, QWidget* parent) : ClickLabel(parent) {
    setText(caption);
    setAlignment(Qt::AlignCenter);
    setContentsMargins(1, 1, 1, 1);
    borderColor = palette().color(QPalette::WindowText);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    setBackgroundColor(palette().color(QPalette::Base));
    setTextColor(palette().color(QPalette::Text));
}

QColor ButtonLabel::backgroundColor() const {
    return palette().color(QPalette::Window);
}

void ButtonLabel::setBackgroundColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void ButtonLabel::setTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void ButtonLabel::paintEvent(QPaintEvent* event) {
    ClickLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(borderColor);
    drawOutline(painter, rect());
}

bool ButtonLabel::isBold() const {
    return font().bold();
}

void ButtonLabel::setBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

namespace {

class ClickLabelAccessible : public QAccessibleWidget {
public:
    ClickLabelAccessible(ClickLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const auto* label = static_cast<const ClickLabel*>(widget());
            if (!label->accessibleName().isEmpty()) {
                return label->accessibleName();
            }
            if (!label->text().isEmpty()) {
                return label->text();
            }
            return label->toolTip();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            static_cast<ClickLabel*>(widget())->click();
        }
    }
};

QAccessibleInterface* labelAccessibility(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::ButtonLabel")) {
        return new ClickLabelAccessible(static_cast<ClickLabel*>(object), QAccessible::Button);
    }
    if (className == QLatin1String("ui::ClickLabel")) {
        return new ClickLabelAccessible(static_cast<ClickLabel*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

} // namespace

void installLabelAccessibility() {
    QAccessible::installFactory(labelAccessibility);
}

} // namespace ui
