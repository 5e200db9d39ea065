// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The three playable characters, as far as the game's command line knows them.
#pragma once

#include <array>

namespace launch {

// The character number is the position in this table.
struct Character {
    const char* skin;        // the skin the game dresses the player in
    const char* defaultName; // the player name that goes with the character
    const char* colorNumber; // the colour number it comes with
};

inline constexpr std::array<Character, 3> characters = {{
    {"COMET", "Comet", "7"},
    {"WHIRL", "Whirl", "5"},
    {"ROCKCLAW", "Rockclaw", "6"},
}};

} // namespace launch
