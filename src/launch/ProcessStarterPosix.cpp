// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Game start on POSIX systems: posix_spawn of the program itself with the words as argv.
#include "GameStarter.h"
#include "programLookup.h"
#include "startPlan.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <future>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace launch {
namespace {

// Collects the exit status of one game in a detached thread of its own, so no zombie stays
// behind while the launcher never waits for the game itself. The thread is made before the game
// starts: when none can be made, no game starts, rather than one that nobody would ever collect.
// It touches nothing but the game it is handed.
class Reaper {
public:
    // Throws std::system_error when the system cannot make another thread.
    Reaper() {
        std::thread([game = handed.get_future()]() mutable {
            const pid_t pid = game.get();
            int status = 0;
            while (pid > 0 && waitpid(pid, &status, 0) == -1 && errno == EINTR) {
            }
        }).detach();
    }
    // Hands the thread its game; without one (no game started) the thread ends at once.
    ~Reaper() { handed.set_value(game); }
    Reaper(const Reaper&) = delete;
    Reaper& operator=(const Reaper&) = delete;

    void collect(pid_t started) { game = started; }

private:
    std::promise<pid_t> handed;
    pid_t game = 0;
};

class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&attributes);
        // The game gets default signal handling and an empty signal mask, whatever the launcher's
        // toolkit changed, and a process group of its own, so a Ctrl+C aimed at the launcher in
        // a terminal does not end the game.
        sigset_t all;
        sigfillset(&all);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setpgroup(&attributes, 0);
        posix_spawnattr_setflags(&attributes,
                                 POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    const posix_spawnattr_t* get() const { return &attributes; }

private:
    posix_spawnattr_t attributes;
};

std::string environmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The environment of a Windows game, which is the launcher's, except that Wine must read the
// words as the UTF-8 they are: under a locale of another character set it turns "Zoë" into "ZoÃ«".
std::vector<std::string> wineEnvironment() {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        variables.emplace_back(*variable);
    }
    // The character set comes from the first of these that is set, as the C library reads them.
    const std::string all = environmentVariable("LC_ALL");
    const std::string ctype = environmentVariable("LC_CTYPE");
    std::string charset = !all.empty() ? all : !ctype.empty() ? ctype : environmentVariable("LANG");
    std::transform(charset.begin(), charset.end(), charset.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (charset.find("utf-8") == std::string::npos && charset.find("utf8") == std::string::npos) {
        const std::string setting = all.empty() ? "LC_CTYPE=" : "LC_ALL=";
        variables.erase(
            std::remove_if(variables.begin(), variables.end(),
                           [&](const std::string& variable) { return variable.rfind(setting, 0) == 0; }),
            variables.end());
        variables.push_back(setting + "C.UTF-8");
    }
    return variables;
}

// wine-start.exe, which the launcher brings: beside it, or where the installation puts it.
fs::path wineStarter(const fs::path& launcherFolder) {
    for (const fs::path& file :
         {launcherFolder / "wine-start.exe",
          launcherFolder / ".." / "libexec" / "orbitron-launcher" / "wine-start.exe"}) {
        std::error_code error;
        if (fs::is_regular_file(file, error)) {
            return file;
        }
    }
    return {};
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> out;
    out.reserve(texts.size() + 1);
    for (auto& text : texts) {
        out.push_back(text.data());
    }
    out.push_back(nullptr);
    return out;
}

} // namespace

OrFailure<GameProcess> ProcessStarter::start(const std::string& line, WindowStyle style) {
    auto plan = planStart(line, launcherFolder);
    if (auto* failed = std::get_if<StartFailure>(&plan)) {
        return std::move(*failed);
    }
    auto& [words, found] = std::get<StartPlan>(plan);

    fs::path program = found;
    std::vector<std::string> environment;
    const ProgramKind kind = programKind(found);
    if (kind == ProgramKind::Empty) {
        return failedStart(StartFailure::Reason::EmptyFile, found.u8string());
    }
    if (kind == ProgramKind::BrokenWindows) {
        return failedStart(StartFailure::Reason::BrokenWindowsProgram, found.u8string());
    }
    if (kind == ProgramKind::Windows) {
        // Wine would put the program's full path in place of the first word: wine-start.exe,
        // started by Wine, hands the line unchanged to the Windows process start instead, with
        // the show-window hint, as the launcher does on Windows.
        const LookupResult wine = findOnSearchPath("wine");
        const fs::path starter = wineStarter(launcherFolder);
        if (!wine.program) {
            StartFailure noWine = failedStart(StartFailure::Reason::WineMissing, found.u8string());
            noWine.folders = wine.folders;
            return noWine;
        }
        if (starter.empty()) {
            return failedStart(StartFailure::Reason::WineStartMissing, found.u8string());
        }
        program = *wine.program;
        words = {program.string(), starter.string(), std::to_string(static_cast<int>(style)), found.string(),
                 line};
        environment = wineEnvironment();
    }

    std::optional<Reaper> reaper;
    try {
        reaper.emplace();
    } catch (const std::system_error& error) {
        return failedStart(StartFailure::Reason::NoWaitingThread, found.u8string(), error.code().message());
    }
    std::vector<char*> argv = pointers(words);
    std::vector<char*> envp = pointers(environment);
    const SpawnAttributes attributes;
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.c_str(), nullptr, attributes.get(), argv.data(),
                                  environment.empty() ? environ : envp.data());
    if (error != 0) {
        // A file this process may not read can still be a program it may run; when it is not, that
        // is the reason.
        return failedStart(kind == ProgramKind::Unreadable ? StartFailure::Reason::UnreadableFile
                                                           : StartFailure::Reason::Refused,
                           found.u8string(), std::strerror(error));
    }
    reaper->collect(pid);
    return GameProcess{pid};
}

} // namespace launch
