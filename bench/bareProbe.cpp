// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a bare Qt program showing an empty widget of the launcher's size.
#include "probe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(414, 390);
    bench::FirstPaintProbe probe(&window);
    window.show();
    return app.exec();
}
