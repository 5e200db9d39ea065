// Game start on POSIX systems: posix_spawn of the program itself with the words as argv.
#include "GameStarter.h"
#include "startMessage.h"
#include "startPlan.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace launch {
namespace {

// Waits for the game in a detached thread so its exit status is collected and no zombie stays
// behind, while the launcher never waits for the game itself. The thread touches nothing else.
void reapWhenDone(pid_t pid) {
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
        }
    }).detach();
}

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

} // namespace

ProcessStarter::ProcessStarter(std::filesystem::path launcherFolder)
    : launcherFolder(std::move(launcherFolder)) {}

StartResult ProcessStarter::start(const std::string& line, WindowStyle /*style: no meaning on POSIX*/) {
    auto plan = planStart(line, launcherFolder);
    if (auto* failed = std::get_if<StartResult>(&plan)) {
        return *failed;
    }
    auto& [words, found] = std::get<StartPlan>(plan);

    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    const SpawnAttributes attributes;
    const std::string program = found.string();
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.c_str(), nullptr, attributes.get(), argv.data(), environ);
    if (error != 0) {
        return {false, startFailedMessage(found, std::strerror(error))};
    }
    reapWhenDone(pid);
    return {true, {}};
}

} // namespace launch
