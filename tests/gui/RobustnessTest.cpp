// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The real dialogs answered with the keyboard, closing at awkward moments, and hours of use with
// hostile text in every box in a few seconds.
#include "InputLock.h"
#include "commandLine.h"
#include "compose.h"
#include "frmColor.h"
#include "frmHelp.h"
#include "guiFixtures.h"
#include "standinRecord.h"
#include "testSupport.h"
#include "twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <malloc.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::control;

namespace {

// As soon as a modal dialog shows, runs `type` on it and presses `key`.
void whenModalShown(
    Qt::Key key, const std::function<void(QWidget*)>& type = [](QWidget*) {}) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            type(modal);
            QTest::keyClick(modal, key);
        }
    });
    poll->start(5);
}

// The open file descriptors and the resident memory (KiB) of this process, as Linux tells them.
// Elsewhere there are no such figures, and the soak only repeats the starts and windows.
#ifdef __linux__
constexpr int soakRounds = 10;
std::pair<int, long> usage() {
    malloc_trim(0); // what is free goes back to the system first, so only memory in use counts
    const fs::directory_iterator descriptors("/proc/self/fd");
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return {static_cast<int>(std::distance(fs::begin(descriptors), fs::end(descriptors))),
            resident * (sysconf(_SC_PAGESIZE) / 1024)};
}
#else
constexpr int soakRounds = 1;
std::pair<int, long> usage() {
    return {0, 0};
}
#endif

} // namespace

// The dialogs, starter and pacer of the window tests, for windows of each test's own.
class RobustnessTest : public testsupport::WindowTest {
    Q_OBJECT

private slots:
    void init() { testsupport::failOnAnyWarning(); }
    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }

    // Enter picks the default button, Escape on Yes/No says No; the input box proposes its
    // answer and Cancel gives empty text; the file dialog opens in the folder proposed, a name
    // typed and then cancelled gives nothing.
    void realDialogs_answeredWithTheKeyboard() {
        ui::QtDialogs real;
        for (const auto& [key, answer] :
             {std::pair{Qt::Key_Return, ui::MessageAnswer::Yes}, {Qt::Key_Escape, ui::MessageAnswer::No}}) {
            whenModalShown(key);
            const ui::MessageBoxRequest box{"Nervous?", "Are you?", ui::MessageButtons::YesNo,
                                            ui::MessageIcon::Question, ui::MessageAnswer::Yes};
            QCOMPARE(real.message(nullptr, box), answer);
        }
        const ui::InputBoxRequest request{"Address?", "Manual connection", "0.0.0.0"};
        whenModalShown(Qt::Key_Return, [](QWidget* box) {
            QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_End);
            QTest::keyClicks(box->findChild<QLineEdit*>(), "1");
        });
        QCOMPARE(real.inputText(nullptr, request), QStringLiteral("0.0.0.01"));
        whenModalShown(Qt::Key_Escape);
        QCOMPARE(real.inputText(nullptr, request), QString());

#ifndef Q_OS_WIN // Windows shows its own dialog, which a test under the offscreen platform cannot see
        testsupport::ScratchFolder folder;
        testsupport::ScopedEnv settings("XDG_CONFIG_HOME", folder.path.u8string());
        std::ofstream(folder / "levels.wad") << "WAD";
        std::ofstream(folder / "maps") << "WAD";
        const QString folderName = QString::fromStdString(folder.path.u8string());
        // "All files (*.*)" lists a file without a dot as well; a typed name is taken as typed when a
        // file has it, and completed with the default extension when none has. Typed, then Escape
        // (nothing) or Return (the file chosen).
        const char* const tries[][2] = {{"levels", ""}, {"maps", "/maps"}, { "levels", "/levels.wad" }};
        for (const auto& [typed, answer] : tries) {
            whenModalShown(*answer ? Qt::Key_Return : Qt::Key_Escape, [typed = typed](QWidget* dialog) {
                QTest::keyClick(dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
                auto* files = dialog->findChild<QListView*>(QStringLiteral("listView"));
                QTRY_COMPARE(files->model()->rowCount(files->rootIndex()), 2);
                QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), typed);
            });
            const QStringList filters{"WAD Files (*.wad)", "All files (*.*)"};
            QCOMPARE(real.openFile(nullptr, {"Add", "*.wad", filters, folderName, "wad"}),
                     *answer ? folderName + answer : QString());
        }
        QVERIFY(!fs::exists(folder / "QtProject.conf")); // the dialog's history is not saved
#endif
    }

    // Closing the window during each animation, with the picker or a message box open, ends the
    // program's event loop cleanly with nothing left open.
    void closeDuringAnimation() {
        for (int animation = 0; animation < 6; ++animation) {
            ui::QtDialogs realDialogs;
            ui::RealPacer realPacer;
            MainForm window(Platform{realDialogs, starter, realPacer});
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (animation != 1) { // multiplayer, but for the switch to it; it is over before the next
                testsupport::clickButton(&window, "spGameOpt(1)");
                QTRY_VERIFY(!ui::InputLock::isLocked(control(&window, "GamePanel(0)")));
            }
            // The controls that start each animation; the Host card is no button.
            const char* const start[] = {"lblMainMenu(3)", "spGameOpt(1)", nullptr,
                                         "Command3(1)",    "lblColor",     "Image1"};
            QTimer::singleShot(0, &window, [&] {
                if (start[animation]) {
                    testsupport::clickButton(&window, start[animation]);
                } else {
                    testsupport::clickCard(&window, 1);
                }
            });
            bool busy = false; // the animation, the picker or the box was still there, and the picker went
            QTimer::singleShot(animation == 5 ? 100 : 40, &window, [&] {
                busy = !control(&window, "lblMainMenu(0)")->isEnabled() ||
                       ui::InputLock::isLocked(control(&window, "GamePanel(0)")) ||
                       ui::twipsTop(control(&window, "frmMulti(0)")) > 680 ||
                       testsupport::shown<frmColor>() || QApplication::activeModalWidget();
                window.close();
                busy = busy && !testsupport::shown<frmColor>();
            });
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(busy && !window.isVisible());
        }
    }

    // Hundreds of games, pickers and about windows (550 of each on Linux): afterwards no exited game
    // is left unreaped, no file descriptor stays open and memory has not grown. Every box holds text
    // a shell would act on: each game receives it as plain words, and nothing ever runs it.
    void soak() {
        testsupport::ScratchFolder folder; // the launcher's folder, with the stand-in as its game
        fs::copy_file(standin::program(), folder / standin::gameFileName());
        const fs::path record = folder / "record.txt";
        testsupport::ScopedEnv recording{"KLEMWIN_RECORD", record.u8string()};
        launch::ProcessStarter processStarter{folder.path};
        MainForm window(Platform{dialogs, processStarter, pacer});
        window.show();
        testsupport::clickButton(&window, "spGameOpt(1)");
        testsupport::clickCard(&window, 1); // hosting, demo and resolution: every box reaches the line
        testsupport::clickButton(&window, "chkDemo");      // checks it
        testsupport::clickButton(&window, "chkManualRes"); // checks it
        const fs::path marker = folder / "marker";
        const QString attack =
            QStringLiteral("$(touch %1);touch %1 `touch %1`|touch %1 && touch %1 # > %1 & echo >%1")
                .arg(QString::fromStdString(marker.u8string()));
        for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
            box->setText(attack); // the number boxes keep two characters
        }
        testsupport::control<QLineEdit>(&window, "txtMaxPlayers")->setText(QStringLiteral("8"));
        testsupport::control<QListWidget>(&window, "lstWADFiles")->addItem(attack);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the finished animations
        std::size_t launches = 0;
        const auto cycle = [&](int rounds) {
            for (int i = 0; i < rounds; ++i, ++launches) {
                testsupport::clickButton(&window, "lblColor");
                testsupport::clickButton(testsupport::shown<frmColor>(),
                                         QStringLiteral("lblColor(%1)").arg(1 + i % 15));
                testsupport::clickButton(&window, "lblHelp");
                testsupport::clickButton(testsupport::shown<frmHelp>(), QStringLiteral("lblClose"));
                testsupport::clickButton(&window, "Command1");
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            const auto records = standin::waitForRecords(record, launches, 30000);
            QCOMPARE(records.size(), launches);
            const auto words = launch::splitCommandLine(
                std::get<launch::LaunchCommand>(launch::composeLaunch(window.launchOptions())).line);
            // the games record in the order they get to it
            QVERIFY(std::any_of(records.begin(), records.end(), [&](auto& r) { return r.words == words; }));
            QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(testsupport::zombieChildren()), QString(),
                                      10000);
        };
        cycle(50); // warm-up: caches, fonts, pools and the screen readers' announcement reach their working
                   // size
        const auto children = window.findChildren<QObject*>().size();
        const auto before = usage();
        cycle(50 * soakRounds);
        const auto after = usage();
        QCOMPARE(after.first, before.first); // open file descriptors
        QCOMPARE(window.findChildren<QObject*>().size(), children);
        QVERIFY(!fs::exists(marker));
        for (const auto& message : dialogs.messages) { // a start that failed says why
            QFAIL(qPrintable(message.title + ": " + message.text));
        }
        const long grownKiB = after.second - before.second;
        qInfo("%zu games started; resident memory grew by %ld KiB", launches, grownKiB);
        // Qt itself keeps about a kilobyte for every window it has shown (seen with plain widgets);
        // a leaked picker or about window would take twenty times that.
#if !defined(__SANITIZE_ADDRESS__) // freed memory sits in quarantine there: resident size says nothing
        QVERIFY2(grownKiB < 3072, qPrintable(QString::number(grownKiB)));
#endif
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<RobustnessTest>(argc, argv);
}

#include "RobustnessTest.moc"
