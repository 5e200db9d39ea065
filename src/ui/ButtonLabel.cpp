// Clickable labels and button labels.
#include "ButtonLabel.h"

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
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool ButtonLabel::isBold() const {
    return font().bold();
}

void ButtonLabel::setBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

} // namespace ui
