// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that tell the user why a game could not be started.
#pragma once

#include "programLookup.h"

#include <string>

namespace launch {

// The program name as the user typed it: a line that begins with a blank has an empty one, even
// though the process start then takes the first option word in its place.
std::string programNameOf(const std::string& line, const std::string& firstWord);

// "Could not start the game: ..." for a program name that was not found or cannot run.
std::string notFoundMessage(const std::string& name, const LookupResult& lookup);

// "Could not start the game: ..." when the system refused to run a program that was found.
std::string startFailedMessage(const std::filesystem::path& program, const std::string& reason);

// "Could not start the game ...: it is a Windows program ..." when Wine, found on the search path,
// or the launcher's own wine-start.exe is missing to start it.
std::string wineMissingMessage(const std::filesystem::path& program, const LookupResult& wine);

// "Could not start the game: ..." for a line holding a NUL character, which no program can be
// given: the words after it would be cut off.
std::string nulCharacterMessage();

} // namespace launch
