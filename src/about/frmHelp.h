// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: title, version, date and credits of the launcher.
#pragma once

#include <QWidget>

class QLabel;

namespace ui {
class ButtonLabel;
}

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Picture1 = nullptr;
    ui::ButtonLabel* lblClose = nullptr;

    void lblClose_Click();

protected:
    // Escape closes the window, as its Close does.
    void keyPressEvent(QKeyEvent* event) override;
};
