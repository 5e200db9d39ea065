// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Fixtures for the window tests: scripted dialogs, a recording game starter, an instant pacer,
// and a fresh main window for every test function.
#pragma once

#include "MainForm.h"
#include "style.h"

#include <QApplication>
#include <QTest>

#include <deque>
#include <memory>

namespace testsupport {

// Answers every dialog from queues and records what was shown: a message box with its default
// button when no answer is queued, an input box and a file dialog with Cancel (a null text).
struct ScriptedDialogs final : ui::Dialogs {
    std::deque<ui::MessageAnswer> messageAnswers;
    std::deque<QString> inputAnswers, fileAnswers;
    std::vector<ui::MessageBoxRequest> messages;
    std::vector<ui::InputBoxRequest> inputs;
    std::vector<ui::OpenFileRequest> files;

    // Records the request and gives the next answer queued, or the answer without one.
    template <class Request, class Answer>
    static Answer answer(std::vector<Request>& shown, const Request& request, std::deque<Answer>& queue,
                         Answer otherwise) {
        shown.push_back(request);
        if (!queue.empty()) {
            otherwise = queue.front();
            queue.pop_front();
        }
        return otherwise;
    }
    ui::MessageAnswer message(QWidget*, const ui::MessageBoxRequest& r) override {
        return answer(messages, r, messageAnswers, r.defaultButton);
    }
    QString inputText(QWidget*, const ui::InputBoxRequest& r) override {
        return answer(inputs, r, inputAnswers, {});
    }
    QString openFile(QWidget*, const ui::OpenFileRequest& r) override {
        return answer(files, r, fileAnswers, {});
    }
};

// Records every start instead of starting a process, and answers with `result`.
struct RecordingStarter final : launch::GameStarter {
    struct Call {
        std::string line;
        launch::WindowStyle style;
    };
    std::vector<Call> calls;
    launch::StartResult result{true, {}};

    launch::StartResult start(const std::string& line, launch::WindowStyle style) override {
        calls.push_back({line, style});
        return result;
    }
};

// Makes each step's moves and processes events once, without waiting; records each step's delay.
// `afterMoves` runs in every step right after the moves, so a test can look at each step.
struct InstantPacer final : ui::Pacer {
    std::vector<int> delays;
    std::function<void()> afterMoves = [] {
    };

    void step(int delayMs, const std::function<void()>& moves) override {
        delays.push_back(delayMs);
        moves();
        afterMoves();
        QCoreApplication::processEvents();
    }
};

// Base of the window tests: openWindow() shows a fresh main window on fresh dialogs, starter and
// pacer; false when it did not appear.
class WindowTest : public QObject {
protected:
    ScriptedDialogs dialogs;
    RecordingStarter starter;
    InstantPacer pacer;
    std::unique_ptr<MainForm> form;

    bool openWindow() {
        form.reset();
        dialogs = {};
        starter = {};
        pacer = {};
        form = std::make_unique<MainForm>(ui::Platform{dialogs, starter, pacer});
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
};

inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

inline void hover(QWidget* widget) {
    QTest::mouseMove(widget, widget->rect().center());
}

// Runs a Qt Test object with the launcher's style applied, as the program itself has it.
template <class TestObject> int runGuiTests(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::applyLauncherStyle(app);
    TestObject tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace testsupport
