// Scripted dialogs, recording starter and instant pacer for the window tests.
#include "guiFixtures.h"

#include "style.h"

#include <QCoreApplication>
#include <QTest>

namespace testsupport {

ui::MessageAnswer ScriptedDialogs::message(QWidget*, const ui::MessageBoxRequest& request) {
    messages.push_back(request);
    if (whileMessageShown) {
        whileMessageShown();
    }
    if (messageAnswers.empty()) {
        return request.defaultButton;
    }
    const auto answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::inputText(QWidget*, const ui::InputBoxRequest& request) {
    inputs.push_back(request);
    if (inputAnswers.empty()) {
        return QString();
    }
    const QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer.isNull() ? QString() : answer;
}

QString ScriptedDialogs::openFile(QWidget*, const ui::OpenFileRequest& request) {
    files.push_back(request);
    if (fileAnswers.empty()) {
        return QString();
    }
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

launch::StartResult RecordingStarter::start(const std::string& line, launch::WindowStyle style) {
    calls.push_back({line, style});
    return result;
}

void InstantPacer::step(int delayMs, const std::function<void()>& moves) {
    ++steps;
    delays.push_back(delayMs);
    moves();
    if (afterMoves) {
        afterMoves();
    }
    QCoreApplication::processEvents();
}

bool WindowTest::openWindow() {
    form.reset();
    dialogs = ScriptedDialogs();
    starter = RecordingStarter();
    pacer = InstantPacer();
    form = std::make_unique<MainForm>(ui::Platform{dialogs, starter, pacer});
    form->show();
    return QTest::qWaitForWindowExposed(form.get());
}

void applyTestStyle(QApplication& app) {
    ui::applyLauncherStyle(app);
}

} // namespace testsupport
