// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting that reaches the game's command line: the one table that describes each setting,
// and the plain value made from it.
#pragma once

#include "characters.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace launch {

// How the game's first window is shown. The numbers are the show-window hints of the Windows
// process start; on POSIX systems a Windows game gets the hint through Wine, a native game none.
enum class WindowStyle : int {
    Normal = 1,    // normal window with focus
    Minimized = 2, // minimised window with focus (saved-game launches)
};

// How the game is played: alone, joining a server, or hosting one.
enum class GameType { Single, Join, Host };

// The skin names of the three characters, indexed by character number.
using SkinTable = std::array<std::string, 3>;
// The entries of a list box, in order.
using Texts = std::vector<std::string>;

inline SkinTable characterSkins() {
    return {characters[0].skin, characters[1].skin, characters[2].skin};
}

// Every setting that reaches the game, one row each: X(type, name, value right after start-up).
//
// The name is the field of LaunchOptions and the object name of the main window's control that
// holds the setting; for the few settings no control shows, it is the name of the property that
// holds it. The control says how the value reads: a check box as 0 or 1 (only 1 counts as
// checked), an option button as a bool, a drop-down list as its 0-based position (-1 when
// nothing is selected), a list box as its entries, a text box as its text.
//
// The order is the order of the fuzzer's field numbers.
#define KLEM_LAUNCH_OPTIONS(X)                                                                               \
    /* Executable */                                                                                         \
    X(int, chkEXE, 0)                                                                                        \
    X(std::string, txtEXE, "klemwin")                                                                        \
    /* Main Options panel */                                                                                 \
    X(int, lstSound, 1)                                                                                      \
    X(int, chkJoystick, 0)                                                                                   \
    X(int, chkAnalog, 0)                                                                                     \
    X(int, chkSplitScreen, 0)                                                                                \
    X(int, chkDemo, 0)                                                                                       \
    X(bool, optDemoRecord, false)                                                                            \
    X(bool, optDemoPlay, false)                                                                              \
    X(std::string, txtDemo, "")                                                                              \
    X(int, chkOpenGL, 0)                                                                                     \
    X(int, chkManualRes, 0)                                                                                  \
    X(std::string, txtWidth, "1024")                                                                         \
    X(std::string, txtHeight, "768")                                                                         \
    X(int, chkWindowed, 0)                                                                                   \
    X(int, chkHighTime, 0)                                                                                   \
    X(std::string, txtManualOps, "")                                                                         \
    /* WAD Files panel */                                                                                    \
    X(Texts, lstWADFiles, {})                                                                                \
    X(std::string, txtUserSkin, "")                                                                          \
    /* Game panel: saved game, character, colour, play mode */                                               \
    X(int, chkLoad, 0)                                                                                       \
    X(int, Combo3, 0)                                                                                        \
    X(SkinTable, Skins, characterSkins())                                                                    \
    X(std::uint8_t, CharIndex, 0)                                                                            \
    X(std::string, lblColor2, characters[0].colorNumber)                                                     \
    X(GameType, txtGameType, GameType::Single)                                                               \
    X(std::string, txtPlayerName, characters[0].defaultName)                                                 \
    /* Joining */                                                                                            \
    X(std::string, HostAddress, "")                                                                          \
    X(int, check2, 0)                                                                                        \
    X(int, Check3, 0)                                                                                        \
    /* Hosting */                                                                                            \
    X(std::string, txtMaxPlayers, "2")                                                                       \
    X(std::string, txtMultiMap, "90")                                                                        \
    X(int, Combo1, 1)                                                                                        \
    X(std::string, txtTimelimit, "5")                                                                        \
    /* Network Options panel (host rules) */                                                                 \
    X(int, chkNoSpecRings, 0)                                                                                \
    X(int, chkSuddenDeath, 0)                                                                                \
    X(int, chkAutoCTF, 0)                                                                                    \
    X(int, chkForceSkin, 0)                                                                                  \
    X(int, chkNoAdvance, 0)                                                                                  \
    X(int, chkNoAdvertise, 1)                                                                                \
    X(int, chkPassword, 0)                                                                                   \
    X(std::string, txtPassword, "")                                                                          \
    X(int, chkTeamBattle, 0)                                                                                 \
    X(int, lstTeamBattle, 0)

// The settings as one value, a field for each row of the table. A default-constructed value is
// the launcher right after start-up.
struct LaunchOptions {
#define KLEM_OPTION_FIELD(type, name, start) type name = start;
    KLEM_LAUNCH_OPTIONS(KLEM_OPTION_FIELD)
#undef KLEM_OPTION_FIELD
};

// Calls visit(name, field) for every row of the table, in its order; the field is a pointer to the
// member of LaunchOptions.
template <class Visit> void forEachOption(Visit&& visit) {
#define KLEM_OPTION_VISIT(type, name, start) visit(#name, &LaunchOptions::name);
    KLEM_LAUNCH_OPTIONS(KLEM_OPTION_VISIT)
#undef KLEM_OPTION_VISIT
}

// The number of rows.
inline constexpr std::size_t optionCount = 0
#define KLEM_OPTION_COUNT(type, name, start) +1
    KLEM_LAUNCH_OPTIONS(KLEM_OPTION_COUNT)
#undef KLEM_OPTION_COUNT
    ;

inline bool operator==(const LaunchOptions& a, const LaunchOptions& b) {
    bool equal = true;
    forEachOption([&](const char*, auto field) { equal = equal && a.*field == b.*field; });
    return equal;
}

} // namespace launch
