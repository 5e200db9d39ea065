// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-number conversion with round-half-to-even, done on the digits so no binary fraction
// can tip a half one way or the other.
#include "wholeNumber.h"

#include "commandLine.h"

#include <limits>

namespace launch {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<long> toWholeNumber(std::string_view text, long min, long max) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }

    // Magnitude of the whole part, held at `beyond` once it is larger than that of any long (64
    // bits on Linux, 32 on Windows): such a text is outside every range a caller can ask for.
    using Magnitude = unsigned long long;
    constexpr Magnitude longMax = std::numeric_limits<long>::max();
    constexpr Magnitude beyond = longMax + 2;
    Magnitude magnitude = 0;
    for (char c : whole) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        const auto digit = static_cast<Magnitude>(c - '0');
        magnitude = magnitude > (beyond - digit) / 10 ? beyond : magnitude * 10 + digit;
    }
    for (char c : fraction) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
    }

    if (!fraction.empty()) {
        const char first = fraction.front();
        const bool restNonZero = fraction.find_first_not_of('0', 1) != std::string_view::npos;
        const bool above = first > '5' || (first == '5' && restNonZero);
        const bool half = first == '5' && !restNonZero;
        if (above || (half && magnitude % 2 == 1)) {
            ++magnitude;
        }
    }

    // A negative number reaches one further than a positive one.
    if (magnitude > (negative ? longMax + 1 : longMax)) {
        return std::nullopt;
    }
    const long value = !negative        ? static_cast<long>(magnitude)
                       : magnitude == 0 ? 0L
                                        : -static_cast<long>(magnitude - 1) - 1;
    if (value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

} // namespace launch
