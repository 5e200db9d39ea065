// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the program file that the first word of a command line names.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace launch {

// Where a program name without a folder is looked for, in this order: beside the launcher's own
// executable, in the current folder, then in each folder of the search path.
struct SearchPlaces {
    std::filesystem::path launcherFolder;
    std::filesystem::path currentFolder;
    std::vector<std::filesystem::path> searchPath;
};

// Splits a PATH-style list (":" on POSIX, ";" on Windows); empty entries are dropped.
std::vector<std::filesystem::path> splitSearchPath(const std::string& value);

// The places of this process: its executable's folder, the current folder and PATH.
SearchPlaces currentSearchPlaces(const std::filesystem::path& launcherFolder);

struct LookupResult {
    std::optional<std::filesystem::path> program; // set when a runnable program was found
    std::vector<std::filesystem::path> folders;   // the folders searched, in order
    // A file with a matching name that is no runnable program (a folder, a file without execute
    // permission, a dangling link), the first one met; reported so the user sees why.
    std::optional<std::filesystem::path> unusable;
};

// The file names a program name stands for. ".exe" is optional everywhere: "klemwin" also means
// "klemwin.exe", and on systems whose programs have no extension "klemwin.exe" also means
// "klemwin". A name that has another extension means only itself (and, on Windows, a name
// without an extension means only name.exe, as the Windows process start has it).
std::vector<std::string> candidateNames(const std::string& name);

// What a program file holds, judged by its first bytes.
enum class ProgramKind {
    Windows,       // a Windows program: an "MZ" header that points to a "PE" header
    BrokenWindows, // begins with "MZ" but has no "PE" header: damaged, cut short or no program
    Empty,
    Unreadable,
    Other, // a program of this system, a script, or anything else
};
ProgramKind programKind(const std::filesystem::path& file);

// True for a regular file (after following links) that this process may start: on POSIX one with
// an execute permission, or a Windows program (which runs through Wine and needs no permission to
// execute); on Windows a program image (it begins with "MZ") that is no batch file (.bat, .cmd),
// which the system would run through the command interpreter.
bool isRunnableFile(const std::filesystem::path& file);

// Looks a program name up on the search path of this process only, as a shell would.
LookupResult findOnSearchPath(const std::string& name);

// Looks the program up. A name that contains a folder separator is taken relative to the current
// folder and not searched for elsewhere. An empty name finds nothing.
LookupResult findProgram(const std::string& name, const SearchPlaces& places);

} // namespace launch
