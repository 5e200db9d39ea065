// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Game start on Windows: CreateProcessW with the command line and the show-window hint.
#include "GameStarter.h"
#include "startPlan.h"

#include <string>
#include <vector>

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

// The system's text for an error code, in UTF-8 without the final full stop. Some texts name the
// file as "%1" ("%1 is not a valid Win32 application."); inserts are not expanded when the text
// is read (the arguments of other texts are unknown), so "%1" is replaced with the file name.
std::string systemMessage(DWORD code, const std::string& fileName) {
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
        while (!text.empty() &&
               (text.back() == '\n' || text.back() == '\r' || text.back() == '.' || text.back() == ' ')) {
            text.pop_back();
        }
        for (auto at = text.find("%1"); at != std::string::npos; at = text.find("%1", at + fileName.size())) {
            text.replace(at, 2, fileName);
        }
    }
    LocalFree(buffer);
    return text.empty() ? "error " + std::to_string(code) : text;
}

} // namespace

OrFailure<GameProcess> ProcessStarter::start(const std::string& line, WindowStyle style) {
    const auto plan = planStart(line, launcherFolder);
    if (const auto* failed = std::get_if<StartFailure>(&plan)) {
        return *failed;
    }
    const std::filesystem::path& found = std::get<StartPlan>(plan).program;

    // The program is named explicitly, so the system does not search again; the game reads its
    // options from the line exactly as composed.
    const std::wstring program = found.wstring();
    std::wstring commandLine = toWide(line);
    // Windows takes at most 32767 UTF-16 units with the final NUL; a longer line would fail to
    // start or, on some systems, reach the game cut short.
    if (commandLine.size() > StartFailure::longestLine) {
        return failedStart(StartFailure::Reason::LineTooLong, found.u8string(),
                           std::to_string(commandLine.size()));
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow =
        static_cast<WORD>(style == WindowStyle::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);

    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        const DWORD error = GetLastError();
        return failedStart(StartFailure::Reason::Refused, found.u8string(),
                           systemMessage(error, found.filename().u8string()));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return GameProcess{static_cast<long long>(process.dwProcessId)};
}

} // namespace launch
