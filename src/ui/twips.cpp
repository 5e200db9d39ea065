// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Exact twips positions kept as widget properties beside Qt's pixel geometry.
#include "twips.h"

#include <QVariant>
#include <QWidget>

namespace ui {
namespace {

constexpr const char* leftProperty = "twipsLeft";
constexpr const char* topProperty = "twipsTop";

} // namespace

QRect toPixels(const TwipsRect& t) {
    const int left = toPixels(t.left);
    const int top = toPixels(t.top);
    // The far edges are rounded too, so neighbouring controls meet where their twips meet.
    return QRect(left, top, toPixels(t.left + t.width) - left, toPixels(t.top + t.height) - top);
}

void setTwipsGeometry(QWidget* widget, const TwipsRect& twips) {
    widget->setProperty(leftProperty, twips.left);
    widget->setProperty(topProperty, twips.top);
    widget->setGeometry(toPixels(twips));
}

void moveTwips(QWidget* widget, int left, int top) {
    widget->setProperty(leftProperty, left);
    widget->setProperty(topProperty, top);
    widget->move(toPixels(left), toPixels(top));
}

int twipsLeft(const QWidget* widget) {
    const QVariant value = widget->property(leftProperty);
    return value.isValid() ? value.toInt() : widget->x() * twipsPerPixel;
}

int twipsTop(const QWidget* widget) {
    const QVariant value = widget->property(topProperty);
    return value.isValid() ? value.toInt() : widget->y() * twipsPerPixel;
}

} // namespace ui
