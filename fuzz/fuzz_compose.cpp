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
// Input: the options in the order of LaunchOptions, then the extra parameters (see ByteReader.h).
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

launch::LaunchOptions readOptions(fuzz::ByteReader& in) {
    launch::LaunchOptions o;
    in.read(o.chkEXE);
    in.read(o.txtEXE);
    in.read(o.lstSound);
    in.read(o.chkJoystick);
    in.read(o.chkAnalog);
    in.read(o.chkSplitScreen);
    in.read(o.chkDemo);
    in.read(o.optDemoRecord);
    in.read(o.optDemoPlay);
    in.read(o.txtDemo);
    in.read(o.chkOpenGL);
    in.read(o.chkManualRes);
    in.read(o.txtWidth);
    in.read(o.txtHeight);
    in.read(o.chkWindowed);
    in.read(o.chkHighTime);
    in.read(o.txtManualOps);
    in.read(o.lstWADFiles);
    in.read(o.txtUserSkin);
    in.read(o.chkLoad);
    in.read(o.Combo3);
    in.read(o.CharIndex);
    in.read(o.lblColor2);
    in.read(o.txtGameType);
    in.read(o.txtPlayerName);
    in.read(o.HostAddress);
    in.read(o.check2);
    in.read(o.Check3);
    in.read(o.txtMaxPlayers);
    in.read(o.txtMultiMap);
    in.read(o.Combo1);
    in.read(o.txtTimelimit);
    in.read(o.chkNoSpecRings);
    in.read(o.chkSuddenDeath);
    in.read(o.chkAutoCTF);
    in.read(o.chkForceSkin);
    in.read(o.chkNoAdvance);
    in.read(o.chkNoAdvertise);
    in.read(o.chkPassword);
    in.read(o.txtPassword);
    in.read(o.chkTeamBattle);
    in.read(o.lstTeamBattle);
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    const launch::LaunchOptions o = readOptions(in);
    std::string extraParams;
    in.read(extraParams);

    const auto composition = launch::composeLaunch(o, extraParams);

    const bool savedGame = o.chkLoad == 1;
    const bool badMaxPlayers =
        o.txtGameType == "Host" && !savedGame && !launch::toMaxPlayers(o.txtMaxPlayers);
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
