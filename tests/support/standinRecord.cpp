// Stand-in records, scratch folders and environment variables for the launch and window tests.
#include "standinRecord.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif
#include <unistd.h>

namespace fs = std::filesystem;

namespace testsupport {
namespace {

// Reads "<length>:<bytes>\n"; false on an entry that is malformed or still being written.
bool readCounted(std::istream& in, std::string& out) {
    std::size_t length = 0;
    if (!(in >> length) || in.get() != ':') {
        return false;
    }
    out.resize(length);
    return in.read(out.data(), static_cast<std::streamsize>(length)) && in.get() == '\n';
}

std::vector<StandinStart> readStandinRecords(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<StandinStart> records;
    for (std::string header; std::getline(in, header);) {
        StandinStart start;
        std::size_t argc = 0;
        if (std::sscanf(header.c_str(), "klemwin-record pid=%ld started_ns=%lld show=%d argc=%zu", &start.pid,
                        &start.startedNs, &start.showHint, &argc) != 4) {
            break;
        }
        start.words.resize(argc);
        bool complete = true;
        for (auto& word : start.words) {
            complete = complete && readCounted(in, word);
        }
        for (std::string key; complete && (in.peek() == 'l' || in.peek() == 'p');) { // line=, program=
            complete =
                std::getline(in, key, '=') && readCounted(in, key == "line" ? start.line : start.program);
        }
        std::string end;
        if (!complete || !std::getline(in, end) || end != "end") {
            break;
        }
        records.push_back(std::move(start));
    }
    return records;
}

// Both copies of the environment: the C runtime's, which the launcher's lookup reads, and on
// Windows also the system's, which started processes inherit.
void setVariable(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
    const std::wstring wideName = fs::u8path(name).wstring();
    const std::wstring wideValue = value ? fs::u8path(*value).wstring() : std::wstring();
    _wputenv_s(wideName.c_str(), wideValue.c_str()); // an empty value removes the variable
    SetEnvironmentVariableW(wideName.c_str(), value ? wideValue.c_str() : nullptr);
#else
    value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
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
#ifdef _WIN32
    return "klemwin.exe";
#else
    return "klemwin";
#endif
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
    if (const char* current = std::getenv(name.c_str())) {
        old = current;
    }
    setVariable(name, value);
}

ScopedEnv::~ScopedEnv() {
    setVariable(name, old);
}

int zombieChildren() {
    int zombies = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        std::getline(stat, line);
        // "pid (comm) state ppid ...": comm may hold blanks and parentheses, so read after the last ')'.
        char state = 0;
        long ppid = 0;
        const auto close = line.rfind(')');
        zombies += close != std::string::npos &&
                   std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &ppid) == 2 && state == 'Z' &&
                   ppid == getpid();
    }
    return zombies;
}

} // namespace testsupport
