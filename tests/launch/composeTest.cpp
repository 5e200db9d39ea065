// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's command line, compared as whole lines (trailing blank included).
#include "compose.h"

#include <functional>
#include <tuple>

#include <gtest/gtest.h>

using launch::GameType;
using launch::LaunchCommand;
using launch::LaunchOptions;

namespace {

struct Case {
    const char* situation;
    std::function<void(LaunchOptions&)> change;
    std::string line;
    std::string extra = {};
};

class Compose : public testing::TestWithParam<Case> {};

TEST_P(Compose, givesTheExactLine) {
    LaunchOptions options;
    GetParam().change(options);
    const auto result = launch::composeLaunch(options, GetParam().extra);
    ASSERT_TRUE(std::holds_alternative<LaunchCommand>(result)) << "the launch was abandoned";
    EXPECT_EQ(std::get<LaunchCommand>(result).line, GetParam().line);
    // Only a saved game starts minimised.
    EXPECT_EQ(std::get<LaunchCommand>(result).windowStyle,
              options.chkLoad == 1 ? launch::WindowStyle::Minimized : launch::WindowStyle::Normal);
}

// Whole lines for typical set-ups (start-up, single player with every option, hosting, joining,
// a saved game), then the rules of the line one by one.
INSTANTIATE_TEST_SUITE_P(
    Lines, Compose,
    testing::Values(
        Case{"singlePlayerAtStartUp", [](LaunchOptions&) {}, "klemwin -skin COMET -color 7 "},
        Case{"singlePlayerWithEverything",
             [](LaunchOptions& o) {
                 std::tie(o.CharIndex, o.lblColor2, o.lstSound, o.optDemoRecord) =
                     std::tuple(1, "5", 2, true);
                 o.chkJoystick = o.chkDemo = o.chkOpenGL = o.chkManualRes = o.chkWindowed = o.chkHighTime = 1;
                 o.lstWADFiles = {"a.wad"};
                 std::tie(o.txtDemo, o.txtWidth, o.txtHeight) = std::tuple("run1", "640", "480");
             },
             "klemwin -nodigmusic -joystick -file a.wad -record run1 -opengl -width 640 -height 480 -win "
             "-timetic -skin WHIRL -color 5 "},
        Case{"hosting",
             [](LaunchOptions& o) {
                 o.lstWADFiles = {"levels.wad"};
                 o.txtGameType = GameType::Host;
             },
             "klemwin -file levels.wad -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1 -noadvertise "
             "-server 1 -notime -timer 5 -name Comet "},
        Case{"joining",
             [](LaunchOptions& o) {
                 std::tie(o.txtGameType, o.HostAddress, o.check2) =
                     std::tuple(GameType::Join, "192.168.0.10", 1);
             },
             "klemwin -skin COMET -color 7 -connect 192.168.0.10 -nofiles -name Comet "},
        Case{"savedGame", [](LaunchOptions& o) { std::tie(o.chkLoad, o.Combo3) = std::tuple(1, 2); },
             "klemwin -loadgame 2"},
        // A saved game carries everything else: the line ends at the slot, extra text too.
        Case{"savedGameEndsAtTheSlot",
             [](LaunchOptions& o) {
                 std::tie(o.chkLoad, o.Combo3, o.txtGameType, o.txtMaxPlayers, o.txtManualOps) =
                     std::tuple(1, -1, GameType::Host, "not a number", "-manual");
                 o.chkOpenGL = o.chkAnalog = o.chkSplitScreen = 1;
             },
             "klemwin -analog -splitscreen -opengl -loadgame -1", "extra"},
        // Only 1 is checked; demo words and the alternate name need their box; texts go in
        // verbatim; a character beyond the table has no skin; single player ignores every network
        // setting; list positions outside the list give nothing.
        Case{"singlePlayerRules",
             [](LaunchOptions& o) {
                 o.chkOpenGL = o.chkJoystick = 2;
                 o.txtEXE = "other";
                 o.optDemoRecord = o.optDemoPlay = true;
                 std::tie(o.txtDemo, o.chkManualRes, o.txtWidth, o.txtHeight) = std::tuple("x", 1, "a b", "");
                 std::tie(o.CharIndex, o.lstSound) = std::tuple(3, -1);
                 std::tie(o.HostAddress, o.check2, o.txtMaxPlayers, o.chkSuddenDeath) =
                     std::tuple("h", 1, "ab", 1);
             },
             "klemwin -width a b -height  -skin  -color 7 "},
        Case{"bothDemoOptions",
             [](LaunchOptions& o) {
                 std::tie(o.chkDemo, o.optDemoRecord, o.optDemoPlay, o.txtDemo) =
                     std::tuple(1, true, true, "x");
                 std::tie(o.lstSound, o.txtUserSkin) = std::tuple(8, " ");
             },
             "klemwin -record x -playdemo x -skin   -color 7 "},
        Case{"everyHostRuleInItsOrder",
             [](LaunchOptions& o) {
                 o.txtGameType = GameType::Host;
                 o.chkNoSpecRings = o.chkSuddenDeath = o.chkAutoCTF = o.chkForceSkin = o.chkNoAdvance = 1;
                 std::tie(o.chkPassword, o.txtPassword, o.chkTeamBattle, o.lstTeamBattle) =
                     std::tuple(1, "pw", 1, 1);
             },
             "klemwin -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1 -nospecrings -suddendeath "
             "-autoctf -forceskin -noadvance -noadvertise -password pw -teamskin -server 1 -notime -timer 5 "
             "-name Comet "},
        // The max-players text is written as a plain whole number (see the conversion's table).
        Case{"hostWithEmptyValues",
             [](LaunchOptions& o) {
                 std::tie(o.txtGameType, o.chkNoAdvertise, o.chkTeamBattle, o.txtMaxPlayers) =
                     std::tuple(GameType::Host, 0, 1, " 07.5");
                 o.Combo1 = o.lstTeamBattle = -1;
                 o.txtMultiMap = o.txtTimelimit = "";
             },
             "klemwin -skin COMET -color 7 -maxplayers 8 -warp  -gametype -1 -server 1 -notime -timer  "
             "-name Comet "},
        // The max-players text may be any 16-bit number here; only Enter in its box checks for 0 to 255.
        Case{"teamBattleByColour",
             [](LaunchOptions& o) {
                 std::tie(o.txtGameType, o.chkTeamBattle, o.txtMaxPlayers) =
                     std::tuple(GameType::Host, 1, "-1");
             },
             "klemwin -skin COMET -color 7 -maxplayers -1 -warp 90 -gametype 1 -noadvertise -teamplay "
             "-server 1 -notime -timer 5 -name Comet "},
        Case{"aLongAddOnNameManualParametersThenExtra",
             [](LaunchOptions& o) {
                 o.lstWADFiles = {std::string(400, 'w')};
                 o.txtManualOps = "-devmode -warp 3";
             },
             "klemwin -file " + std::string(400, 'w') + " -skin COMET -color 7 -devmode -warp 3X", "X"}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.situation; });

} // namespace
