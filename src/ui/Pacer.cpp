// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Timed calls on the application's event loop.
#include "Pacer.h"

#include <QTimer>

namespace ui {

RealPacer::RealPacer() {
    clock.start();
}

qint64 RealPacer::now() {
    return clock.nsecsElapsed();
}

void RealPacer::at(qint64 deadline, QObject* context, std::function<void()> callback) {
    constexpr qint64 nsPerMs = 1000000;
    const qint64 remaining = deadline - now();
    const int ms = remaining > 0 ? static_cast<int>((remaining + nsPerMs - 1) / nsPerMs) : 0;
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(callback));
}

} // namespace ui
