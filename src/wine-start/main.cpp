// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// wine-start.exe: starts a Windows game under Wine with exactly the command line the launcher
// composed. Wine builds the command line of a program it starts from its words and puts the
// program's full path first; started by Wine itself, this program hands the launcher's line to
// the Windows process start unchanged, as the launcher does on Windows.
//
//     wine wine-start.exe <show-window hint> <program> <command line>
//
// The program may be given as a Unix path. Exit code 0 when the game was started, 1 when the
// system refused, 2 when the words are wrong.
#include <string>

#include <windows.h>

namespace {

// The DOS path Wine gives a Unix path ("/home/p/klemwin.exe" becomes "Z:\home\p\klemwin.exe");
// other paths are Windows paths already.
std::wstring windowsPath(const std::wstring& path) {
    using UnixToDos = WCHAR*(CDECL*)(const char*);
    const auto toDos = reinterpret_cast<UnixToDos>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name")));
    if (path.empty() || path.front() != L'/' || toDos == nullptr) {
        return path;
    }
    // Wine reads a Unix path in UTF-8, the character set the launcher starts it with.
    std::string unixPath(static_cast<std::size_t>(
                             WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr)),
                         '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, unixPath.data(), static_cast<int>(unixPath.size()),
                        nullptr, nullptr);
    WCHAR* dos = toDos(unixPath.c_str());
    if (dos == nullptr) {
        return path;
    }
    std::wstring result = dos;
    HeapFree(GetProcessHeap(), 0, dos);
    return result;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        return 2;
    }
    const std::wstring program = windowsPath(argv[2]);
    std::wstring line = argv[3]; // the system may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(_wtoi(argv[1]));
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return 1;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
