// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock that animations keep their pace by.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QtGlobal>

#include <functional>
#include <map>
#include <utility>

class QObject;

namespace ui {

// The clock counts nanoseconds; pauses are given in milliseconds.
inline constexpr qint64 nsPerMs = 1000000;

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

// A clock of its own: time passes only from one timed call to the next, so every animation runs to
// its end within the click that starts it, and animations that overlap take turns exactly as their
// times say. For showing every state of a window at once (klem-snapshots) and for tests.
class InstantPacer : public Pacer {
public:
    qint64 now() override;
    void at(qint64 deadline, QObject* context, std::function<void()> callback) override;

protected:
    // A timed call was asked for, `delayMs` from now; an animation asks right after each step's
    // moves. The call itself is already in its place in time.
    virtual void scheduled(int delayMs);

private:
    qint64 clock = 0;
    bool running = false;
    std::multimap<qint64, std::pair<QPointer<QObject>, std::function<void()>>> due; // in order of time
};

} // namespace ui
