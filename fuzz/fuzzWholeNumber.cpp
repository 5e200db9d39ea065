// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Converts texts of any bytes to whole numbers in a range taken from the input and checks:
// - a number is always inside the range;
// - a text with a character that belongs to no number gives no number;
// - an optionally signed run of 1 to 15 digits, with blanks around it, gives its exact value
//   when that is inside the range, otherwise no number;
// - the same with a point and 1 to 6 fraction digits rounds to the nearest whole number, a half
//   to the even one; the reference here works on whole numbers, never on binary fractions.
// Input: one byte choosing the range ('m' the max-players range, 'b' a byte, 'w' every long,
// anything else: min and max follow as eight bytes each, low byte first), then the text.
#include "wholeNumber.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_whole_number: %s\n", what);
        std::abort();
    }
}

std::int64_t readInt64(const std::uint8_t*& data, std::size_t& size) {
    std::uint64_t value = 0;
    for (int i = 0; i < 8 && size > 0; ++i, ++data, --size) {
        value |= std::uint64_t{*data} << (8 * i);
    }
    return static_cast<std::int64_t>(value);
}

bool isDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "[+-]digits" or "[+-]digits.digits" with blanks around it, as a sign, a whole part and a
// fraction; nothing for any other text.
struct Decimal {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
};

std::optional<Decimal> readDecimal(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    Decimal d;
    if (text.front() == '+' || text.front() == '-') {
        d.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    d.whole = text.substr(0, point);
    if (point != std::string_view::npos) {
        d.fraction = text.substr(point + 1);
        if (d.fraction.empty()) {
            return std::nullopt;
        }
    }
    if (d.whole.empty() || !isDigits(d.whole) || !isDigits(d.fraction)) {
        return std::nullopt;
    }
    return d;
}

long long parse(std::string_view digits) {
    return digits.empty() ? 0 : std::strtoll(std::string(digits).c_str(), nullptr, 10);
}

// The rounded value of a decimal with at most 15 whole and 6 fraction digits: the whole part,
// plus one when twice the fraction is more than one, or exactly one with an odd whole part.
long long roundHalfToEven(const Decimal& d) {
    long long unit = 1;
    for (std::size_t i = 0; i < d.fraction.size(); ++i) {
        unit *= 10;
    }
    long long magnitude = parse(d.whole);
    const long long twiceFraction = 2 * parse(d.fraction);
    if (twiceFraction > unit || (twiceFraction == unit && magnitude % 2 == 1)) {
        ++magnitude;
    }
    return d.negative ? -magnitude : magnitude;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const char range = static_cast<char>(*data++);
    --size;
    long min = std::numeric_limits<long>::min();
    long max = std::numeric_limits<long>::max();
    if (range == 'm') {
        min = -32768;
        max = 32767;
    } else if (range == 'b') {
        min = 0;
        max = 255;
    } else if (range != 'w') {
        min = static_cast<long>(readInt64(data, size));
        max = static_cast<long>(readInt64(data, size));
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::optional<long> number = launch::toWholeNumber(text, min, max);

    if (number) {
        check(min <= *number && *number <= max, "the number is outside the range");
    }
    if (text.find_first_not_of("0123456789+-. \t") != std::string_view::npos) {
        check(!number, "a text with a character of no number gave a number");
    }
    const auto decimal = readDecimal(text);
    if (decimal && decimal->whole.size() <= 15 && decimal->fraction.size() <= 6) {
        const long long expected = roundHalfToEven(*decimal);
        if (expected >= min && expected <= max) {
            check(number == expected, "a decimal in the range does not give its rounded value");
        } else {
            check(!number, "a decimal outside the range gave a number");
        }
    }
    return 0;
}
