// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Scratch folders, environment variables and unreaped children for the tests and benchmarks.
#include "testSupport.h"

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
