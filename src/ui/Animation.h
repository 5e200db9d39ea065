// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Animations: steps of moves, each followed by a pause, run from the application's event loop.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace ui {

class InputLock;
class Pacer;

// An animation holds its steps, each some moves and the pause that follows them. start() makes
// the first step's moves and returns; each later step comes when the pauses before it are over,
// counted from the start, so late calls never add up. After the last pause the animation releases
// its input locks, runs its end and deletes itself. Other handlers run between the steps, and
// other animations alongside.
class Animation : public QObject {
public:
    // Ends with `owner` too: a window that goes away takes its animations with it.
    Animation(Pacer& pacer, QObject* owner);
    ~Animation() override;

    // Appends a step: `moves`, then a pause of `delayMs` before the next step (or the end).
    void addStep(int delayMs, std::function<void()> moves);
    // Blocks input to `container` from now until the animation ends, is stopped or deleted.
    void lock(QWidget* container);
    // What happens once the last pause is over.
    void onEnd(std::function<void()> handler);

    void start();
    // Ends the animation where it is, without its end.
    void stop();

private:
    struct Step {
        int delayMs;
        std::function<void()> moves;
    };

    void nextStep();
    void finish();

    Pacer& pacer;
    std::vector<Step> steps;
    std::size_t stepsMade = 0;
    qint64 deadline = 0;
    bool over = false;
    std::function<void()> atEnd;
    std::vector<std::unique_ptr<InputLock>> locks;
};

} // namespace ui
