// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's command line, built left to right: the program; sound; the input switches; the
// add-on files; the demo; display and time display; a saved game; skin and colour; joining, or
// hosting with its rules; the player name in multiplayer; last the manual parameters.
#include "compose.h"

#include "wholeNumber.h"

#include <array>
#include <charconv>
#include <iterator>
#include <utility>

namespace launch {
namespace {

constexpr bool checked(int checkBox) {
    return checkBox == 1;
}

// Fragment for each position of the sound list: music source, then " -nosound" without effects.
constexpr std::array<std::string_view, 8> soundFragments = {
    " -usecd",                        // CD Music (w/ SFX)
    "",                               // Ogg Music (w/ SFX)
    " -nodigmusic",                   // MIDI Music (w/ SFX)
    " -nodigmusic -nomusic",          // SFX Only
    " -usecd -nosound",               // CD Music (w/o SFX)
    " -nosound",                      // Ogg Music (w/o SFX)
    " -nodigmusic -nosound",          // MIDI Music (w/o SFX)
    " -nodigmusic -nomusic -nosound", // No Sound
};

// The host rules that are plain switches, in the order the game reads them.
constexpr std::pair<int LaunchOptions::*, std::string_view> hostRules[] = {
    {&LaunchOptions::chkNoSpecRings, " -nospecrings"}, {&LaunchOptions::chkSuddenDeath, " -suddendeath"},
    {&LaunchOptions::chkAutoCTF, " -autoctf"},         {&LaunchOptions::chkForceSkin, " -forceskin"},
    {&LaunchOptions::chkNoAdvance, " -noadvance"},     {&LaunchOptions::chkNoAdvertise, " -noadvertise"},
};

// The line, built by appending text and whole numbers.
class LineBuilder {
public:
    LineBuilder& operator<<(std::string_view text) {
        line.append(text);
        return *this;
    }
    LineBuilder& operator<<(long number) {
        // Plain decimal with a minus sign when negative: no leading zeros or blanks.
        char digits[24];
        const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
        line.append(digits, end);
        return *this;
    }

    std::string line;
};

} // namespace

std::string_view executableName(const LaunchOptions& options) {
    return checked(options.chkEXE) ? std::string_view(options.txtEXE) : std::string_view("klemwin");
}

Composition composeLaunch(const LaunchOptions& o, std::string_view extraParams) {
    LineBuilder out;
    out << executableName(o);

    if (o.lstSound >= 0 && o.lstSound < static_cast<int>(soundFragments.size())) {
        out << soundFragments[static_cast<std::size_t>(o.lstSound)];
    }

    if (checked(o.chkJoystick)) {
        out << " -joystick";
    }
    if (checked(o.chkAnalog)) {
        out << " -analog";
    }
    if (checked(o.chkSplitScreen)) {
        out << " -splitscreen";
    }

    if (!o.lstWADFiles.empty()) {
        out << " -file";
        for (const auto& file : o.lstWADFiles) {
            out << " " << file;
        }
    }

    if (checked(o.chkDemo)) {
        if (o.optDemoRecord) {
            out << " -record " << o.txtDemo;
        }
        if (o.optDemoPlay) {
            out << " -playdemo " << o.txtDemo;
        }
    }

    if (checked(o.chkOpenGL)) {
        out << " -opengl";
    }
    if (checked(o.chkManualRes)) {
        out << " -width " << o.txtWidth << " -height " << o.txtHeight;
    }
    if (checked(o.chkWindowed)) {
        out << " -win";
    }
    if (checked(o.chkHighTime)) {
        out << " -timetic";
    }

    // A saved game carries everything else in the save itself: the line ends at the slot number.
    if (checked(o.chkLoad)) {
        out << " -loadgame " << static_cast<long>(o.Combo3);
        return LaunchCommand{std::move(out.line), WindowStyle::Minimized};
    }

    // A character number outside the table gives no skin word rather than reading past it.
    const std::string_view skin = !o.txtUserSkin.empty()         ? std::string_view(o.txtUserSkin)
                                  : o.CharIndex < o.Skins.size() ? std::string_view(o.Skins[o.CharIndex])
                                                                 : std::string_view();
    out << " -skin " << skin;
    out << " -color " << o.lblColor2;

    if (o.txtGameType == GameType::Join) {
        out << " -connect " << o.HostAddress;
        if (checked(o.check2)) {
            out << " -nofiles";
        }
        if (checked(o.Check3)) {
            out << " -nodownload";
        }
    } else if (o.txtGameType == GameType::Host) {
        const auto maxPlayers = toMaxPlayers(o.txtMaxPlayers);
        if (!maxPlayers) {
            return MaxPlayersInvalid{o.txtMaxPlayers};
        }
        out << " -maxplayers " << *maxPlayers;
        out << " -warp " << o.txtMultiMap;
        out << " -gametype " << static_cast<long>(o.Combo1);
        for (const auto& [box, word] : hostRules) {
            if (checked(o.*box)) {
                out << word;
            }
        }
        if (checked(o.chkPassword)) {
            out << " -password " << o.txtPassword;
        }
        if (checked(o.chkTeamBattle)) {
            if (o.lstTeamBattle == 0) {
                out << " -teamplay";
            } else if (o.lstTeamBattle == 1) {
                out << " -teamskin";
            }
        }
        out << " -server 1 -notime -timer " << o.txtTimelimit;
    }

    if (o.txtGameType != GameType::Single) {
        out << " -name " << o.txtPlayerName;
    }

    out << " " << o.txtManualOps << extraParams;
    return LaunchCommand{std::move(out.line), WindowStyle::Normal};
}

} // namespace launch
