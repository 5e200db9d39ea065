// Hours of use in a few seconds: hundreds of game starts and picker and about windows opened and
// closed, after which no exited game is left unreaped, no file descriptor stays open and memory
// has not grown.
#include "MainForm.h"
#include "frmColor.h"
#include "frmHelp.h"
#include "guiFixtures.h"
#include "standinRecord.h"

#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

int openDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true; // freed memory sits in quarantine: resident size says nothing
#else
constexpr bool sanitized = false;
#endif

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void manyLaunchesPickersAndAboutWindows() {
        testsupport::ScratchFolder scratch;
        fs::copy_file(testsupport::standinProgram(), scratch / "klemwin");
        const fs::path record = scratch / "record.txt";
        testsupport::ScopedEnv recording("KLEMWIN_RECORD", record.string());
        testsupport::ScriptedDialogs dialogs;
        launch::ProcessStarter starter(scratch.path());
        testsupport::InstantPacer pacer;
        MainForm window(ui::Platform{dialogs, starter, pacer});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.spGameOpt_Click(1);

        // The games print what they received: keep that out of the test log.
        std::fflush(stdout);
        const int log = dup(STDOUT_FILENO);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        close(quiet);

        std::size_t launches = 0;
        const auto cycle = [&](int games, int pickers, int abouts) {
            for (int i = 0; i < games; ++i, ++launches) {
                window.Command1->click();
            }
            for (int i = 0; i < pickers; ++i) {
                window.lblColor_Click();
                window.colorPicker->lblColor_Click(1 + i % 15);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            for (int i = 0; i < abouts; ++i) {
                window.lblHelp_Click();
                window.aboutWindow->lblClose_Click();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            QCOMPARE(testsupport::waitForStandinRecords(record, launches, 30000).size(), launches);
            QTRY_COMPARE_WITH_TIMEOUT(testsupport::zombieChildren(), 0, 10000);
        };

        cycle(50, 50, 20); // warm-up: caches, fonts and pools reach their working size
        const int descriptors = openDescriptors();
        const long resident = residentKiB();
        cycle(500, 500, 200);
        const int descriptorsAfter = openDescriptors();

        std::fflush(stdout);
        dup2(log, STDOUT_FILENO);
        close(log);

        QCOMPARE(descriptorsAfter, descriptors);
        const long grownKiB = residentKiB() - resident;
        qInfo("%zu games started; resident memory grew by %ld KiB", launches, grownKiB);
        if (!sanitized) {
            QVERIFY2(grownKiB < 2048, qPrintable(QString::number(grownKiB)));
        }
        QVERIFY(dialogs.messages.empty());
        QVERIFY(window.colorPicker.isNull());
        QVERIFY(window.aboutWindow.isNull());
    }
};

int main(int argc, char** argv) {
    return testsupport::runGuiTests<SoakTest>(argc, argv);
}

#include "soak_test.moc"
