// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The character table.
#include "characters.h"

namespace player {

const std::array<Character, 3>& characters() {
    // The slide stops one pixel short of its target, so the first portrait aims at 1 to rest at 0.
    static const std::array<Character, 3> table = {{
        {"The only and only Gold Streak. Fast and furious!", "Comet", "7", QColor(0x00, 0x00, 0xF0), 1},
        {"Comet's flightworthy friend. Slow but easy to control.", "Whirl", "5", QColor(0xFF, 0xA5, 0x00),
         -48},
        {"Gliding and climbing are no problem for this technicolored marsupial!", "Rockclaw", "6",
         QColor(0xF0, 0x00, 0x00), -96},
    }};
    return table;
}

} // namespace player
