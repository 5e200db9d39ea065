// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-in game "klemwin": prints the words it received and its working folder; or, when the
// environment variable KLEMWIN_RECORD names a file (tests, benchmarks), appends one record of them
// to that file instead.
//
// Record format: one line per start, appended in a single write, texts in hexadecimal UTF-8:
//   klemwin-record pid=<pid> started_ns=<steady clock> show=<hint> line=<hex> program=<hex>
//   words=:<hex>:<hex>... (each word after a colon)
// show is the Windows show-window hint the game was started with (-1 where there is none); line,
// the command line as the game got it, and program, the full path of this file, are given on
// Windows only.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
std::string toUtf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1) {
        WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    }
    return out;
}

// The words as the C runtime splits the command line for wmain, in UTF-8. (CommandLineToArgvW
// would follow older rules that differ for "" inside quotes.)
std::vector<std::string> receivedWords(int argc, wchar_t** argv) {
    std::vector<std::string> out;
    for (int i = 0; i < argc; ++i) {
        out.push_back(toUtf8(argv[i]));
    }
    return out;
}

// The file this process runs from, so a test can tell which of several copies was started.
std::string programFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return toUtf8(path.c_str());
        }
        path.resize(path.size() * 2);
    }
}

int showHint() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
}

long processId() {
    return static_cast<long>(GetCurrentProcessId());
}

std::string recordPath() {
    const wchar_t* value = _wgetenv(L"KLEMWIN_RECORD");
    return value ? toUtf8(value) : std::string();
}

void appendRecord(const std::string& path, const std::string& record) {
    // Games started at the same time take turns: the file is opened for this one alone (appending
    // is not one indivisible write everywhere, under Wine for one), and retried while another has it.
    const std::wstring widePath = std::filesystem::u8path(path).wstring();
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 5000 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = CreateFileW(widePath.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION) {
            Sleep(1);
        } else if (file == INVALID_HANDLE_VALUE) {
            return;
        }
    }
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
        CloseHandle(file);
    }
}
#else
std::vector<std::string> receivedWords(int argc, char** argv) {
    return {argv, argv + argc};
}

int showHint() {
    return -1;
}

long processId() {
    return static_cast<long>(getpid());
}

std::string recordPath() {
    const char* value = std::getenv("KLEMWIN_RECORD");
    return value ? value : std::string();
}

void appendRecord(const std::string& path, const std::string& record) {
    // O_APPEND and one write keep records of games started at the same time apart.
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0) {
        const ssize_t written = write(fd, record.data(), record.size());
        (void)written;
        close(fd);
    }
}
#endif

// Any bytes as text without blanks or line ends.
std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : bytes) {
        out += {digits[c >> 4], digits[c & 15]};
    }
    return out;
}

int run(const std::vector<std::string>& words, std::chrono::steady_clock::duration started) {
    if (const std::string path = recordPath(); !path.empty()) {
        std::string record =
            "klemwin-record pid=" + std::to_string(processId()) + " started_ns=" +
            std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(started).count()) +
            " show=" + std::to_string(showHint());
#ifdef _WIN32
        record += " line=" + hex(toUtf8(GetCommandLineW())) + " program=" + hex(programFile());
#endif
        record += " words=";
        for (const auto& word : words) {
            record += ":" + hex(word);
        }
        appendRecord(path, record + "\n");
        return 0;
    }

    std::printf("klemwin stand-in: the game would start with %zu word(s)\n", words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::printf("  [%zu] %s\n", i, words[i].c_str());
    }
    std::error_code error;
    std::printf("  working folder: %s\n", std::filesystem::current_path(error).u8string().c_str());
    return 0;
}

} // namespace

#ifdef _WIN32
// wmain: the words arrive as wide text, so no letter is lost to the system's code page.
int wmain(int argc, wchar_t** argv) {
    const auto started = std::chrono::steady_clock::now().time_since_epoch();
    return run(receivedWords(argc, argv), started);
}
#else
int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now().time_since_epoch();
    return run(receivedWords(argc, argv), started);
}
#endif
