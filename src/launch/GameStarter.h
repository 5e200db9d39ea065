// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the game process from a finished command line.
#pragma once

#include "LaunchOptions.h"

#include <filesystem>
#include <string>

namespace launch {

struct StartResult {
    bool started = false;
    std::string error; // when not started: what was looked for, where, and what went wrong
};

// Starts one game process per call and returns as soon as it exists; never waits for the game.
class GameStarter {
public:
    virtual ~GameStarter() = default;
    virtual StartResult start(const std::string& line, WindowStyle style) = 0;
};

// The real start through the operating system's process API.
// The first word of the line (split as splitCommandLine does) names the program, which is
// looked up beside the launcher, in the current folder and on the search path; the game
// inherits the launcher's working folder and environment.
// - POSIX: the program is started directly with the words as its argv, never through a shell,
//   in a process group of its own; it is reaped when it exits, so no zombie remains. A Windows
//   game starts through Wine and wine-start.exe, which pass the window style on as the
//   show-window hint; a native game gets none.
// - Windows: CreateProcessW with the line itself (as wide text) and the window style as the
//   show-window hint.
class ProcessStarter final : public GameStarter {
public:
    explicit ProcessStarter(std::filesystem::path launcherFolder);
    StartResult start(const std::string& line, WindowStyle style) override;

private:
    std::filesystem::path launcherFolder;
};

} // namespace launch
