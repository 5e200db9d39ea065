// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The description line: every control explains itself while the pointer moves over it.
#include "MainForm.h"
#include "mouse.h"

#include <QLabel>

void MainForm::describe(QWidget* control, const QString& text) {
    ui::onMouseMove(control, [this, text] { lblDesc->setText(text); });
}

void MainForm::describeNothing() {
    lblDesc->setText(tr("Please select an option"));
}

void MainForm::ngOpt_MouseMove() {
    describeNothing();
}
