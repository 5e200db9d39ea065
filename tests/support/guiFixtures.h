// Fixtures for window tests: scripted dialogs, a recording game starter and an instant pacer.
#pragma once

#include "Dialogs.h"
#include "GameStarter.h"
#include "MainForm.h"
#include "Pacer.h"

#include <QApplication>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

// Answers every dialog from queues and records what was shown. With an empty queue a message
// box is answered with its default button, an input box with Cancel, a file dialog with Cancel.
class ScriptedDialogs final : public ui::Dialogs {
public:
    std::deque<ui::MessageAnswer> messageAnswers;
    std::deque<QString> inputAnswers; // a null QString stands for Cancel
    std::deque<QString> fileAnswers;

    std::vector<ui::MessageBoxRequest> messages;
    std::vector<ui::InputBoxRequest> inputs;
    std::vector<ui::OpenFileRequest> files;
    // Called while a message box is "open", before it is answered.
    std::function<void()> whileMessageShown;

    ui::MessageAnswer message(QWidget* owner, const ui::MessageBoxRequest& request) override;
    QString inputText(QWidget* owner, const ui::InputBoxRequest& request) override;
    QString openFile(QWidget* owner, const ui::OpenFileRequest& request) override;
};

// Records every start instead of starting a process; answers with `result`.
class RecordingStarter final : public launch::GameStarter {
public:
    struct Call {
        std::string line;
        launch::WindowStyle style;
    };
    std::vector<Call> calls;
    launch::StartResult result{true, {}};

    launch::StartResult start(const std::string& line, launch::WindowStyle style) override;
};

// Makes each step's moves and processes events once, without waiting. `afterMoves` runs in every
// step right after the moves, so a test can look at each step.
class InstantPacer final : public ui::Pacer {
public:
    int steps = 0;
    std::vector<int> delays;
    std::function<void()> afterMoves;

    void step(int delayMs, const std::function<void()>& moves) override;
};

// Base of the window tests: each test function gets a fresh, shown main window on scripted
// dialogs, a recording starter and an instant pacer (call openWindow() from init()).
class WindowTest : public QObject {
protected:
    ScriptedDialogs dialogs;
    RecordingStarter starter;
    InstantPacer pacer;
    std::unique_ptr<MainForm> form;

    // Forgets the previous test's window and answers, and shows a fresh window; false when it
    // did not appear.
    bool openWindow();
    void closeWindow() { form.reset(); }
};

// Runs a Qt Test object with the launcher's style applied, as the program itself has it.
template <class TestObject> int runGuiTests(int argc, char** argv);

void applyTestStyle(QApplication& app);

} // namespace testsupport

#include <QTest>

template <class TestObject> int testsupport::runGuiTests(int argc, char** argv) {
    QApplication app(argc, argv);
    applyTestStyle(app);
    TestObject tests;
    return QTest::qExec(&tests, argc, argv);
}
