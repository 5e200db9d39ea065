// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Running an animation's steps at their times.
#include "Animation.h"

#include "InputLock.h"
#include "Pacer.h"

namespace ui {

Animation::Animation(Pacer& pacer, QObject* owner) : QObject(owner), pacer(pacer) {}

Animation::~Animation() = default;

void Animation::addStep(int delayMs, std::function<void()> moves) {
    steps.push_back({delayMs, std::move(moves)});
}

void Animation::lock(QWidget* container) {
    locks.push_back(std::make_unique<InputLock>(container));
}

void Animation::onEnd(std::function<void()> handler) {
    atEnd = std::move(handler);
}

void Animation::start() {
    deadline = pacer.now();
    nextStep();
}

void Animation::stop() {
    over = true;
    locks.clear();
    deleteLater();
}

void Animation::nextStep() {
    if (over) {
        return; // stopped while this call was on its way
    }
    if (stepsMade == steps.size()) {
        finish();
        return;
    }
    const Step& step = steps[stepsMade++];
    step.moves();
    deadline += step.delayMs * nsPerMs;
    pacer.at(deadline, this, [this] { nextStep(); });
}

void Animation::finish() {
    stop();
    if (atEnd) {
        atEnd();
    }
}

} // namespace ui
