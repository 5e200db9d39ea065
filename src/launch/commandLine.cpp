// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Command-line splitting with the quoting rules of the Windows C runtime.
#include "commandLine.h"

namespace launch {
namespace {

void skipBlanks(std::string_view line, std::size_t& i) {
    while (i < line.size() && isBlank(line[i])) {
        ++i;
    }
}

std::string programWord(std::string_view line, std::size_t& i) {
    std::string word;
    bool quoted = false;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (isBlank(c) && !quoted) {
            break;
        } else {
            word += c;
        }
    }
    return word;
}

std::string argumentWord(std::string_view line, std::size_t& i) {
    std::string word;
    bool quoted = false;
    while (i < line.size()) {
        const char c = line[i];
        if (isBlank(c) && !quoted) {
            break;
        }
        if (c == '\\') {
            std::size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                word.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    word += '"';
                    ++i;
                }
                // With an even count the quote is handled by the next round as a quote.
            } else {
                word.append(backslashes, '\\');
            }
            continue;
        }
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                word += '"';
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
            continue;
        }
        word += c;
        ++i;
    }
    return word;
}

} // namespace

std::vector<std::string> splitCommandLine(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    skipBlanks(line, i);
    if (i == line.size()) {
        return words;
    }
    words.push_back(programWord(line, i));
    for (;;) {
        skipBlanks(line, i);
        if (i == line.size()) {
            break;
        }
        words.push_back(argumentWord(line, i));
    }
    return words;
}

} // namespace launch
