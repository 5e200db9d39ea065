// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Splits lines of any bytes into words and checks what holds for every line:
// - splitting makes no text: all words together are no longer than the line;
// - a line without double quotes splits exactly at blanks and tabs, backslashes kept as they are;
// - words without blanks, tabs or quotes, joined with single blanks, split back into themselves;
// - any words, quoted by the rules the splitting reads, split back into themselves.
// Input: the line.
#include "commandLine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Words = std::vector<std::string>;

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_split: %s\n", what);
        std::abort();
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The words of a line without quotes: the runs of characters between blanks and tabs.
Words splitAtBlanks(std::string_view line) {
    Words words;
    std::string word;
    for (char c : line) {
        if (!isBlank(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) {
        words.push_back(std::move(word));
    }
    return words;
}

std::string joinWithBlanks(const Words& words) {
    std::string line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        line += i == 0 ? words[0] : " " + words[i];
    }
    return line;
}

// A word after the first, in double quotes: each quote gets a backslash, and backslashes before
// a quote (also the closing one) are doubled.
std::string quoteArgument(std::string_view word) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

// The words in a line the splitting reads back: the program word in plain quotes (it cannot hold
// a quote), the others quoted as arguments.
std::string quoteLine(const Words& words) {
    std::string line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        line += i == 0 ? "\"" + words[0] + "\"" : " " + quoteArgument(words[i]);
    }
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const Words words = launch::splitCommandLine(line);

    std::size_t total = 0;
    for (const auto& word : words) {
        total += word.size();
    }
    check(total <= line.size(), "the words are longer than the line");

    if (line.find('"') == std::string_view::npos) {
        check(words == splitAtBlanks(line), "a line without quotes does not split at blanks and tabs");
    }

    Words plain;
    for (const auto& word : words) {
        if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) {
            plain.push_back(word);
        }
    }
    check(launch::splitCommandLine(joinWithBlanks(plain)) == plain, "plain words do not split back");

    if (!words.empty()) {
        check(words[0].find('"') == std::string::npos, "the program word holds a quote");
        check(launch::splitCommandLine(quoteLine(words)) == words, "quoted words do not split back");
    }
    return 0;
}
