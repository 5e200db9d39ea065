// The game's command line, compared as whole lines (trailing blank included).
#include "compose.h"

#include <functional>

#include <gtest/gtest.h>

using launch::composeLaunch;
using launch::LaunchCommand;
using launch::LaunchOptions;
using launch::MaxPlayersInvalid;
using launch::WindowStyle;

namespace {

LaunchCommand composed(const LaunchOptions& options, std::string_view extra = {}) {
    auto result = composeLaunch(options, extra);
    EXPECT_TRUE(std::holds_alternative<LaunchCommand>(result)) << "the launch was abandoned";
    return std::holds_alternative<LaunchCommand>(result) ? std::get<LaunchCommand>(result) : LaunchCommand{};
}

std::string lineOf(const std::function<void(LaunchOptions&)>& change, std::string_view extra = {}) {
    LaunchOptions options;
    change(options);
    return composed(options, extra).line;
}

struct Example {
    const char* situation;
    std::function<void(LaunchOptions&)> change;
    const char* line;
    WindowStyle style;
};

class WorkedExample : public testing::TestWithParam<Example> {};

TEST_P(WorkedExample, composesTheExactLine) {
    LaunchOptions options;
    GetParam().change(options);
    const auto command = composed(options);
    EXPECT_EQ(command.line, GetParam().line);
    EXPECT_EQ(command.windowStyle, GetParam().style);
}

INSTANTIATE_TEST_SUITE_P(
    Launches, WorkedExample,
    testing::Values(
        Example{"singlePlayerAtStartUp", [](LaunchOptions&) {}, "klemwin -skin COMET -color 7 ",
                WindowStyle::Normal},
        Example{"singlePlayerWithEverything",
                [](LaunchOptions& o) {
                    o.CharIndex = 1;
                    o.lblColor2 = "5";
                    o.lstSound = 2;
                    o.chkJoystick = 1;
                    o.lstWADFiles = {"a.wad"};
                    o.chkDemo = 1;
                    o.optDemoRecord = true;
                    o.txtDemo = "run1";
                    o.chkOpenGL = 1;
                    o.chkManualRes = 1;
                    o.txtWidth = "640";
                    o.txtHeight = "480";
                    o.chkWindowed = 1;
                    o.chkHighTime = 1;
                },
                "klemwin -nodigmusic -joystick -file a.wad -record run1 -opengl -width 640 -height 480 -win "
                "-timetic "
                "-skin WHIRL -color 5 ",
                WindowStyle::Normal},
        Example{
            "hosting",
            [](LaunchOptions& o) {
                o.lstWADFiles = {"levels.wad"};
                o.txtGameType = "Host";
            },
            "klemwin -file levels.wad -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1 -noadvertise "
            "-server 1 -notime -timer 5 -name Comet ",
            WindowStyle::Normal},
        Example{"joining",
                [](LaunchOptions& o) {
                    o.txtGameType = "Join";
                    o.HostAddress = "192.168.0.10";
                    o.check2 = 1;
                },
                "klemwin -skin COMET -color 7 -connect 192.168.0.10 -nofiles -name Comet ",
                WindowStyle::Normal},
        Example{"savedGame",
                [](LaunchOptions& o) {
                    o.chkLoad = 1;
                    o.Combo3 = 2;
                },
                "klemwin -loadgame 2", WindowStyle::Minimized}),
    [](const testing::TestParamInfo<Example>& info) { return info.param.situation; });

TEST(Compose, addOnFilesFollowOneFileWordInListOrder) {
    EXPECT_EQ(lineOf([](LaunchOptions& o) { o.lstWADFiles = {}; }), "klemwin -skin COMET -color 7 ");
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.lstWADFiles = {"c.wad", "a b.wad", "c.wad"};
              }),
              "klemwin -file c.wad a b.wad c.wad -skin COMET -color 7 ");
}

TEST(Compose, demoWordsNeedTheBoxAndAnOption) {
    const std::string tail = " -skin COMET -color 7 ";
    EXPECT_EQ(lineOf([](LaunchOptions& o) { o.chkDemo = 1; }), "klemwin" + tail);
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.chkDemo = 1;
                  o.optDemoRecord = true;
              }),
              "klemwin -record " + tail);
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.chkDemo = 1;
                  o.optDemoPlay = true;
                  o.txtDemo = "d1";
              }),
              "klemwin -playdemo d1" + tail);
    // Both option buttons are tested separately, so a state with both gives both words.
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.chkDemo = 1;
                  o.optDemoRecord = o.optDemoPlay = true;
                  o.txtDemo = "x";
              }),
              "klemwin -record x -playdemo x" + tail);
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.optDemoRecord = true;
                  o.txtDemo = "x";
              }),
              "klemwin" + tail);
}

TEST(Compose, onlyTheValueOneCountsAsChecked) {
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.chkOpenGL = 2;
                  o.chkJoystick = -1;
              }),
              "klemwin -skin COMET -color 7 ");
}

TEST(Compose, textsAreInsertedVerbatim) {
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.chkManualRes = 1;
                  o.txtWidth = "abc";
                  o.txtHeight = "";
              }),
              "klemwin -width abc -height  -skin COMET -color 7 ");
    EXPECT_EQ(lineOf([](LaunchOptions& o) { o.txtUserSkin = " "; }), "klemwin -skin   -color 7 ");
    EXPECT_EQ(lineOf([](LaunchOptions& o) { o.txtUserSkin = "MySkin"; }), "klemwin -skin MySkin -color 7 ");
}

TEST(Compose, skinFollowsTheCharacterUnlessOneIsTyped) {
    for (std::uint8_t c = 0; c < 3; ++c) {
        LaunchOptions options;
        options.CharIndex = c;
        EXPECT_EQ(composed(options).line, "klemwin -skin " + options.Skins[c] + " -color 7 ");
    }
    EXPECT_EQ(lineOf([](LaunchOptions& o) { o.CharIndex = 7; }), "klemwin -skin  -color 7 ");
}

TEST(Compose, singlePlayerIgnoresEveryNetworkSetting) {
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.HostAddress = "10.0.0.1";
                  o.check2 = o.Check3 = 1;
                  o.txtMaxPlayers = "ab";
                  o.chkSuddenDeath = 1;
                  o.txtPlayerName = "Zed";
              }),
              "klemwin -skin COMET -color 7 ");
}

TEST(Compose, joiningWithoutAnAddressLeavesTwoBlanks) {
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.txtGameType = "Join";
                  o.Check3 = 1;
              }),
              "klemwin -skin COMET -color 7 -connect  -nodownload -name Comet ");
}

TEST(Compose, unknownPlayModeStillSendsTheName) {
    EXPECT_EQ(lineOf([](LaunchOptions& o) { o.txtGameType = "join"; }),
              "klemwin -skin COMET -color 7 -name Comet ");
}

TEST(Compose, soundPositions) {
    const char* fragments[] = {
        " -usecd",          "",          " -nodigmusic",          " -nodigmusic -nomusic",
        " -usecd -nosound", " -nosound", " -nodigmusic -nosound", " -nodigmusic -nomusic -nosound"};
    for (int position = -1; position <= 8; ++position) {
        LaunchOptions options;
        options.lstSound = position;
        const std::string fragment = position >= 0 && position < 8 ? fragments[position] : "";
        EXPECT_EQ(composed(options).line, "klemwin" + fragment + " -skin COMET -color 7 ") << position;
    }
}

TEST(Compose, hostRulesInTheirOrder) {
    const std::string head = "klemwin -skin COMET -color 7 -maxplayers 2 -warp 90 -gametype 1";
    const std::string tail = " -server 1 -notime -timer 5 -name Comet ";
    auto host = [](LaunchOptions& o) {
        o.txtGameType = "Host";
        o.chkNoAdvertise = 0;
    };
    EXPECT_EQ(lineOf(host), head + tail);
    EXPECT_EQ(
        lineOf([&](LaunchOptions& o) {
            host(o);
            o.chkNoSpecRings = o.chkSuddenDeath = o.chkAutoCTF = o.chkForceSkin = o.chkNoAdvance = 1;
            o.chkNoAdvertise = o.chkPassword = o.chkTeamBattle = 1;
            o.txtPassword = "pw";
            o.lstTeamBattle = 1;
        }),
        head +
            " -nospecrings -suddendeath -autoctf -forceskin -noadvance -noadvertise -password pw -teamskin" +
            tail);
    EXPECT_EQ(lineOf([&](LaunchOptions& o) {
                  host(o);
                  o.chkTeamBattle = 1;
              }),
              head + " -teamplay" + tail);
    EXPECT_EQ(lineOf([&](LaunchOptions& o) {
                  host(o);
                  o.chkTeamBattle = 1;
                  o.lstTeamBattle = -1;
              }),
              head + tail);
    EXPECT_EQ(lineOf([&](LaunchOptions& o) {
                  host(o);
                  o.Combo1 = -1;
                  o.txtMultiMap = "";
                  o.txtTimelimit = "";
              }),
              "klemwin -skin COMET -color 7 -maxplayers 2 -warp  -gametype -1 -server 1 -notime -timer  "
              "-name Comet ");
}

TEST(Compose, maxPlayersIsNormalisedOrStopsTheLaunch) {
    struct Case {
        const char* text;
        const char* written; // nullptr: the launch is abandoned
    };
    const Case cases[] = {{"08", "8"},          {" 5", "5"},      {"5 ", "5"},     {"2.5", "2"},
                          {"3.5", "4"},         {"-3", "-3"},     {"0", "0"},      {"32767", "32767"},
                          {"-32768", "-32768"}, {"", nullptr},    {"ab", nullptr}, {"40000", nullptr},
                          {"32767.5", nullptr}, {"1 2", nullptr}, {" ", nullptr}};
    for (const auto& c : cases) {
        LaunchOptions options;
        options.txtGameType = "Host";
        options.txtMaxPlayers = c.text;
        const auto result = composeLaunch(options);
        if (c.written == nullptr) {
            ASSERT_TRUE(std::holds_alternative<MaxPlayersInvalid>(result)) << '"' << c.text << '"';
            EXPECT_EQ(std::get<MaxPlayersInvalid>(result).text, c.text);
        } else {
            ASSERT_TRUE(std::holds_alternative<LaunchCommand>(result)) << '"' << c.text << '"';
            EXPECT_NE(std::get<LaunchCommand>(result).line.find(std::string(" -maxplayers ") + c.written +
                                                                " -warp "),
                      std::string::npos)
                << '"' << c.text << '"';
        }
    }
}

TEST(Compose, savedGameEndsTheLineAtTheSlot) {
    EXPECT_EQ(lineOf(
                  [](LaunchOptions& o) {
                      o.chkLoad = 1;
                      o.Combo3 = -1;
                      o.txtGameType = "Host";
                      o.txtMaxPlayers = "not a number";
                      o.txtManualOps = "-manual";
                      o.chkOpenGL = 1;
                  },
                  "extra"),
              "klemwin -opengl -loadgame -1");
}

TEST(Compose, manualParametersAndExtraFollowOneBlank) {
    EXPECT_EQ(lineOf([](LaunchOptions&) {}, "-x"), "klemwin -skin COMET -color 7 -x");
    EXPECT_EQ(lineOf([](LaunchOptions& o) { o.txtManualOps = "-devmode -warp 3"; }, "X"),
              "klemwin -skin COMET -color 7 -devmode -warp 3X");
}

TEST(Compose, executableName) {
    EXPECT_EQ(lineOf([](LaunchOptions& o) { o.txtEXE = "other"; }), "klemwin -skin COMET -color 7 ");
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.chkEXE = 1;
                  o.txtEXE = "klemwin.exe";
              }),
              "klemwin.exe -skin COMET -color 7 ");
    EXPECT_EQ(lineOf([](LaunchOptions& o) {
                  o.chkEXE = 1;
                  o.txtEXE = "";
              }),
              " -skin COMET -color 7 ");
}

} // namespace
