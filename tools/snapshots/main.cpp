// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the launcher's windows to PNG files, one per panel plus the picker and the about
// window, for looking at the layout and for the documentation. Usage: klem-snapshots FOLDER
#include "Dialogs.h"
#include "GameStarter.h"
#include "MainForm.h"
#include "Pacer.h"
#include "frmColor.h"
#include "frmHelp.h"
#include "style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>

namespace {

class NoStarter final : public launch::GameStarter {
public:
    launch::OrFailure<launch::GameProcess> start(const std::string&, launch::WindowStyle) override {
        return launch::failedStart(launch::StartFailure::Reason::Refused, "klemwin", "not here");
    }
};

// Clicks the control of the window with this object name.
void press(const QWidget* window, const char* name) {
    if (auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        button->click();
        return;
    }
    // A Join/Host card is no button: it takes the mouse's press and release.
    QWidget* card = window->findChild<QWidget*>(QString::fromLatin1(name));
    const QPointF centre = QRectF(card->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, card->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(card, &event);
    }
}

bool save(QWidget* window, const QDir& folder, const QString& name) {
    const QString file = folder.filePath(name);
    if (!window->grab().save(file)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::applyLauncherStyle(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: klem-snapshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());

    ui::QtDialogs dialogs;
    NoStarter starter;
    ui::InstantPacer pacer; // every slide ends within its click
    MainForm form(Platform{dialogs, starter, pacer});
    form.show();
    QApplication::processEvents();

    bool ok = true;
    const char* names[] = {"main-game.png", "main-wads.png", "main-options.png", "main-network.png"};
    for (int k : {0, 1, 2, 3}) {
        press(&form, qPrintable(QStringLiteral("lblMainMenu(%1)").arg(k)));
        QApplication::processEvents();
        ok = save(&form, folder, names[k]) && ok;
    }

    // The Game panel in host mode, with a two-line description.
    for (const char* control : {"lblMainMenu(0)", "spGameOpt(1)", "frmMulti(1)", "Command3(1)"}) {
        press(&form, control);
    }
    QApplication::processEvents();
    ok = save(&form, folder, "main-host.png") && ok;

    // The picker open over the colour field, in the main window.
    auto* picker = new frmColor(7, form.findChild<QWidget*>(QStringLiteral("lblColor")));
    ok = save(&form, folder, "picker.png") && ok;
    picker->close();

    frmHelp about;
    about.show();
    ok = save(&about, folder, "about.png") && ok;
    return ok ? 0 : 1;
}
