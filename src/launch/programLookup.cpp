// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Program lookup shared by the POSIX and Windows process starts.
#include "programLookup.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace launch {
namespace {

#ifdef _WIN32
constexpr char pathListSeparator = ';';
constexpr bool programsHaveExtensions = true;
#else
constexpr char pathListSeparator = ':';
constexpr bool programsHaveExtensions = false;
#endif

bool hasFolder(const std::string& name) {
#ifdef _WIN32
    return name.find_first_of("\\/:") != std::string::npos;
#else
    return name.find('/') != std::string::npos;
#endif
}

// True when the name ends in the extension (".exe"), in any case.
bool endsWith(const std::string& name, const std::string& extension) {
    if (name.size() < extension.size()) {
        return false;
    }
    std::string tail = name.substr(name.size() - extension.size());
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == extension;
}

bool endsWithExe(const std::string& name) {
    return endsWith(name, ".exe");
}

#ifdef _WIN32
bool isBatchFile(const fs::path& file) {
    std::string name = file.filename().u8string();
    // Windows ignores dots and blanks at the end of a file name: "start.bat." is "start.bat".
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        name.pop_back();
    }
    return endsWith(name, ".bat") || endsWith(name, ".cmd");
}
#endif

// The extension of the last path element, if it has one ("klemwin.v2" has ".v2").
bool hasExtension(const std::string& name) {
    const auto slash = name.find_last_of("\\/");
    const auto dot = name.rfind('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash) && dot + 1 < name.size();
}

// Names typed in the launcher are UTF-8; on Windows the path keeps them as wide text.
fs::path fromUtf8(const std::string& text) {
    return fs::u8path(text);
}

} // namespace

std::vector<fs::path> splitSearchPath(const std::string& value) {
    std::vector<fs::path> folders;
    std::size_t start = 0;
    while (start <= value.size()) {
        auto end = value.find(pathListSeparator, start);
        if (end == std::string::npos) {
            end = value.size();
        }
        if (end > start) {
            folders.push_back(fromUtf8(value.substr(start, end - start)));
        }
        start = end + 1;
    }
    return folders;
}

SearchPlaces currentSearchPlaces(const fs::path& launcherFolder) {
    SearchPlaces places;
    places.launcherFolder = launcherFolder;
    std::error_code error;
    places.currentFolder = fs::current_path(error);
#ifdef _WIN32
    if (const wchar_t* path = _wgetenv(L"PATH")) {
        places.searchPath = splitSearchPath(fs::path(path).u8string());
    }
#else
    if (const char* path = std::getenv("PATH")) {
        places.searchPath = splitSearchPath(path);
    }
#endif
    return places;
}

std::vector<std::string> candidateNames(const std::string& name) {
    if (name.empty()) {
        return {};
    }
    if (programsHaveExtensions) {
        return {hasExtension(name) ? name : name + ".exe"};
    }
    if (endsWithExe(name)) {
        return {name, name.substr(0, name.size() - 4)};
    }
    if (hasExtension(name)) {
        return {name};
    }
    return {name, name + ".exe"};
}

ProgramKind programKind(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    char header[0x40] = {};
    in.read(header, sizeof header);
    const auto length = in.gcount();
    if (length == 0) {
        return in.eof() ? ProgramKind::Empty : ProgramKind::Unreadable;
    }
    if (length < 2 || header[0] != 'M' || header[1] != 'Z') {
        return ProgramKind::Other;
    }
    // The offset of the "PE" header, little-endian at 0x3c.
    std::uint32_t offset = 0;
    for (int i = 3; i >= 0; --i) {
        offset = offset << 8 | static_cast<unsigned char>(header[0x3c + i]);
    }
    char signature[4] = {};
    in.clear();
    const bool pe = length == sizeof header && in.seekg(offset) && in.read(signature, sizeof signature) &&
                    std::string_view(signature, sizeof signature) == std::string_view("PE\0\0", 4);
    return pe ? ProgramKind::Windows : ProgramKind::BrokenWindows;
}

bool isRunnableFile(const fs::path& file) {
    std::error_code error;
    const auto status = fs::status(file, error);
    if (error || !fs::is_regular_file(status)) {
        return false;
    }
#ifdef _WIN32
    // Windows runs program images, which begin with "MZ" (when one is damaged, the system's
    // refusal says how); it refuses other files, except that it starts a batch file through the
    // command interpreter, which would read the game's options as commands. The game is never
    // started through a shell, so only images count, and no batch file even if it begins with "MZ".
    const ProgramKind kind = programKind(file);
    return (kind == ProgramKind::Windows || kind == ProgramKind::BrokenWindows) && !isBatchFile(file);
#else
    constexpr auto anyExec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (status.permissions() & anyExec) != fs::perms::none || programKind(file) == ProgramKind::Windows;
#endif
}

LookupResult findOnSearchPath(const std::string& name) {
    LookupResult result;
    result.folders = currentSearchPlaces({}).searchPath;
    for (const auto& folder : result.folders) {
        if (isRunnableFile(folder / name)) {
            result.program = folder / name;
            break;
        }
    }
    return result;
}

LookupResult findProgram(const std::string& name, const SearchPlaces& places) {
    LookupResult result;
    const auto names = candidateNames(name);
    if (names.empty()) {
        return result;
    }

    std::vector<fs::path> folders;
    if (hasFolder(name)) {
        folders.push_back(places.currentFolder);
    } else {
        folders.push_back(places.launcherFolder);
        folders.push_back(places.currentFolder);
        folders.insert(folders.end(), places.searchPath.begin(), places.searchPath.end());
    }

    for (const auto& folder : folders) {
        result.folders.push_back(folder);
        for (const auto& candidate : names) {
            const fs::path file = folder / fromUtf8(candidate);
            if (isRunnableFile(file)) {
                result.program = file;
                return result;
            }
            std::error_code error;
            if (!result.unusable && fs::symlink_status(file, error).type() != fs::file_type::not_found &&
                !error) {
                result.unusable = file;
            }
        }
    }
    return result;
}

} // namespace launch
