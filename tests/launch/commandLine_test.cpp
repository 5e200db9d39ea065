// Splitting a command line into words with the Windows C runtime's rules.
#include "commandLine.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

struct Case {
    const char* line;
    Words words;
};

class SplitCommandLine : public testing::TestWithParam<Case> {};

TEST_P(SplitCommandLine, givesTheWords) {
    EXPECT_EQ(launch::splitCommandLine(GetParam().line), GetParam().words) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitCommandLine,
    testing::Values(
        Case{"", {}}, Case{"   \t ", {}}, Case{"klemwin", {"klemwin"}},
        // Runs of blanks and tabs, and blanks at the ends, make no empty words.
        Case{"klemwin -skin COMET -color 7 ", {"klemwin", "-skin", "COMET", "-color", "7"}},
        Case{"klemwin -connect  -name Comet ", {"klemwin", "-connect", "-name", "Comet"}},
        Case{"a\tb \t c", {"a", "b", "c"}},
        // An empty program name: the first option word takes its place.
        Case{" -skin COMET", {"-skin", "COMET"}},
        // Quotes group blanks and disappear; "" inside quotes is a quote; "" alone is an empty word.
        Case{"p \"a b\" c", {"p", "a b", "c"}}, Case{"p a\"b c\"d", {"p", "ab cd"}},
        Case{"p \"a\"\"b\"", {"p", "a\"b"}}, Case{"p \"\" x", {"p", "", "x"}},
        Case{"p \"unclosed x", {"p", "unclosed x"}},
        // Backslashes: literal unless before a quote; 2n -> n and a quote; 2n+1 -> n and a literal quote.
        Case{"p C:\\Games\\a.wad", {"p", "C:\\Games\\a.wad"}}, Case{"p a\\\\b", {"p", "a\\\\b"}},
        Case{"p a\\\"b", {"p", "a\"b"}}, Case{"p a\\\\\"b c\"", {"p", "a\\b c"}},
        Case{"p a\\\\\\\"b", {"p", "a\\\"b"}}, Case{"p \"x\\\\\" y", {"p", "x\\", "y"}},
        // The program word: quotes group, backslashes stay as they are.
        Case{"\"C:\\Program Files\\klem\\klemwin.exe\" -x", {"C:\\Program Files\\klem\\klemwin.exe", "-x"}},
        Case{"dir\\\"x y\" z", {"dir\\x y", "z"}},
        // Non-ASCII text passes through byte for byte.
        Case{"klemwin -name Zo\xc3\xab", {"klemwin", "-name", "Zo\xc3\xab"}},
        // Shell characters are plain characters.
        Case{"klemwin ; touch x $(id) | cat `y` > z",
             {"klemwin", ";", "touch", "x", "$(id)", "|", "cat", "`y`", ">", "z"}}));

} // namespace
