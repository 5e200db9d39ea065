// Orbitron Launcher: sets up a game and starts "klemwin" with one command line.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Orbitron Launcher v. 2.4.1");
    window.setFixedSize(414, 390);
    window.show();
    return app.exec();
}
