// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Painted outlines and connector lines.
#include "shapes.h"

#include <QPainter>

namespace ui {
namespace {

QPen decorationPen(const QWidget* widget) {
    QPen pen(widget->palette().color(QPalette::WindowText));
    pen.setWidth(2);
    return pen;
}

} // namespace

void drawOutline(QPainter& painter, const QRect& rect) {
    if (painter.device()->devicePixelRatio() > 1.0) {
        // The pen is centred on the path: half a pixel in, it covers the outermost pixels whole.
        painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

OutlineShape::OutlineShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(decorationPen(this));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
}

LineShape::LineShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(decorationPen(this));
    const int y = height() / 2;
    painter.drawLine(0, y, width(), y);
}

} // namespace ui
