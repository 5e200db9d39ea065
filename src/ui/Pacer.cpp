// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting out animation steps in a nested event loop instead of spinning on the clock.
#include "Pacer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

namespace ui {

RealPacer::RealPacer() {
    clock.start();
}

void RealPacer::step(int delayMs, const std::function<void()>& moves) {
    constexpr qint64 nsPerMs = 1000000;
    const qint64 deadline = clock.nsecsElapsed() + delayMs * nsPerMs;
    moves();

    // Events are processed at least once per step, even when the moves used up the whole delay.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    for (qint64 remaining = deadline - clock.nsecsElapsed(); remaining > 0;
         remaining = deadline - clock.nsecsElapsed()) {
        if (remaining < nsPerMs) {
            // Less than a timer's resolution is left: sleep it off rather than overshoot by up to
            // a millisecond, which would stretch a 5 ms step by a fifth. Windows sleeps whole
            // milliseconds, rounded down: the clock, not the sleep, says when the step is over.
            std::this_thread::sleep_for(std::chrono::nanoseconds(remaining));
            continue;
        }
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(remaining / nsPerMs));
        loop.exec();
        // The loop ends before the timer only when the application is quitting: stop waiting.
        if (timer.isActive()) {
            break;
        }
    }
}

} // namespace ui
