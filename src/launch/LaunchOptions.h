// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting that reaches the game's command line, as one plain value.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace launch {

// How the game's first window is shown. The numbers are the show-window hints of the Windows
// process start; on POSIX systems a Windows game gets the hint through Wine, a native game none.
enum class WindowStyle : int {
    Normal = 1,    // normal window with focus
    Minimized = 2, // minimised window with focus (saved-game launches)
};

// The skin names of the three characters, indexed by character number.
using SkinTable = std::array<std::string, 3>;

// The launch options, named after the controls and fields of the main window that hold them.
// Check boxes hold their value (0 unchecked, 1 checked; only 1 counts as checked), option buttons
// a bool, list boxes their 0-based position (-1 when nothing is selected), text boxes their text.
// A default-constructed value is the launcher right after start-up.
struct LaunchOptions {
    // Executable
    int chkEXE = 0;
    std::string txtEXE = "klemwin";

    // Main Options panel
    int lstSound = 1;
    int chkJoystick = 0;
    int chkAnalog = 0;
    int chkSplitScreen = 0;
    int chkDemo = 0;
    bool optDemoRecord = false;
    bool optDemoPlay = false;
    std::string txtDemo;
    int chkOpenGL = 0;
    int chkManualRes = 0;
    std::string txtWidth = "1024";
    std::string txtHeight = "768";
    int chkWindowed = 0;
    int chkHighTime = 0;
    std::string txtManualOps;

    // WAD Files panel
    std::vector<std::string> lstWADFiles;
    std::string txtUserSkin;

    // Game panel: saved game, character, colour, play mode
    int chkLoad = 0;
    int Combo3 = 0;
    SkinTable Skins = {"COMET", "WHIRL", "ROCKCLAW"};
    std::uint8_t CharIndex = 0;
    std::string lblColor2 = "7";
    std::string txtGameType = "Single";
    std::string txtPlayerName = "Comet";

    // Joining
    std::string HostAddress;
    int check2 = 0;
    int Check3 = 0;

    // Hosting
    std::string txtMaxPlayers = "2";
    std::string txtMultiMap = "90";
    int Combo1 = 1;
    std::string txtTimelimit = "5";

    // Network Options panel (host rules)
    int chkNoSpecRings = 0;
    int chkSuddenDeath = 0;
    int chkAutoCTF = 0;
    int chkForceSkin = 0;
    int chkNoAdvance = 0;
    int chkNoAdvertise = 1;
    int chkPassword = 0;
    std::string txtPassword;
    int chkTeamBattle = 0;
    int lstTeamBattle = 0;

    // Every field, for comparing whole values.
    auto fields() const {
        return std::tie(chkEXE, txtEXE, lstSound, chkJoystick, chkAnalog, chkSplitScreen, chkDemo,
                        optDemoRecord, optDemoPlay, txtDemo, chkOpenGL, chkManualRes, txtWidth, txtHeight,
                        chkWindowed, chkHighTime, txtManualOps, lstWADFiles, txtUserSkin, chkLoad, Combo3,
                        Skins, CharIndex, lblColor2, txtGameType, txtPlayerName, HostAddress, check2, Check3,
                        txtMaxPlayers, txtMultiMap, Combo1, txtTimelimit, chkNoSpecRings, chkSuddenDeath,
                        chkAutoCTF, chkForceSkin, chkNoAdvance, chkNoAdvertise, chkPassword, txtPassword,
                        chkTeamBattle, lstTeamBattle);
    }
    friend bool operator==(const LaunchOptions& a, const LaunchOptions& b) {
        return a.fields() == b.fields();
    }
};

} // namespace launch
