// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Twips geometry: controls are laid out and moved in twips, and shown at the nearest pixel.
#pragma once

#include <QRect>

class QWidget;

namespace ui {

// 15 twips are one pixel at 96 dots per inch; Qt's device-pixel ratio takes care of denser
// screens, so this is the mapping to Qt's device-independent pixels.
constexpr int twipsPerPixel = 15;

// The nearest pixel, halves away from zero, for positive and negative positions alike.
constexpr int toPixels(int twips) {
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel
                      : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

QRect toPixels(const TwipsRect& twips);

// Places a widget at a twips rectangle and remembers the exact twips position.
void setTwipsGeometry(QWidget* widget, const TwipsRect& twips);

// Moves a widget to a twips position (size unchanged). The exact position is kept with the
// widget, so repeated relative moves never accumulate rounding; the widget shows at the
// nearest pixel.
void moveTwips(QWidget* widget, int left, int top);

// The exact twips position of a widget placed or moved by the functions above.
int twipsLeft(const QWidget* widget);
int twipsTop(const QWidget* widget);

} // namespace ui
