// Waiting out animation steps in a nested event loop instead of spinning on the clock.
#include "Pacer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace ui {

RealPacer::RealPacer() {
    clock.start();
}

void RealPacer::step(int delayMs, const std::function<void()>& moves) {
    const qint64 deadline = clock.elapsed() + delayMs;
    moves();

    // Events are processed at least once per step, even when the moves used up the whole delay.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    for (qint64 remaining = deadline - clock.elapsed(); remaining > 0;
         remaining = deadline - clock.elapsed()) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(remaining));
        loop.exec();
        // The loop ends before the timer only when the application is quitting: stop waiting.
        if (timer.isActive()) {
            break;
        }
    }
}

} // namespace ui
