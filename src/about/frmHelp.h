// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: title, version, date and credits of the launcher.
#pragma once

#include <QWidget>

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

protected:
    // Escape closes the window, as its Close does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void lblClose_Click();
};
