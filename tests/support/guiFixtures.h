// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Fixtures for the window tests: scripted dialogs, a recording game starter, a recording pacer,
// and a fresh main window for every test function.
#pragma once

#include "MainForm.h"
#include "accessibility.h"
#include "style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRegularExpression>
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

// Records every start instead of starting a process, and answers with `result`: a started game
// unless a test sets a failure.
struct RecordingStarter final : launch::GameStarter {
    struct Call {
        std::string line;
        launch::WindowStyle style;
    };
    std::vector<Call> calls;
    launch::OrFailure<launch::GameProcess> result = launch::GameProcess{};

    launch::OrFailure<launch::GameProcess> start(const std::string& line,
                                                 launch::WindowStyle style) override {
        calls.push_back({line, style});
        return result;
    }
};

// The instant clock, recording each step's delay; `afterMoves` runs in every step right after its
// moves, so a test can look at each step (or act in the middle of an animation).
struct RecordingPacer final : ui::InstantPacer {
    std::vector<int> delays;
    std::function<void()> afterMoves = [] {
    };

    void scheduled(int delayMs) override {
        delays.push_back(delayMs);
        afterMoves();
    }
};

// The control of `window` with this object name (arrays as "Name(k)"). A name the window does not
// have stops the test program with that name.
template <class Control = QWidget> Control* control(const QWidget* window, const QString& name) {
    auto* found = window->findChild<Control*>(name);
    if (found == nullptr) {
        qFatal("no control named %s", qPrintable(name));
    }
    return found;
}

// Clicks the button of `window` with this object name, as click() from code does.
inline void clickButton(const QWidget* window, const QString& name) {
    control<QAbstractButton>(window, name)->click();
}

// The shown window or widget of this kind (the about window, the colour picker), or none.
template <class Shown> Shown* shown() {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* found = qobject_cast<Shown*>(widget); found != nullptr && found->isVisible()) {
            return found;
        }
    }
    return nullptr;
}

// Clicks Join/Host card k of `window` (or, with the action MouseMove, moves the pointer there) where
// the user would: at its top, above the other card. (A move with no button held ignores the button.)
inline void clickCard(const QWidget* window, int k, QTest::MouseAction action = QTest::MouseClick) {
    const auto* card = control(window, QStringLiteral("frmMulti(%1)").arg(k));
    const auto* options = control(window, QStringLiteral("ngOpt(1)"));
    const QPoint pos = card->geometry().topLeft() + QPoint(card->width() / 2, 5);
    QWidget* target = options->childAt(pos);
    QTest::mouseEvent(action, target, Qt::LeftButton, {}, target->mapFrom(options, pos));
}

// Base of the window tests: openWindow() shows a fresh main window on fresh dialogs, starter and
// pacer (or on the clock given instead); false when it did not appear.
class WindowTest : public QObject {
protected:
    ScriptedDialogs dialogs;
    RecordingStarter starter;
    RecordingPacer pacer;
    std::unique_ptr<MainForm> form;

    bool openWindow() { return openWindow(pacer); }
    bool openWindow(ui::Pacer& clock) {
        form.reset();
        dialogs = {};
        starter = {};
        pacer = {};
        form = std::make_unique<MainForm>(Platform{dialogs, starter, clock});
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }

    // The control of the window with this object name.
    template <class Control = QWidget> Control* find(const QString& name) const {
        return control<Control>(form.get(), name);
    }
};

inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

inline void hover(QWidget* widget) {
    QTest::mouseMove(widget, widget->rect().center());
}

// Makes the running test function fail on any warning Qt prints (a painter left unbalanced, a
// connection to nothing, a widget misused), but for the headless platform's notes that it cannot
// do what a window system does ("This plugin does not support raise()"): call it from init().
// Before Qt 6.3, which has no QTest::failOnWarning, such a warning ends the test program instead.
inline void failOnAnyWarning() {
    static const QRegularExpression anyButPlatformNotes(QStringLiteral("^(?!This plugin does not support )"));
#if QT_VERSION >= QT_VERSION_CHECK(6, 3, 0)
    QTest::failOnWarning(anyButPlatformNotes);
#else
    static const QtMessageHandler testLog = qInstallMessageHandler(nullptr); // Qt Test's own
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        testLog(type, context, text);
        if ((type == QtWarningMsg || type == QtCriticalMsg) && anyButPlatformNotes.match(text).hasMatch()) {
            qFatal("a Qt warning fails the window tests");
        }
    });
#endif
}

// Runs a Qt Test object with the launcher's style applied, as the program itself has it.
template <class TestObject> int runGuiTests(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::applyLauncherStyle(app);
    ui::installAccessibility();
    TestObject tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace testsupport
