// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawn outlines and lines that sit on a window like painted decoration.
#pragma once

#include <QWidget>

class QPainter;

namespace ui {

// A one-pixel outline just inside `rect` with the painter's pen (one pixel wide): as many device
// pixels wide as a pixel is on every side, on any screen.
void drawOutline(QPainter& painter, const QRect& rect);

// A rectangular outline with rounded corners and no fill. It takes no input: the pointer over it
// is the pointer over whatever lies beneath.
class OutlineShape : public QWidget {
public:
    explicit OutlineShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A straight horizontal line, drawn through the middle of its widget. It takes no input.
class LineShape : public QWidget {
public:
    explicit LineShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
