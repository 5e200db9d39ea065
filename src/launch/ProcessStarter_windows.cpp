// Game start on Windows: CreateProcessW with the command line and the show-window hint.
#include <string>
#include <utility>
#include <vector>

#include "GameStarter.h"
#include "commandLine.h"
#include "startMessage.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace launch {
namespace {

std::wstring toWide(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string systemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (length != 0 && buffer != nullptr) {
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), text.data(), size, nullptr,
                            nullptr);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.')) {
            text.pop_back();
        }
    }
    LocalFree(buffer);
    return text.empty() ? "error " + std::to_string(code) : text;
}

} // namespace

ProcessStarter::ProcessStarter(std::filesystem::path launcherFolder)
    : launcherFolder(std::move(launcherFolder)) {}

StartResult ProcessStarter::start(const std::string& line, WindowStyle style) {
    const std::vector<std::string> words = splitCommandLine(line);
    const std::string name = words.empty() ? std::string() : words.front();

    const LookupResult lookup = findProgram(name, currentSearchPlaces(launcherFolder));
    if (!lookup.program) {
        return {false, notFoundMessage(programNameOf(line, name), lookup)};
    }

    // The program is named explicitly, so the system does not search again; the game reads its
    // options from the line exactly as composed.
    const std::wstring program = lookup.program->wstring();
    std::wstring commandLine = toWide(line);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow =
        static_cast<WORD>(style == WindowStyle::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);

    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return {false, startFailedMessage(*lookup.program, systemMessage(GetLastError()))};
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {true, {}};
}

} // namespace launch
