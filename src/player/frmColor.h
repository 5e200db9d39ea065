// The colour picker: a borderless window of fifteen colour swatches.
#pragma once

#include <QWidget>

#include <array>

namespace ui {
class ButtonLabel;
}

class frmColor : public QWidget {
    Q_OBJECT
public:
    explicit frmColor(QWidget* parent = nullptr);

    // Swatches 1 to 15; element 0 is unused, as colour number 0 is never offered.
    std::array<ui::ButtonLabel*, 16> lblColor{};

signals:
    // A swatch was clicked.
    void picked(int Index);
};
