// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Timed calls on the application's event loop.
#include "Pacer.h"

#include <QTimer>

#include <algorithm>

namespace ui {

RealPacer::RealPacer() {
    clock.start();
}

qint64 RealPacer::now() {
    return clock.nsecsElapsed();
}

void RealPacer::at(qint64 deadline, QObject* context, std::function<void()> callback) {
    const qint64 remaining = deadline - now();
    const int ms = remaining > 0 ? static_cast<int>((remaining + nsPerMs - 1) / nsPerMs) : 0;
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(callback));
}

qint64 InstantPacer::now() {
    return clock;
}

void InstantPacer::at(qint64 deadline, QObject* context, std::function<void()> callback) {
    due.emplace(deadline, std::make_pair(QPointer<QObject>(context), std::move(callback)));
    const bool outermost = !running;
    running = true;
    scheduled(static_cast<int>((deadline - clock) / nsPerMs));
    if (!outermost) {
        return; // the outermost call makes it in its turn
    }
    while (!due.empty()) {
        auto [owner, call] = std::move(due.begin()->second);
        clock = std::max(clock, due.begin()->first);
        due.erase(due.begin());
        if (owner) {
            call();
        }
    }
    running = false;
}

void InstantPacer::scheduled(int) {}

} // namespace ui
