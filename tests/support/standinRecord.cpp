// Stand-in record parsing and small test fixtures shared by the launch and window tests.
#include "standinRecord.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <thread>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace testsupport {
namespace {

// Reads "<length>:<bytes>\n" at pos; returns false on a malformed or incomplete entry.
bool readCounted(const std::string& text, std::size_t& pos, std::string& out) {
    const auto colon = text.find(':', pos);
    if (colon == std::string::npos) {
        return false;
    }
    const std::size_t length = std::stoul(text.substr(pos, colon - pos));
    if (colon + 1 + length + 1 > text.size()) {
        return false;
    }
    out = text.substr(colon + 1, length);
    pos = colon + 1 + length + 1;
    return true;
}

long long field(const std::string& header, const std::string& name) {
    const auto at = header.find(" " + name + "=");
    return at == std::string::npos ? 0 : std::stoll(header.substr(at + name.size() + 2));
}

} // namespace

std::vector<StandinStart> readStandinRecords(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<StandinStart> records;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto headerEnd = text.find('\n', pos);
        if (headerEnd == std::string::npos) {
            break;
        }
        const std::string header = text.substr(pos, headerEnd - pos);
        pos = headerEnd + 1;
        StandinStart start;
        start.pid = static_cast<long>(field(header, "pid"));
        start.startedNs = field(header, "started_ns");
        start.showHint = static_cast<int>(field(header, "show"));
        const auto argc = static_cast<std::size_t>(field(header, "argc"));
        bool complete = true;
        for (std::size_t i = 0; i < argc && complete; ++i) {
            std::string word;
            complete = readCounted(text, pos, word);
            start.words.push_back(word);
        }
        if (complete && text.compare(pos, 5, "line=") == 0) {
            pos += 5;
            complete = readCounted(text, pos, start.line);
        }
        if (complete && text.compare(pos, 8, "program=") == 0) {
            pos += 8;
            complete = readCounted(text, pos, start.program);
        }
        if (!complete || text.compare(pos, 4, "end\n") != 0) {
            break; // a record still being written
        }
        pos += 4;
        records.push_back(std::move(start));
    }
    return records;
}

std::vector<StandinStart> waitForStandinRecords(const fs::path& file, std::size_t count, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        auto records = readStandinRecords(file);
        if (records.size() >= count || std::chrono::steady_clock::now() >= deadline) {
            return records;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
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
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (;;) {
        folder = fs::temp_directory_path() / ("klem-test-" + std::to_string(random()));
        if (fs::create_directory(folder)) {
            break;
        }
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    // Restore permissions the tests took away, so everything can be removed.
    for (auto it = fs::recursive_directory_iterator(folder, error); it != fs::recursive_directory_iterator();
         it.increment(error)) {
        if (!it->is_symlink(error)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
    }
#ifdef _WIN32
    // A game that has just recorded its start may still be running from a file in here, and
    // Windows deletes no running program's file: try again for a while.
    for (int attempt = 0;; ++attempt) {
        fs::remove_all(folder, error);
        if (!error || attempt == 100) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
#else
    fs::remove_all(folder, error);
#endif
}

#ifdef _WIN32
namespace {

std::wstring wide(const std::string& utf8) {
    return fs::u8path(utf8).wstring();
}

// Both copies of the environment change: the C runtime's, which getenv and the launcher's own
// lookup read, and the system's, which started processes inherit.
void setVariable(const std::string& name, const std::string* value) {
    const std::wstring wideName = wide(name);
    const std::wstring wideValue = value ? wide(*value) : std::wstring();
    _wputenv_s(wideName.c_str(), wideValue.c_str()); // an empty value removes the variable
    SetEnvironmentVariableW(wideName.c_str(), value ? wideValue.c_str() : nullptr);
}

} // namespace

ScopedEnv::ScopedEnv(std::string variable, const std::string& value) : name(std::move(variable)) {
    if (const wchar_t* old = _wgetenv(wide(name).c_str())) {
        hadValue = true;
        oldValue = fs::path(old).u8string();
    }
    setVariable(name, &value);
}

ScopedEnv::~ScopedEnv() {
    setVariable(name, hadValue ? &oldValue : nullptr);
}
#else
ScopedEnv::ScopedEnv(std::string variable, const std::string& value) : name(std::move(variable)) {
    if (const char* old = std::getenv(name.c_str())) {
        hadValue = true;
        oldValue = old;
    }
    setenv(name.c_str(), value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (hadValue) {
        setenv(name.c_str(), oldValue.c_str(), 1);
    } else {
        unsetenv(name.c_str());
    }
}
#endif

#ifdef __linux__
int zombieChildren() {
    int zombies = 0;
    std::error_code error;
    const std::string self = std::to_string(getpid());
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        std::getline(stat, line);
        // pid (comm) state ppid ...: comm may hold blanks, so read after the last ')'.
        const auto close = line.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        std::istringstream rest(line.substr(close + 1));
        std::string state;
        std::string ppid;
        rest >> state >> ppid;
        if (state == "Z" && ppid == self) {
            ++zombies;
        }
    }
    return zombies;
}
#endif

} // namespace testsupport
