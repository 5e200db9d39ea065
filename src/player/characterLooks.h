// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// How the window shows each character (what the game is told of them is launch::characters).
#pragma once

#include "characters.h"

#include <QColor>

#include <array>

namespace player {

// Indexed by character number, as launch::characters.
struct CharacterLook {
    const char* description; // shown under the character's skin name (translated)
    QColor swatch;           // what the colour field shows after choosing the character
    int stripOffset;         // Left of the portrait strip (pixels) that the slide aims at
};

const std::array<CharacterLook, launch::characters.size()>& characterLooks();

} // namespace player
