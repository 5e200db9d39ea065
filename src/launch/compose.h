// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Composition of the game's command line from the launch options.
#pragma once

#include "LaunchOptions.h"

#include <string>
#include <string_view>
#include <variant>

namespace launch {

// A finished command line: its first word names the program, the rest are the game's options.
struct LaunchCommand {
    std::string line;
    WindowStyle windowStyle = WindowStyle::Normal;
};

// The launch was abandoned because the max-players text is not a whole number in the 16-bit range.
struct MaxPlayersInvalid {
    std::string text;
};

using Composition = std::variant<LaunchCommand, MaxPlayersInvalid>;

// The program name that opens the line: "klemwin", or the alternate name when chkEXE is checked.
std::string_view executableName(const LaunchOptions& options);

// Builds the command line, fragment by fragment in the game's fixed option order. Values are
// inserted verbatim: no trimming, quoting or escaping. extraParams is appended last, right after
// the manual parameters, on every launch that is not a saved-game launch.
Composition composeLaunch(const LaunchOptions& options, std::string_view extraParams = {});

} // namespace launch
