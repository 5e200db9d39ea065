// Orbitron Launcher: sets up a game and starts "klemwin" with one command line.
#include "LauncherProgram.h"
#include "style.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::applyLauncherStyle(app);
    ui::endWhenLastWindowCloses();
    LauncherProgram launcher;
    launcher.form.show();
    return app.exec();
}
