// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The description line: every control explains itself while the pointer moves over it.
#include "MainForm.h"
#include "controls.h"

#include <QAccessible>
#include <QLabel>

void MainForm::describe(QWidget* control, const QString& text) {
    ui::describe(control, text, [this](const QString& description) { lblDesc->setText(description); });
}

void MainForm::describeFocused(QWidget* control) {
    // What a screen reader says after the name (the tooltip where there is no sentence of its own).
    const QString text = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
    if (text.isEmpty()) {
        describeNothing();
    } else {
        lblDesc->setText(text);
    }
}

void MainForm::describeNothing() {
    lblDesc->setText(tr("Please select an option"));
}

void MainForm::ngOpt_MouseMove() {
    describeNothing();
}
