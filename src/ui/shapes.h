// Drawn outlines and lines that sit on a window like painted decoration.
#pragma once

#include <QWidget>

namespace ui {

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
