// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a command line into the words a program receives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace launch {

// A blank: the space or the tab, the characters that separate words on a command line and that
// typed numbers may carry around them.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Splits a command line the way Windows programs read theirs, so one line gives the same words
// to the game on every system:
// - blanks and tabs separate words; runs of them, and blanks at either end, make no empty words;
// - the first word is the program: it ends at the first blank or tab outside double quotes, and
//   its quotes only group (backslashes are plain characters there);
// - in the other words a double quote toggles quoting (blanks inside quotes belong to the word),
//   and "" inside quotes is a literal quote;
// - 2n backslashes before a quote give n backslashes and the quote acts as above; 2n+1
//   backslashes before a quote give n backslashes and a literal quote; backslashes not followed
//   by a quote are literal.
// A line that is empty or all blanks gives no words.
std::vector<std::string> splitCommandLine(std::string_view line);

} // namespace launch
