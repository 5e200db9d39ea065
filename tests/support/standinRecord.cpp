// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-in records, scratch folders and environment variables for the launch and window tests.
#include "standinRecord.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <thread>

#include <unistd.h>

namespace fs = std::filesystem;

namespace testsupport {
namespace {

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

// One record a line; a last line without its line end is still being written.
std::vector<StandinStart> readStandinRecords(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<StandinStart> records;
    for (std::string text; std::getline(in, text) && !in.eof();) {
        StandinStart start;
        std::sscanf(text.c_str(), "klemwin-record pid=%ld started_ns=%lld show=%d", &start.pid,
                    &start.startedNs, &start.showHint);
        const auto field = [&](const std::string& key) {
            const auto at = text.find(" " + key + "=");
            return at == std::string::npos
                       ? std::string()
                       : text.substr(at + key.size() + 2, text.find(' ', at + 1) - at - key.size() - 2);
        };
        start.line = fromHex(field("line"));
        start.program = fromHex(field("program"));
        const std::string words = field("words");
        for (auto colon = words.find(':'); colon != std::string::npos; colon = words.find(':', colon + 1)) {
            start.words.push_back(fromHex(words.substr(colon + 1, words.find(':', colon + 1) - colon - 1)));
        }
        records.push_back(std::move(start));
    }
    return records;
}

// The C runtime's copy of the environment, which the launcher's lookup reads; on Windows that
// sets the system's, which started processes inherit, too. (An empty value removes a variable.)
void setVariable(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value ? value->c_str() : "");
#else
    if (value) {
        setenv(name.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name.c_str());
    }
#endif
}

} // namespace

std::vector<StandinStart> waitForStandinRecords(const fs::path& file, std::size_t count, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    auto records = readStandinRecords(file);
    while (records.size() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        records = readStandinRecords(file);
    }
    return records;
}

fs::path standinProgram() {
    return fs::u8path(KLEM_STANDIN_PATH); // the build writes it in UTF-8
}

std::string gameFileName() {
    return standinProgram().filename().u8string(); // the stand-in is built under the game's name
}

ScratchFolder::ScratchFolder() {
    std::mt19937_64 random(std::random_device{}());
    do {
        path = fs::temp_directory_path() / ("klem-test-" + std::to_string(random()));
    } while (!fs::create_directory(path));
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    // Windows deletes no running program's file, and a game that has just recorded its start may
    // still be running from here: try again for a while.
    fs::remove_all(path, error);
    for (int attempt = 0; error && attempt < 100; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        fs::remove_all(path, error);
    }
}

ScopedEnv::ScopedEnv(std::string variable, const std::string& value) : name(std::move(variable)) {
    const char* current = std::getenv(name.c_str());
    old = current ? std::optional<std::string>(current) : std::nullopt;
    setVariable(name, value);
}

ScopedEnv::~ScopedEnv() {
    setVariable(name, old);
}

std::string zombieChildren() {
    std::string zombies;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        std::string line;
        std::getline(std::ifstream(entry.path() / "stat"), line);
        // "pid (comm) state ppid ...": comm may hold blanks and parentheses, so read after the last ')'.
        char state = 0;
        long ppid = 0;
        const auto close = line.rfind(')');
        if (close != std::string::npos &&
            std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &ppid) == 2 && state == 'Z' &&
            ppid == getpid()) {
            zombies += (zombies.empty() ? "" : ", ") + line.substr(0, close + 1);
        }
    }
    return zombies;
}

} // namespace testsupport
