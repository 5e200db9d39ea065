// Reading what the stand-in game recorded about its starts, and scratch folders for tests.
#pragma once

#include <filesystem>
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

// All records of a record file, in the order they were written; an absent file gives none.
std::vector<StandinStart> readStandinRecords(const std::filesystem::path& file);

// Waits until the record file holds at least `count` records or the timeout passes.
std::vector<StandinStart> waitForStandinRecords(const std::filesystem::path& file, std::size_t count,
                                                int timeoutMs = 10000);

// The built stand-in game (set by the build).
std::filesystem::path standinProgram();

// The file name the game has in a game folder: "klemwin.exe" on Windows, "klemwin" elsewhere.
std::string gameFileName();

// A fresh, empty folder that is removed with everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }
    std::filesystem::path operator/(const std::string& name) const { return folder / name; }

private:
    std::filesystem::path folder;
};

// Sets an environment variable (name and value in UTF-8) for the life of the object and restores
// the old value after. Processes started meanwhile inherit it.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name;
    bool hadValue = false;
    std::string oldValue;
};

#ifdef __linux__
// The number of child processes of this process that have exited but were not reaped.
int zombieChildren();
#endif

} // namespace testsupport
