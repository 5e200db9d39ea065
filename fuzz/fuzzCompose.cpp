// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Composes command lines from launch options of any values and checks what every launch keeps:
// - the line starts with the program name: txtEXE when chkEXE is 1, otherwise "klemwin";
// - a saved-game launch (chkLoad 1) is minimised and ends with " -loadgame <slot>"; every other
//   launch is a normal window and ends with " " + manual parameters + extra parameters;
// - the max-players text stops a launch exactly when a host launch that is not a saved-game
//   launch has a max-players text that is no 16-bit whole number;
// - the line splits into words without fault, a plain program name comes back as the first word,
//   and a saved-game line without quotes ends in the words "-loadgame" and the slot.
// Input: changes to the start-up options, each the setting's number in the option table and its
// new value (see ByteReader.h), until the input ends.
#include "ByteReader.h"
#include "commandLine.h"
#include "compose.h"
#include "wholeNumber.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_compose: %s\n", what);
        std::abort();
    }
}

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    launch::LaunchOptions o;
    std::string extraParams;
    while (!in.atEnd()) {
        in.readChange(o, extraParams);
    }

    const auto composition = launch::composeLaunch(o, extraParams);

    const bool savedGame = o.chkLoad == 1;
    const bool badMaxPlayers =
        o.txtGameType == launch::GameType::Host && !savedGame && !launch::toMaxPlayers(o.txtMaxPlayers);
    if (const auto* invalid = std::get_if<launch::MaxPlayersInvalid>(&composition)) {
        check(badMaxPlayers, "MaxPlayersInvalid without a bad max-players text in a host launch");
        check(invalid->text == o.txtMaxPlayers, "MaxPlayersInvalid does not carry the max-players text");
        return 0;
    }
    check(!badMaxPlayers, "a host launch went ahead with a bad max-players text");

    const auto& command = std::get<launch::LaunchCommand>(composition);
    const std::string program = o.chkEXE == 1 ? o.txtEXE : "klemwin";
    check(launch::executableName(o) == program, "executableName is not the chosen program");
    check(startsWith(command.line, program), "the line does not start with the program name");
    if (savedGame) {
        check(command.windowStyle == launch::WindowStyle::Minimized, "a saved-game launch is not minimised");
        check(endsWith(command.line, " -loadgame " + std::to_string(o.Combo3)),
              "a saved-game line does not end with -loadgame and the slot");
    } else {
        check(command.windowStyle == launch::WindowStyle::Normal, "a launch is not a normal window");
        check(endsWith(command.line, " " + o.txtManualOps + extraParams),
              "the line does not end with the manual and extra parameters");
    }

    const auto words = launch::splitCommandLine(command.line);
    if (!program.empty() && program.find_first_of(" \t\"") == std::string::npos) {
        check(!words.empty() && words.front() == program, "the first word is not the program name");
    }
    if (savedGame && command.line.find('"') == std::string::npos) {
        check(words.size() >= 2 && words[words.size() - 2] == "-loadgame" &&
                  words.back() == std::to_string(o.Combo3),
              "a saved-game line does not split into ... -loadgame <slot>");
    }
    return 0;
}
