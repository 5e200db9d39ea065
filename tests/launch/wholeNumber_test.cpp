// Whole-number conversion of typed text: rounding, blanks, signs and range.
#include "wholeNumber.h"

#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* text;
    long min;
    long max;
    std::optional<long> expected;
};

class WholeNumber : public testing::TestWithParam<Case> {};

TEST_P(WholeNumber, converts) {
    const auto& c = GetParam();
    EXPECT_EQ(launch::toWholeNumber(c.text, c.min, c.max), c.expected) << '"' << c.text << '"';
}

constexpr long lo = -32768;
constexpr long hi = 32767;

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumber,
    testing::Values(
        // Plain numbers, blanks, signs and leading zeros.
        Case{"2", lo, hi, 2}, Case{"08", lo, hi, 8}, Case{" 5", lo, hi, 5}, Case{"\t5  ", lo, hi, 5},
        Case{"+7", lo, hi, 7}, Case{"-1", lo, hi, -1}, Case{"-0", lo, hi, 0},
        Case{"000000000000000000000042", lo, hi, 42},
        // Fractions round to nearest, halves to even, in both directions.
        Case{"2.5", lo, hi, 2}, Case{"3.5", lo, hi, 4}, Case{"2.50001", lo, hi, 3}, Case{"2.4999", lo, hi, 2},
        Case{"-2.5", lo, hi, -2}, Case{"-3.5", lo, hi, -4}, Case{".5", lo, hi, 0}, Case{"1.", lo, hi, 1},
        Case{"0.6", lo, hi, 1},
        // Range edges after rounding.
        Case{"32767", lo, hi, 32767}, Case{"32768", lo, hi, std::nullopt}, Case{"-32768", lo, hi, -32768},
        Case{"-32769", lo, hi, std::nullopt}, Case{"32767.4", lo, hi, 32767},
        Case{"32767.5", lo, hi, std::nullopt}, Case{"99999999999999999999999999", lo, hi, std::nullopt},
        // The byte range of the Enter check.
        Case{"0", 0, 255, 0}, Case{"40", 0, 255, 40}, Case{"255", 0, 255, 255},
        Case{"256", 0, 255, std::nullopt}, Case{"-1", 0, 255, std::nullopt}, Case{"-0.4", 0, 255, 0},
        // Not numbers.
        Case{"", lo, hi, std::nullopt}, Case{"  ", lo, hi, std::nullopt}, Case{"ab", lo, hi, std::nullopt},
        Case{"1a", lo, hi, std::nullopt}, Case{"1 2", lo, hi, std::nullopt},
        Case{"--1", lo, hi, std::nullopt}, Case{"+", lo, hi, std::nullopt}, Case{".", lo, hi, std::nullopt},
        Case{"1.2.3", lo, hi, std::nullopt}, Case{"0x10", lo, hi, std::nullopt},
        Case{"- 1", lo, hi, std::nullopt}));

// A range as wide as long keeps every digit, up to the limits of long, and turns away what lies
// beyond them instead of cutting it short.
TEST(WholeNumberWideRange, keepsEveryDigitUpToTheLimitsOfLong) {
    constexpr long lowest = std::numeric_limits<long>::min();
    constexpr long highest = std::numeric_limits<long>::max();
    const std::string top = std::to_string(highest);
    const std::string bottom = std::to_string(lowest);

    EXPECT_EQ(launch::toWholeNumber(top, lowest, highest), highest);
    EXPECT_EQ(launch::toWholeNumber(bottom, lowest, highest), lowest);
    EXPECT_EQ(launch::toWholeNumber(top.substr(0, top.size() - 1), lowest, highest), highest / 10);
    EXPECT_EQ(launch::toWholeNumber(" +" + top + ".4 ", lowest, highest), highest);
    EXPECT_EQ(launch::toWholeNumber(bottom + ".5", lowest, highest), lowest); // the bottom is even

    EXPECT_EQ(launch::toWholeNumber(top + ".5", lowest, highest), std::nullopt); // the top is odd
    EXPECT_EQ(launch::toWholeNumber(bottom + ".6", lowest, highest), std::nullopt);
    EXPECT_EQ(launch::toWholeNumber(top + "0", lowest, highest), std::nullopt);
    EXPECT_EQ(launch::toWholeNumber(bottom + "0", lowest, highest), std::nullopt);
    EXPECT_EQ(launch::toWholeNumber("99999999999999999999999999", lowest, highest), std::nullopt);
    EXPECT_EQ(launch::toWholeNumber("-99999999999999999999999999", lowest, highest), std::nullopt);
}

} // namespace
