// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The colour table of the picker.
#include "colors.h"

#include <QCoreApplication>

namespace player {

const std::array<PlayerColor, 15>& colors() {
    static const std::array<PlayerColor, 15> table = {{
        {QT_TRANSLATE_NOOP("frmColor", "Grey"), QColor(0x80, 0x80, 0x80)},
        {QT_TRANSLATE_NOOP("frmColor", "Peach"), QColor(0xE2, 0xAF, 0x8D)},
        {QT_TRANSLATE_NOOP("frmColor", "Dark Red"), QColor(0xCA, 0x00, 0x00)},
        {QT_TRANSLATE_NOOP("frmColor", "Silver"), QColor(0xE0, 0xE0, 0xE0)},
        {QT_TRANSLATE_NOOP("frmColor", "Orange"), QColor(0xFF, 0xA5, 0x00)},
        {QT_TRANSLATE_NOOP("frmColor", "Red"), QColor(0xFF, 0x00, 0x00)},
        {QT_TRANSLATE_NOOP("frmColor", "Blue"), QColor(0x00, 0x00, 0xFF)},
        {QT_TRANSLATE_NOOP("frmColor", "Dark Blue"), QColor(0x00, 0x00, 0xC0)},
        {QT_TRANSLATE_NOOP("frmColor", "Pink"), QColor(0xD8, 0x8D, 0x87)},
        {QT_TRANSLATE_NOOP("frmColor", "Beige"), QColor(0xB1, 0x9E, 0x8F)},
        {QT_TRANSLATE_NOOP("frmColor", "Purple"), QColor(0xFF, 0x00, 0xFF)},
        {QT_TRANSLATE_NOOP("frmColor", "Green"), QColor(0x00, 0xC0, 0x00)},
        {QT_TRANSLATE_NOOP("frmColor", "White"), QColor(0xFF, 0xFF, 0xFF)},
        {QT_TRANSLATE_NOOP("frmColor", "Black"), QColor(0x00, 0x00, 0x00)},
        {QT_TRANSLATE_NOOP("frmColor", "Yellow"), QColor(0xC8, 0xB0, 0x44)},
    }};
    return table;
}

} // namespace player
