// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock that animations keep their pace by.
#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

#include <functional>

class QObject;

namespace ui {

// Time and timed calls for animations: the program's real clock, or a test's own.
class Pacer {
public:
    virtual ~Pacer() = default;
    // Nanoseconds on a steady clock.
    virtual qint64 now() = 0;
    // Calls `callback` from the application's event loop once now() has reached `deadline`,
    // unless `context` has been deleted by then. Returns at once.
    virtual void at(qint64 deadline, QObject* context, std::function<void()> callback) = 0;
};

// The program's clock: a precise timer of the application's event loop, set to the next whole
// millisecond at or after the deadline, so a call never comes early and an animation whose
// deadlines add up from its start never drifts.
class RealPacer final : public Pacer {
public:
    RealPacer();
    qint64 now() override;
    void at(qint64 deadline, QObject* context, std::function<void()> callback) override;

private:
    QElapsedTimer clock;
};

} // namespace ui
