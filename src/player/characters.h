// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The three playable characters and what choosing one sets.
#pragma once

#include <QColor>
#include <QString>

#include <array>

namespace player {

// The character number is the position in the table; its skin name is the main window's Skins.
struct Character {
    const char* description;
    const char* defaultName; // the player name that goes with the character
    const char* colorNumber; // default colour number
    QColor swatch;           // what the colour field shows after choosing the character
    int stripOffset;         // Left of the portrait strip (pixels) that the slide aims at
};

const std::array<Character, 3>& characters();

} // namespace player
