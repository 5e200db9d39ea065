// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading what the stand-in game recorded about its starts (the format is written in main.cpp), for
// the tests and benchmarks that start it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace standin {

// One start of the stand-in game, as it recorded it.
struct Start {
    long pid = 0;
    long long startedNs = 0; // steady clock at the stand-in's start
    int showHint = -1;       // Windows show-window hint, -1 elsewhere
    std::vector<std::string> words;
    std::string line;    // Windows: the command line exactly as the stand-in got it (UTF-8)
    std::string program; // Windows: the full path of the stand-in file that ran (UTF-8)
};

// Waits until the record file holds at least `count` complete records or the timeout passes, and
// gives those there are (none without a file), in the order they were written.
std::vector<Start> waitForRecords(const std::filesystem::path& file, std::size_t count,
                                  int timeoutMs = 10000);

// The built stand-in game, and the name the game has in a game folder ("klemwin.exe" on Windows).
std::filesystem::path program();
std::string gameFileName();

} // namespace standin
