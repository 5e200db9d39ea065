// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Typed text as the game gets it: the whole-number conversion of the max-players box, and the
// words a command line splits into under the Windows C runtime's rules.
#include "commandLine.h"
#include "wholeNumber.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

// A text, what it converts to in the range [min, max] (the 16-bit range unless a row says).
struct Case {
    const char* text;
    std::optional<long> expected;
    long min = -32768;
    long max = 32767;
};

constexpr std::nullopt_t none = std::nullopt;

class WholeNumber : public testing::TestWithParam<Case> {};

TEST_P(WholeNumber, converts) {
    const auto& c = GetParam();
    EXPECT_EQ(launch::toWholeNumber(c.text, c.min, c.max), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, WholeNumber,
                         testing::Values(
                             // Plain numbers, blanks, signs and leading zeros.
                             Case{"08", 8}, Case{"\t5  ", 5}, Case{"+7", 7}, Case{"-1", -1},
                             Case{"000000000000000000000042", 42},
                             // Fractions round to nearest, halves to even, in both directions; below a
                             // half down, above it up, whether the whole part is odd or even.
                             Case{"2.5", 2}, Case{"3.5", 4}, Case{"2.50001", 3}, Case{"-2.5", -2},
                             Case{"-3.5", -4}, Case{".5", 0}, Case{"1.", 1}, Case{"3.4", 3}, Case{"3.0", 3},
                             Case{"-3.4", -3}, Case{"3.49", 3}, Case{"3.6", 4}, Case{"-2.6", -3},
                             // Range edges after rounding; the byte range of the Enter check.
                             Case{"32767", 32767}, Case{"32768", none}, Case{"-32768", -32768},
                             Case{"-32769", none}, Case{"32767.5", none}, Case{"255", 255, 0, 255},
                             Case{"256", none, 0, 255}, Case{"-0.4", 0, 0, 255},
                             // Not numbers.
                             Case{"", none}, Case{"  ", none}, Case{"1a", none}, Case{"1 2", none},
                             Case{"--1", none}, Case{".", none}, Case{"1.2.3", none}, Case{"- 1", none}));

using Words = std::vector<std::string>;

struct Line {
    const char* line;
    Words words;
};

class SplitCommandLine : public testing::TestWithParam<Line> {};

TEST_P(SplitCommandLine, givesTheWords) {
    EXPECT_EQ(launch::splitCommandLine(GetParam().line), GetParam().words) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitCommandLine,
    testing::Values(
        Line{"", {}}, Line{"   \t ", {}}, Line{"klemwin", {"klemwin"}},
        // Runs of blanks and tabs, and blanks at the ends, make no empty words.
        Line{"klemwin -skin COMET -color 7 ", {"klemwin", "-skin", "COMET", "-color", "7"}},
        Line{"klemwin -connect  -name Comet ", {"klemwin", "-connect", "-name", "Comet"}},
        Line{"a\tb \t c", {"a", "b", "c"}},
        // An empty program name: the first option word takes its place.
        Line{" -skin COMET", {"-skin", "COMET"}},
        // Quotes group blanks and disappear; "" inside quotes is a quote; "" alone is an empty word.
        Line{"p \"a b\" c", {"p", "a b", "c"}}, Line{"p a\"b c\"d", {"p", "ab cd"}},
        Line{"p \"a\"\"b\"", {"p", "a\"b"}}, Line{"p \"\" x", {"p", "", "x"}},
        Line{"p \"unclosed x", {"p", "unclosed x"}},
        // Backslashes: literal unless before a quote; 2n -> n and a quote; 2n+1 -> n and a literal quote.
        Line{"p C:\\Games\\a.wad", {"p", "C:\\Games\\a.wad"}}, Line{"p a\\\\b", {"p", "a\\\\b"}},
        Line{"p a\\\"b", {"p", "a\"b"}}, Line{"p a\\\\\"b c\"", {"p", "a\\b c"}},
        Line{"p a\\\\\\\"b", {"p", "a\\\"b"}}, Line{"p \"x\\\\\" y", {"p", "x\\", "y"}},
        // The program word: quotes group, backslashes stay as they are.
        Line{"\"C:\\Program Files\\klem\\klemwin.exe\" -x", {"C:\\Program Files\\klem\\klemwin.exe", "-x"}},
        Line{"dir\\\"x y\" z", {"dir\\x y", "z"}},
        // Non-ASCII text passes through byte for byte.
        Line{"klemwin -name Zo\xc3\xab", {"klemwin", "-name", "Zo\xc3\xab"}},
        // Shell characters are plain characters.
        Line{"klemwin ; touch x $(id) | cat `y` > z",
             {"klemwin", ";", "touch", "x", "$(id)", "|", "cat", "`y`", ">", "z"}}));

} // namespace
