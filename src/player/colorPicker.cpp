// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The colour field: in multiplayer mode it opens the picker right on top of itself.
#include "ButtonLabel.h"
#include "MainForm.h"
#include "frmColor.h"

#include <QGroupBox>

void MainForm::lblColor_Click() {
    // A green "Multiplayer" is the sign that multiplayer is selected.
    if (spGameOpt[1]->backgroundColor() != selectionGreen) {
        return;
    }
    // The click that reached the field took the focus from a picker still open, which closes it;
    // whether the window system has said so yet or not, a fresh picker opens.
    if (colorPicker) {
        colorPicker->close();
    }
    colorPicker = new frmColor;
    connect(colorPicker, &frmColor::picked, this, &MainForm::colorPicked);
    colorPicker->show();
    // Its top-left corner on the field's, wherever the window frame puts the field on screen.
    colorPicker->move(lblColor->mapToGlobal(QPoint(0, 0)));
    colorPicker->raise();
    colorPicker->activateWindow();
    colorPicker->setFocus();
}

void MainForm::colorPicked(int number, const QColor& color) {
    lblColor->setBackgroundColor(color);
    lblColor2 = QString::number(number);
}
