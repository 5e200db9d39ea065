// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The colour picker: a borderless window of fifteen colour swatches.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>

namespace ui {
class ButtonLabel;
}

class frmColor : public QWidget {
    Q_OBJECT
public:
    // Opens with the focus on the swatch of colour number `current`; a pick or Escape gives the
    // focus back to the window of `field`, the colour field it was opened from.
    explicit frmColor(int current, QWidget* field, QWidget* parent = nullptr);

    // Swatches 1 to 15; element 0 is unused, as colour number 0 is never offered.
    std::array<ui::ButtonLabel*, 16> lblColor{};

    // A swatch was clicked: hand its number and colour to the main window, then close.
    void lblColor_Click(int Index);
    // The picker lost the focus: close without a pick.
    void Form_LostFocus();

signals:
    void picked(int number, const QColor& color);

protected:
    void changeEvent(QEvent* event) override;
    // The arrow keys move between the swatches as Tab does; Escape closes without a pick.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Closes the picker while it has the focus, handing the focus back to the field's window.
    void closeToField();

    QPointer<QWidget> field;
};
