// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher exactly as the program starts it, reporting its first paint.
#include "LauncherProgram.h"
#include "probe.h"
#include "style.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::applyLauncherStyle(app);
    LauncherProgram launcher;
    bench::FirstPaintProbe probe(&launcher.form);
    launcher.form.show();
    return app.exec();
}
