// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// What both process starts do first: check the line and find the program it names.
#pragma once

#include "GameStarter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace launch {

// A line ready to start: its words (the first names the program) and the program file found.
struct StartPlan {
    std::vector<std::string> words;
    std::filesystem::path program;
};

// Splits the line, refuses one holding a NUL character (no program can receive it) and looks the
// program up beside the launcher, in the current folder and on the search path. Gives the plan,
// or the failure that tells the user why not.
OrFailure<StartPlan> planStart(const std::string& line, const std::filesystem::path& launcherFolder);

} // namespace launch
