// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Scratch folders, environment variables and unreaped children for the tests and benchmarks.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace testsupport {

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
