// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The colour picker: fifteen colour swatches laid over the colour field, inside the field's window.
#pragma once

#include <QFrame>
#include <QPointer>

#include <array>

namespace ui {
class ButtonLabel;
}

// A part of the field's window rather than a window of its own, so that it lies exactly over the
// field wherever the window is and whatever the window system allows a program to place: Wayland
// lets no program place its own windows.
class frmColor : public QFrame {
    Q_OBJECT
public:
    // Opens with its top-left corner on `field`'s and the focus on the swatch of colour number
    // `current`; a pick or Escape gives the focus back to the control that had it.
    frmColor(int current, QWidget* field);
    ~frmColor() override;

    // Swatches 1 to 15; element 0 is unused, as colour number 0 is never offered.
    std::array<ui::ButtonLabel*, 16> lblColor{};

    // A swatch was clicked: hand its number and colour to the main window, then close.
    void lblColor_Click(int Index);
    // The focus went elsewhere: close without a pick.
    void Form_LostFocus();
    // Closes the picker, handing the focus back to the control that had it before.
    void closeToField();

signals:
    void picked(int number, const QColor& color);

protected:
    // A press anywhere outside the picker closes it, and still does what it does there.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and the arrows go round the swatches; the focus leaves only by a pick or Escape.
    bool focusNextPrevChild(bool next) override;
    // The arrow keys move between the swatches as Tab does; Escape closes without a pick.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QWidget> focusBefore;
};
