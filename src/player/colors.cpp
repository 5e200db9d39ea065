// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The colour table of the picker.
#include "colors.h"

namespace player {

const std::array<PlayerColor, 15>& colors() {
    static const std::array<PlayerColor, 15> table = {{
        {"Grey", QColor(0x80, 0x80, 0x80)},
        {"Peach", QColor(0xE2, 0xAF, 0x8D)},
        {"Dark Red", QColor(0xCA, 0x00, 0x00)},
        {"Silver", QColor(0xE0, 0xE0, 0xE0)},
        {"Orange", QColor(0xFF, 0xA5, 0x00)},
        {"Red", QColor(0xFF, 0x00, 0x00)},
        {"Blue", QColor(0x00, 0x00, 0xFF)},
        {"Dark Blue", QColor(0x00, 0x00, 0xC0)},
        {"Pink", QColor(0xD8, 0x8D, 0x87)},
        {"Beige", QColor(0xB1, 0x9E, 0x8F)},
        {"Purple", QColor(0xFF, 0x00, 0xFF)},
        {"Green", QColor(0x00, 0xC0, 0x00)},
        {"White", QColor(0xFF, 0xFF, 0xFF)},
        {"Black", QColor(0x00, 0x00, 0x00)},
        {"Yellow", QColor(0xC8, 0xB0, 0x44)},
    }};
    return table;
}

} // namespace player
