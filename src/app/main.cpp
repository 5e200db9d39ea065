// Orbitron Launcher: sets up a game and starts "klemwin" with one command line.
#include "Dialogs.h"
#include "GameStarter.h"
#include "MainForm.h"
#include "Pacer.h"
#include "style.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::applyLauncherStyle(app);

    ui::QtDialogs dialogs;
    launch::ProcessStarter starter(
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String()));
    ui::RealPacer pacer;

    MainForm form(ui::Platform{dialogs, starter, pacer});
    form.show();
    return app.exec();
}
