// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the game process from a finished command line.
#pragma once

#include "LaunchOptions.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace launch {

// Why a game did not start, and what the user needs to know to put it right: the program, the
// folders looked in, the system's own words. The window puts it into words.
struct StartFailure {
    enum class Reason {
        NulCharacter,         // the line holds a NUL character, which no program can be given
        EmptyName,            // the line begins with a blank: it names no program
        NotFound,             // no program named `program` in `folders`; `unusable` is a file of
                              // that name that cannot run, if there is one
        EmptyFile,            // `program` (the file found, as all below) is empty
        UnreadableFile,       // `program` cannot be read: `detail`
        BrokenWindowsProgram, // `program` begins like a Windows program but is none
        WineMissing,          // `program` is a Windows program, and no wine is in `folders`
        WineStartMissing,     // ... and wine is there, but the launcher's wine-start.exe is missing
        NoWaitingThread,      // no thread could be made to wait for the game: `detail`
        LineTooLong,          // Windows: the line has `detail` UTF-16 units, more than longestLine
        Refused,              // the system refused to run `program`: `detail`
    };
    // The longest command line Windows passes on, in UTF-16 units without the final NUL.
    static constexpr std::size_t longestLine = 32766;

    Reason reason = Reason::NotFound;
    std::string program; // UTF-8
    std::vector<std::filesystem::path> folders;
    std::optional<std::filesystem::path> unusable;
    std::string detail; // UTF-8
};

// What a step of a start gives: its value, or why the game cannot start.
template <class Value> using OrFailure = std::variant<Value, StartFailure>;

// A game that was started: its process id (POSIX: the pid; Windows: the id CreateProcessW gave).
// A Windows game on POSIX is started by Wine running wine-start.exe: the id is that process's.
struct GameProcess {
    long long id = 0;
};

// A start that failed for `reason`, concerning `program` (UTF-8), with the system's words.
inline StartFailure failedStart(StartFailure::Reason reason, std::string program = {},
                                std::string detail = {}) {
    StartFailure failure;
    failure.reason = reason;
    failure.program = std::move(program);
    failure.detail = std::move(detail);
    return failure;
}

// Starts one game process per call and returns as soon as it exists, or says why none started;
// never waits for the game.
class GameStarter {
public:
    virtual ~GameStarter() = default;
    virtual OrFailure<GameProcess> start(const std::string& line, WindowStyle style) = 0;
};

// The real start through the operating system's process API.
// The first word of the line (split as splitCommandLine does) names the program, which is
// looked up beside the launcher, in the current folder and on the search path; the game
// inherits the launcher's working folder and environment.
// - POSIX: the program is started directly with the words as its argv, never through a shell,
//   in a process group of its own; it is reaped when it exits, so no zombie remains. A Windows
//   game starts through Wine and wine-start.exe, which pass the window style on as the
//   show-window hint; a native game gets none.
// - Windows: CreateProcessW with the line itself (as wide text) and the window style as the
//   show-window hint.
class ProcessStarter final : public GameStarter {
public:
    explicit ProcessStarter(std::filesystem::path launcherFolder)
        : launcherFolder(std::move(launcherFolder)) {}
    OrFailure<GameProcess> start(const std::string& line, WindowStyle style) override;

private:
    std::filesystem::path launcherFolder;
};

} // namespace launch
