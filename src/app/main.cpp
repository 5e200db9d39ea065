// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Orbitron Launcher: sets up a game and starts "klemwin" with one command line.
#include "LauncherProgram.h"
#include "accessibility.h"
#include "style.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include <windows.h>

namespace {

// Under Wine, the system's font engine draws some thin letters ("I", "!") not at all; Qt's own
// FreeType engine draws them. Only there, and only unless the user chose a platform of their own.
void preferFreeTypeUnderWine() {
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll"), "wine_get_version") != nullptr;
    if (wine && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    }
}

} // namespace
#endif

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    preferFreeTypeUnderWine();
#endif
    QApplication app(argc, argv);
    // The name of the program's desktop entry, which Wayland compositors match its window with.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orbitron.KLEMNet"));
    ui::applyLauncherStyle(app);
    ui::installAccessibility();
    LauncherProgram launcher;
    launcher.form.show();
    return app.exec();
}
