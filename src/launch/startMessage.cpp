// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Error texts for the game start: short, saying what was looked for, where, and what to do.
#include "startMessage.h"

#include "commandLine.h"

namespace launch {

std::string programNameOf(const std::string& line, const std::string& firstWord) {
    return line.empty() || isBlank(line.front()) ? std::string() : firstWord;
}

std::string notFoundMessage(const std::string& name, const LookupResult& lookup) {
    if (name.empty()) {
        // An empty name is never looked up as such, so there is no list of folders to show.
        return "Could not start the game: the program name is empty.\n"
               "Type a name next to \"Alternate EXE:\" in Main Options, or untick it.";
    }
    std::string text = "Could not start the game: no program named \"" + name + "\" was found.\n\nLooked in:";
    for (const auto& folder : lookup.folders) {
        text += "\n  " + folder.u8string();
    }
    if (lookup.unusable) {
        text += "\n\n" + lookup.unusable->u8string() + " exists but is not a program that can be run.";
    }
    text += "\n\nPut the game beside the launcher, or set \"Alternate EXE:\" in Main Options.";
    return text;
}

std::string startFailedMessage(const std::filesystem::path& program, const std::string& reason) {
    return "Could not start the game " + program.u8string() + ": " + reason + ".";
}

std::string wineMissingMessage(const std::filesystem::path& program, const LookupResult& wine) {
    std::string text = "Could not start the game " + program.u8string() + ": it is a Windows program, and ";
    if (!wine.program) {
        text += "Wine is needed to start it here.\n\nInstall Wine (the package \"wine\") and press RUN! "
                "again.\n\nLooked for wine in:";
        for (const auto& folder : wine.folders) {
            text += "\n  " + folder.u8string();
        }
        return text;
    }
    return text + "wine-start.exe, which the launcher brings to start Windows games through Wine, is missing "
                  "beside it.\n\nInstall the launcher again.";
}

std::string nulCharacterMessage() {
    return "Could not start the game: a text box holds a NUL character, which cannot be passed to the game.\n"
           "Remove it and press RUN! again.";
}

} // namespace launch
