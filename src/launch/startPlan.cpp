// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The checks and the lookup that come before every process start.
#include "startPlan.h"

#include "commandLine.h"
#include "programLookup.h"
#include "startMessage.h"

namespace launch {

std::variant<StartPlan, StartResult> planStart(const std::string& line,
                                               const std::filesystem::path& launcherFolder) {
    if (line.find('\0') != std::string::npos) {
        return StartResult{false, nulCharacterMessage()};
    }
    std::vector<std::string> words = splitCommandLine(line);
    const std::string name = words.empty() ? std::string() : words.front();
    const LookupResult lookup = findProgram(name, currentSearchPlaces(launcherFolder));
    if (!lookup.program) {
        return StartResult{false, notFoundMessage(programNameOf(line, name), lookup)};
    }
    return StartPlan{std::move(words), *lookup.program};
}

} // namespace launch
