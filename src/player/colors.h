// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The player colours the game knows, by number.
#pragma once

#include <QColor>
#include <QString>

#include <array>

namespace player {

struct PlayerColor {
    const char* name; // shown (translated) as the swatch's tooltip
    QColor color;
};

// Colour number n (1 to 15) is colors[n - 1]; number 0 is never offered.
const std::array<PlayerColor, 15>& colors();

} // namespace player
