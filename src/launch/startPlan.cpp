// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The checks and the lookup that come before every process start.
#include "startPlan.h"

#include "commandLine.h"
#include "programLookup.h"

namespace launch {

OrFailure<StartPlan> planStart(const std::string& line, const std::filesystem::path& launcherFolder) {
    if (line.find('\0') != std::string::npos) {
        return failedStart(StartFailure::Reason::NulCharacter);
    }
    std::vector<std::string> words = splitCommandLine(line);
    const std::string name = words.empty() ? std::string() : words.front();
    const LookupResult lookup = findProgram(name, currentSearchPlaces(launcherFolder));
    if (!lookup.program) {
        // A line that begins with a blank names no program, though the process start would take
        // the first option word in its place; an empty name is never looked up.
        if (line.empty() || isBlank(line.front())) {
            return failedStart(StartFailure::Reason::EmptyName);
        }
        StartFailure notFound = failedStart(StartFailure::Reason::NotFound, name);
        notFound.folders = lookup.folders;
        notFound.unusable = lookup.unusable;
        return notFound;
    }
    return StartPlan{std::move(words), *lookup.program};
}

} // namespace launch
