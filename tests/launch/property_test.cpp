// Thousands of random launcher states, hostile texts included: composition never fails in an
// unexpected way, the line always opens with the program name, and the game receives exactly the
// words of the line.
#include "GameStarter.h"
#include "commandLine.h"
#include "compose.h"
#include "standinRecord.h"

#include <filesystem>
#include <random>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using launch::LaunchCommand;
using launch::LaunchOptions;

namespace {

class RandomState {
public:
    explicit RandomState(std::uint64_t seed) : random(seed) {}

    LaunchOptions options() {
        LaunchOptions o;
        o.chkEXE = pick({0, 1, 1, 2});
        o.txtEXE = oneIn(3) ? text() : "klemwin";
        o.lstSound = position(8);
        o.chkJoystick = box();
        o.chkAnalog = box();
        o.chkSplitScreen = box();
        o.chkDemo = box();
        o.optDemoRecord = oneIn(2);
        o.optDemoPlay = oneIn(2);
        o.txtDemo = text();
        o.chkOpenGL = box();
        o.chkManualRes = box();
        o.txtWidth = text();
        o.txtHeight = text();
        o.chkWindowed = box();
        o.chkHighTime = box();
        o.txtManualOps = text();
        for (int n = pick({0, 0, 1, 3, 10}); n > 0; --n) {
            o.lstWADFiles.push_back(text());
        }
        o.txtUserSkin = oneIn(2) ? std::string() : text();
        o.chkLoad = pick({0, 0, 0, 1});
        o.Combo3 = position(6);
        o.CharIndex = static_cast<std::uint8_t>(pick({0, 1, 2, 2, 3, 255}));
        o.lblColor2 = oneIn(4) ? text() : std::to_string(pick({1, 7, 8, 15}));
        o.txtGameType = pickText({"Single", "Join", "Host", "Host", "host", ""});
        o.txtPlayerName = text();
        o.HostAddress = text();
        o.check2 = box();
        o.Check3 = box();
        o.txtMaxPlayers = oneIn(2) ? std::to_string(pick({-40000, -1, 0, 8, 32767, 40000})) : text();
        o.txtMultiMap = text();
        o.Combo1 = position(6);
        o.txtTimelimit = text();
        o.chkNoSpecRings = box();
        o.chkSuddenDeath = box();
        o.chkAutoCTF = box();
        o.chkForceSkin = box();
        o.chkNoAdvance = box();
        o.chkNoAdvertise = box();
        o.chkPassword = box();
        o.txtPassword = text();
        o.chkTeamBattle = box();
        o.lstTeamBattle = position(2);
        return o;
    }

    // Texts a user might type or paste: blanks, tabs, quotes, backslashes, control characters,
    // shell characters and non-ASCII letters; now and then one as long as a text box allows.
    std::string text(bool allowNul = false) {
        static const std::vector<std::string> pieces = {
            "a",
            "Z",
            "0",
            "9",
            " ",
            "  ",
            "\t",
            "\"",
            "\\",
            "\\\\\"",
            "'",
            ";",
            "|",
            "&&",
            "$(id)",
            "`x`",
            ">",
            "*",
            "~",
            "-",
            "--x",
            "\x01",
            "\x1b[0m",
            "\r",
            "\n",
            "\x7f",
            "\xc3\xab",
            "\xe2\x98\x85",
            "\xe4\xb8\xad",
        };
        const std::size_t length = oneIn(400) ? 32767 : uniform(0, 12);
        std::string out;
        while (out.size() < length) {
            out += pieces[uniform(0, pieces.size() - 1)];
            if (allowNul && oneIn(20)) {
                out += '\0';
            }
        }
        return out;
    }

    bool oneIn(std::size_t n) { return uniform(0, n - 1) == 0; }

private:
    std::size_t uniform(std::size_t low, std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(low, high)(random);
    }
    int pick(std::initializer_list<int> values) { return *(values.begin() + uniform(0, values.size() - 1)); }
    std::string pickText(std::initializer_list<const char*> values) {
        return *(values.begin() + uniform(0, values.size() - 1));
    }
    int box() { return pick({0, 1, 1, 2, -1}); }
    int position(int items) { return static_cast<int>(uniform(0, static_cast<std::size_t>(items) + 1)) - 1; }

    std::mt19937_64 random;
};

bool isPlainWord(const std::string& word) {
    return !word.empty() && word.find_first_of(" \t\"") == std::string::npos;
}

TEST(Property, everyStateComposesALineThatOpensWithTheProgram) {
    const std::uint64_t seed = 20261206;
    RandomState state(seed);
    int composed = 0;
    for (int i = 0; i < 5000; ++i) {
        const LaunchOptions options = state.options();
        const std::string extra = state.oneIn(4) ? state.text() : std::string();
        const auto result = launch::composeLaunch(options, extra);
        if (!std::holds_alternative<LaunchCommand>(result)) {
            // Only a host launch checks a number.
            ASSERT_EQ(options.txtGameType, "Host") << "seed " << seed << " state " << i;
            ASSERT_NE(options.chkLoad, 1) << "seed " << seed << " state " << i;
            continue;
        }
        ++composed;
        const auto& command = std::get<LaunchCommand>(result);
        const std::string_view program = launch::executableName(options);
        ASSERT_EQ(command.line.compare(0, program.size(), program), 0) << "seed " << seed << " state " << i;
        ASSERT_EQ(command.windowStyle,
                  options.chkLoad == 1 ? launch::WindowStyle::Minimized : launch::WindowStyle::Normal);
        const auto words = launch::splitCommandLine(command.line);
        if (isPlainWord(std::string(program))) {
            ASSERT_FALSE(words.empty());
            ASSERT_EQ(words.front(), program) << "seed " << seed << " state " << i;
        }
    }
    EXPECT_GT(composed, 4000);
}

TEST(Property, theGameReceivesExactlyTheWordsOfTheLine) {
    testsupport::ScratchFolder scratch;
    fs::copy_file(testsupport::standinProgram(), scratch / testsupport::gameFileName());
    const fs::path record = scratch / "record.txt";
    testsupport::ScopedEnv recording("KLEMWIN_RECORD", record.u8string());
    launch::ProcessStarter starter(scratch.path());

    RandomState state(7);
    std::size_t started = 0;
    int refused = 0;
    for (int i = 0; i < 150; ++i) {
        LaunchOptions options = state.options();
        options.chkEXE = 0; // the stand-in is the program; everything else is random
        options.txtMaxPlayers = "8";
        options.txtPlayerName = state.text(/*allowNul=*/true);
        const auto command = std::get<LaunchCommand>(launch::composeLaunch(options, state.text()));
        const auto result = starter.start(command.line, command.windowStyle);
        if (command.line.find('\0') != std::string::npos) {
            // A NUL would cut the game's words short: the start is refused instead.
            ASSERT_FALSE(result.started) << "state " << i;
            ++refused;
            continue;
        }
        if (!result.started) {
            // Only the system's limit on the length of one word or of the whole line may refuse.
            ASSERT_NE(result.error.find("too long"), std::string::npos) << result.error;
            continue;
        }
        const auto records = testsupport::waitForStandinRecords(record, ++started);
        ASSERT_EQ(records.size(), started) << "state " << i;
        ASSERT_EQ(records.back().words, launch::splitCommandLine(command.line)) << "state " << i;
    }
    EXPECT_GT(started, 120u);
    EXPECT_GT(refused, 0);
}

} // namespace
