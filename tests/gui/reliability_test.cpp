// Closing at awkward moments, hostile texts in every box, and windows opened and closed many times.
#include "ButtonLabel.h"
#include "Dialogs.h"
#include "MainForm.h"
#include "commandLine.h"
#include "compose.h"
#include "frmColor.h"
#include "frmHelp.h"
#include "guiFixtures.h"
#include "standinRecord.h"
#include "style.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <functional>
#include <memory>

namespace fs = std::filesystem;
using testsupport::InstantPacer;
using testsupport::RecordingStarter;
using testsupport::ScriptedDialogs;

namespace {

int visibleTopLevels() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        count += w->isVisible() ? 1 : 0;
    }
    return count;
}

} // namespace

class ReliabilityTest : public QObject {
    Q_OBJECT

    ScriptedDialogs dialogs;
    RecordingStarter starter;

    // Runs the application's own event loop, as the program does, with `start` run inside it and
    // the main window closed after `closeAfterMs`; returns whether the loop ended by itself.
    static bool closeWhileRunning(MainForm& window, const std::function<void()>& start, int closeAfterMs) {
        bool ended = false;
        QTimer::singleShot(0, &window, start);
        QTimer::singleShot(closeAfterMs, &window, [&window] { window.close(); });
        // A safety net only: the loop must end long before it.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(20000);
        ended = QApplication::exec() == 0;
        return ended;
    }

private slots:
    void initTestCase() { ui::endWhenLastWindowCloses(); }

    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(visibleTopLevels(), 0);
    }

    void closeDuringAnimation_data() {
        QTest::addColumn<int>("animation");
        QTest::newRow("menu slide") << 0;
        QTest::newRow("mode switch") << 1;
        QTest::newRow("kind switch") << 2;
        QTest::newRow("portrait slide") << 3;
    }

    void closeDuringAnimation() {
        QFETCH(int, animation);
        ui::RealPacer pacer;
        MainForm window(ui::Platform{dialogs, starter, pacer});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (animation == 2) {
            window.spGameOpt_Click(1);
        }
        const std::function<void()> animations[] = {
            [&] { window.lblMainMenu_Click(3); },
            [&] { window.spGameOpt_Click(1); },
            [&] { window.frmMulti_Click(1); },
            [&] { window.Command3_Click(1); },
        };
        QVERIFY(closeWhileRunning(window, animations[animation], 40));
        QVERIFY(!window.isVisible());
    }

    void closeWithThePickerOpen() {
        ui::RealPacer pacer;
        MainForm window(ui::Platform{dialogs, starter, pacer});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.spGameOpt_Click(1);
        QVERIFY(closeWhileRunning(
            window, [&] { window.lblColor_Click(); }, 50));
        QVERIFY(window.colorPicker.isNull());
    }

    void closeWithAMessageBoxOpen() {
        ui::QtDialogs realDialogs;
        ui::RealPacer pacer;
        MainForm window(ui::Platform{realDialogs, starter, pacer});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool boxShown = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] { boxShown = boxShown || QApplication::activeModalWidget(); });
        poll.start(5);
        QVERIFY(closeWhileRunning(
            window, [&] { window.Image1_Click(); }, 100));
        QVERIFY(boxShown);
        QCOMPARE(window.ReactionCount, std::uint8_t(1));
    }

    void pickerAndAboutCyclesLeaveNothingBehind() {
        InstantPacer pacer;
        MainForm window(ui::Platform{dialogs, starter, pacer});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.spGameOpt_Click(1);
        const auto topLevels = QApplication::topLevelWidgets().size();
        const auto children = window.findChildren<QObject*>().size();
        for (int i = 0; i < 100; ++i) {
            window.lblColor_Click();
            window.colorPicker->lblColor_Click(1 + i % 15);
            window.lblHelp_Click();
            window.aboutWindow->lblClose_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
        QCOMPARE(window.findChildren<QObject*>().size(), children);
        QVERIFY(window.colorPicker.isNull());
        QVERIFY(window.aboutWindow.isNull());
    }

    void shellCharactersInEveryTextBoxReachTheGameAsWords() {
        testsupport::ScratchFolder scratch;
        fs::copy_file(testsupport::standinProgram(), scratch / "klemwin");
        const fs::path record = scratch / "record.txt";
        const fs::path marker = scratch / "marker";
        testsupport::ScopedEnv recording("KLEMWIN_RECORD", record.string());
        launch::ProcessStarter realStarter(scratch.path());
        InstantPacer pacer;
        MainForm window(ui::Platform{dialogs, realStarter, pacer});
        window.show();

        const std::string m = marker.string();
        std::vector<std::vector<std::string>> expected;
        const QStringList attacks = {
            QString::fromStdString("$(touch " + m + ")"),   QString::fromStdString(";touch " + m),
            QString::fromStdString("`touch " + m + "`"),    QString::fromStdString("|touch " + m),
            QString::fromStdString("&& touch " + m + " #"), QString::fromStdString("> " + m),
        };
        window.spGameOpt_Click(1);
        window.frmMulti_Click(1);
        window.chkDemo->setChecked(true);
        window.optDemoRecord->setChecked(true);
        window.chkManualRes->setChecked(true);
        for (const QString& attack : attacks) {
            for (QLineEdit* box :
                 {window.txtPlayerName, window.txtDemo, window.txtWidth, window.txtHeight, window.txtUserSkin,
                  window.txtManualOps, window.txtMultiMap, window.txtTimelimit}) {
                box->setText(attack); // the number boxes keep their first two characters, as typing would
            }
            window.lstWADFiles->clear();
            window.lstWADFiles->addItem(attack);
            window.lblColor2 = attack;
            expected.push_back(launch::splitCommandLine(
                std::get<launch::LaunchCommand>(launch::composeLaunch(window.launchOptions())).line));
            QTest::mouseClick(window.Command1, Qt::LeftButton);
        }
        const auto records =
            testsupport::waitForStandinRecords(record, static_cast<std::size_t>(attacks.size()));
        QCOMPARE(records.size(), static_cast<std::size_t>(attacks.size()));
        // The games started at once and may have recorded in any order: each received the words of
        // one of the lines, word for word.
        for (const auto& record : records) {
            const auto match = std::find(expected.begin(), expected.end(), record.words);
            QVERIFY(match != expected.end());
            expected.erase(match);
        }
        QVERIFY(!fs::exists(marker));
        QVERIFY(dialogs.messages.empty());
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<ReliabilityTest>(argc, argv);
}

#include "reliability_test.moc"
