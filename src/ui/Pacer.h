// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Timed animation steps that keep the window responsive between moves.
#pragma once

#include <QElapsedTimer>

#include <functional>

namespace ui {

// One animation step: read the clock and set the step's deadline (now + delayMs), make the
// step's moves, then process pending window events until the deadline, at least once. Other
// handlers may run while a step waits.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void step(int delayMs, const std::function<void()>& moves) = 0;
};

// The program's pacer: waits for the deadline in a local event loop woken by a precise timer,
// and sleeps off the last fraction of a millisecond, so an animation keeps its pace and costs
// almost no processor time. Once the application is quitting, steps no longer wait, so a running
// animation finishes at once and the program can end.
class RealPacer final : public Pacer {
public:
    RealPacer();
    void step(int delayMs, const std::function<void()>& moves) override;

private:
    QElapsedTimer clock;
};

} // namespace ui
