// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The characters' descriptions, colours and portraits.
#include "characterLooks.h"

#include <QCoreApplication>

namespace player {

const std::array<CharacterLook, launch::characters.size()>& characterLooks() {
    // The slide stops one pixel short of its target, so the first portrait aims at 1 to rest at 0.
    static const std::array<CharacterLook, launch::characters.size()> table = {{
        {QT_TRANSLATE_NOOP("player::Appearance", "The only and only Gold Streak. Fast and furious!"),
         QColor(0x00, 0x00, 0xF0), 1},
        {QT_TRANSLATE_NOOP("player::Appearance", "Comet's flightworthy friend. Slow but easy to control."),
         QColor(0xFF, 0xA5, 0x00), -48},
        {QT_TRANSLATE_NOOP("player::Appearance",
                           "Gliding and climbing are no problem for this technicolored marsupial!"),
         QColor(0xF0, 0x00, 0x00), -96},
    }};
    return table;
}

} // namespace player
