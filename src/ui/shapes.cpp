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
