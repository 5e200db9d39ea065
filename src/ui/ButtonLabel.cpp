// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Flat buttons painted by hand over Qt's button behaviour.
#include "ButtonLabel.h"

#include "shapes.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

ButtonLabel::ButtonLabel(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    borderColor = palette().color(QPalette::WindowText);
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

bool ButtonLabel::isBold() const {
    return font().bold();
}

void ButtonLabel::setBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void ButtonLabel::setValueText(const QString& text) {
    if (text != value) {
        value = text;
        // Where a screen reader takes the value as the name, it hears the change.
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ButtonLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // Inside the border; a disabled button shows its caption greyed, as a disabled label would.
    style()->drawItemText(&painter, rect().adjusted(1, 1, -1, -1), Qt::AlignCenter, palette(), isEnabled(),
                          text(), QPalette::WindowText);
    painter.setPen(borderColor);
    drawOutline(painter, rect());
    // The pointer never shows a focus; the keyboard does, as it does on every other control.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setPixmap(const QPixmap& pixmap) {
    picture = pixmap;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture);
}

} // namespace ui
