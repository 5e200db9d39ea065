// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the stand-in game recorded about its starts, and scratch folders and variables for tests.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// One start of the stand-in game, as it recorded it.
struct StandinStart {
    long pid = 0;
    long long startedNs = 0; // steady clock at the stand-in's start
    int showHint = -1;       // Windows show-window hint, -1 elsewhere
    std::vector<std::string> words;
    std::string line;    // Windows: the command line exactly as the stand-in got it (UTF-8)
    std::string program; // Windows: the full path of the stand-in file that ran (UTF-8)
};

// Waits until the record file holds at least `count` complete records or the timeout passes, and
// gives those there are (none without a file), in the order they were written.
std::vector<StandinStart> waitForStandinRecords(const std::filesystem::path& file, std::size_t count,
                                                int timeoutMs = 10000);

// The built stand-in game, and the name the game has in a game folder ("klemwin.exe" on Windows).
std::filesystem::path standinProgram();
std::string gameFileName();

// A fresh, empty folder, removed with everything in it when the object goes.
struct ScratchFolder {
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return path / name; }

    std::filesystem::path path;
};

// Sets an environment variable (UTF-8) for the life of the object; processes started meanwhile
// inherit it.
struct ScopedEnv {
    ScopedEnv(std::string name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    std::string name;
    std::optional<std::string> old;
};

// The child processes of this process that have exited but were not reaped, as "pid (name)" with
// commas between them (Linux; elsewhere none).
std::string zombieChildren();

} // namespace testsupport
