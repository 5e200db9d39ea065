// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// A second floor for start-up: the bare Qt program with one line of text, which must also start
// the font database, as every window with text does.
#include "probe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(414, 390);
    QLabel text(QStringLiteral("Please select an option"), &window);
    text.move(240, 320);
    bench::FirstPaintProbe probe(&window);
    window.show();
    return app.exec();
}
