// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of a typed text to a whole number, as the max-players box needs it.
#pragma once

#include <optional>
#include <string_view>

namespace launch {

// Converts text such as " 08", "2.5" or "-3" to a whole number in [min, max].
// Surrounding blanks are ignored; an optional sign, decimal digits and an optional fraction are
// accepted; a fraction is rounded to the nearest whole number, a half to the even neighbour
// ("2.5" gives 2, "3.5" gives 4). Empty or non-numeric text, or a rounded value outside the
// range, gives no number.
std::optional<long> toWholeNumber(std::string_view text, long min, long max);

// The range the game accepts after " -maxplayers ": a signed 16-bit number.
inline std::optional<long> toMaxPlayers(std::string_view text) {
    return toWholeNumber(text, -32768, 32767);
}

// The range the max-players box itself checks when Enter is pressed: a byte.
inline std::optional<long> toPlayerCount(std::string_view text) {
    return toWholeNumber(text, 0, 255);
}

} // namespace launch
