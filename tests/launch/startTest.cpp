// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// From a command line to a running game: finding the program, the real start of copies of the
// stand-in game, the words they receive, failures, no shell and no zombies. The same tables run
// on POSIX and on Windows; on Linux also through Wine to the Windows stand-in.
#include "GameStarter.h"
#include "commandLine.h"
#include "programLookup.h"
#include "standinRecord.h"
#include "testSupport.h"

#include <fstream>
#include <functional>
#include <thread>
#include <tuple>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using launch::GameProcess;
using launch::ProcessStarter;
using launch::StartFailure;
using Reason = launch::StartFailure::Reason;
using launch::WindowStyle;

namespace {

#ifdef _WIN32
const std::string systemPath = ";C:\\windows\\system32;C:\\windows";
#else
const std::string systemPath = ":/usr/bin:/bin";
#endif
const std::string gameName = standin::gameFileName();

// A file that the lookup counts as a program: executable on POSIX, a program image on Windows.
void makeProgram(const fs::path& file, const std::string& content = "MZ") {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
    fs::permissions(file, fs::perms::owner_all);
}

// The launcher's folder holds the stand-in game; the current folder and the search path are
// empty folders of their own.
class Start : public testing::Test {
protected:
    testsupport::ScratchFolder scratch;
    fs::path launcherFolder = scratch / "game";
    fs::path currentFolder = scratch / "current";
    fs::path pathFolder = scratch / "bin";
    fs::path record = scratch / "record.txt";
    fs::path game = launcherFolder / gameName;
    testsupport::ScopedEnv recording{"KLEMWIN_RECORD", record.u8string()};
    testsupport::ScopedEnv path{"PATH", pathFolder.u8string() + systemPath};
    fs::path previousFolder = fs::current_path();

    void SetUp() override {
        for (const auto& folder : {launcherFolder, currentFolder, pathFolder}) {
            fs::create_directory(folder);
        }
        fs::copy_file(standin::program(), game);
        fs::current_path(currentFolder);
    }
    bool refusedOne = false;
    void TearDown() override {
        fs::current_path(previousFolder);
        if (refusedOne) { // a refused start that went ahead after all would record within this time
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            EXPECT_FALSE(fs::exists(record));
        }
    }

#ifdef KLEM_WINDOWS_STANDIN_PATH
    // The game becomes the stand-in built for Windows, which starts through Wine with the
    // launcher's wine-start.exe beside it.
    void useWindowsGame() {
        fs::remove(game);
        game = launcherFolder / "klemwin.exe";
        fs::copy_file(KLEM_WINDOWS_STANDIN_PATH, game);
        fs::copy_file(KLEM_WINE_START_PATH, launcherFolder / "wine-start.exe");
    }
#endif

    std::optional<fs::path> find(const std::string& name) const {
        return launch::findProgram(name, {launcherFolder, currentFolder, {pathFolder}}).program;
    }

    // The game a line starts, as it recorded its start. The process id the start gives is the game's,
    // but for a Windows game through Wine (named klemwin.exe here), which Wine starts under an id of
    // its own.
    standin::Start started(const std::string& line, WindowStyle style = WindowStyle::Normal) {
        const auto before = standin::waitForRecords(record, 0).size();
        const auto result = ProcessStarter(launcherFolder).start(line, style);
        const auto* failure = std::get_if<StartFailure>(&result);
        EXPECT_FALSE(failure) << line << "\n" << failure->program << ": " << failure->detail;
        const auto records = standin::waitForRecords(record, before + 1);
        const standin::Start start = records.size() > before ? records.back() : standin::Start{};
        if (!failure && game.filename() == gameName) {
            EXPECT_EQ(std::get<GameProcess>(result).id, start.pid) << line;
        }
        return start;
    }

    // Why a start that must fail failed; nothing may run.
    StartFailure refused(const std::string& line) {
        const auto result = ProcessStarter(launcherFolder).start(line, WindowStyle::Normal);
        const auto* failure = std::get_if<StartFailure>(&result);
        EXPECT_TRUE(failure) << line;
        refusedOne = true;
        return failure ? *failure : StartFailure{};
    }
};

// The launcher's folder comes first, then the current folder, then the search path; empty entries
// of the search path count for nothing. ".exe" is optional (on Windows a name without an extension
// means name.exe); another extension is kept. A name with a folder in it is taken from the current
// folder only.
TEST_F(Start, findsTheProgramAsTyped) {
    for (const auto& file : {currentFolder / gameName, pathFolder / "other.exe", currentFolder / "game.v2",
                             currentFolder / "sub" / "other.exe", launcherFolder / "sub" / "other.exe"}) {
        makeProgram(file);
    }
    EXPECT_EQ(find("klemwin"), game);
    fs::remove(game);
    EXPECT_EQ(find("klemwin"), currentFolder / gameName);
    EXPECT_EQ(find("other"), pathFolder / "other.exe");
    EXPECT_EQ(find("game.v2"), currentFolder / "game.v2");
    EXPECT_EQ(find("game"), std::nullopt);
    EXPECT_EQ(find((fs::path("sub") / "other").u8string()), currentFolder / "sub" / "other.exe");
    EXPECT_EQ(launch::splitSearchPath(systemPath + systemPath.front()).size(), 2u);
}

// However the line quotes and spaces its words, the game receives exactly the words the launcher
// splits, and what a shell or the command interpreter would act on is plain text. A Windows game
// (on Linux one started through Wine) also receives the command line itself and the show-window
// hint, whatever the locale.
class EveryGame : public Start, public testing::WithParamInterface<bool> {};

TEST_P(EveryGame, receivesTheWordsOfTheLine) {
    const bool windowsGame = GetParam();
#ifdef KLEM_WINDOWS_STANDIN_PATH
    if (windowsGame) {
        useWindowsGame();
    }
#endif
    testsupport::ScopedEnv locale("LANG", "C");
    // Lines that quote and space their words every way, with non-ASCII text and text a shell or
    // the command interpreter would act on: a command run would make the file `marker` or "marker".
    const std::string marker = (scratch / "marker").u8string();
    const std::string zoe = "Zo\xc3\xab \xe2\x98\x84";
    std::vector<std::string> lines = {
        "klemwin -file a.wad -skin COMET -color 7 -connect  -name Comet ",
        "\"klemwin\" -name " + zoe + " \"" + zoe + "\" -skin \xe5\xbd\x97\xe6\x98\x9f\t-x \t -y\t",
        "klemwin -file \"C:\\Games\\My Wads\\a.wad\" -x C:\\a\\\\b -dir \"C:\\Games\\\\\" \"\" \"\t\"",
        "klemwin -say \\\"hi\\\" a\\\\\\\"b \"a \\\"quoted\\\" word\" pre\"mid dle\"post \"a\"\"b c\" "
        "a\"\"\"b \"\"\"\" \"open",
        "klemwin -name ;touch " + marker + " $(touch " + marker + ") `touch " + marker + "` | tee " + marker +
            " && touch " + marker + " > marker & echo x > marker | type marker ^& %PATH% !x! (y) <z",
        "klemwin.exe -loadgame 2"};
#ifdef _WIN32
    lines.insert(lines.end(), {"KLEMWIN.EXE -x", "kl\"em\"win -x", "..\\game\\klemwin -x"});
#endif
    // A copy in the current folder must not win over the one beside the launcher.
    fs::copy_file(standin::program(), currentFolder / gameName);
    for (const auto& line : lines) {
        const auto start = started(line);
        EXPECT_EQ(start.words, launch::splitCommandLine(line)) << line;
        if (windowsGame) {
            EXPECT_EQ(start.line, line);
            EXPECT_EQ(start.showHint, 1); // SW_SHOWNORMAL
#ifdef _WIN32
            // The copy beside the launcher ran, not the one in the current folder.
            std::error_code error;
            EXPECT_TRUE(fs::equivalent(fs::u8path(start.program), game, error))
                << line << " ran " << start.program;
#endif
        }
    }
    EXPECT_FALSE(fs::exists(marker) || fs::exists(currentFolder / "marker"));
    EXPECT_EQ(started("klemwin", WindowStyle::Minimized).showHint, windowsGame ? 2 : -1); // SW_SHOWMINIMIZED
}

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Windows, EveryGame, testing::Values(true));
#elif defined(KLEM_WINDOWS_STANDIN_PATH)
INSTANTIATE_TEST_SUITE_P(NativeAndThroughWine, EveryGame, testing::Values(false, true));
#else // built without the Windows programs
INSTANTIATE_TEST_SUITE_P(Native, EveryGame, testing::Values(false));
#endif

// Every start is another game, also one found on the search path only, and none is left as a
// zombie when it ends.
TEST_F(Start, everyStartIsAnotherGameAndNoneIsLeftAsAZombie) {
    const long first = started("klemwin -one").pid;
    fs::rename(game, pathFolder / gameName);
    const auto second = started("klemwin -two", WindowStyle::Minimized);
    EXPECT_EQ(second.words, (std::vector<std::string>{"klemwin", "-two"}));
    EXPECT_NE(second.pid, first);
    // Until both games have left the process table: a reaped game does at once, a zombie never.
    const auto listed = [](long pid) {
        return fs::exists("/proc/" + std::to_string(pid));
    };
    for (int wait = 0; (listed(first) || listed(second.pid)) && wait < 2000; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(testsupport::zombieChildren(), "") << "exited games were not reaped";
}

// Without a program to run nothing starts, and the failure says what was looked for, where, and
// what is wrong with a file of that name.
TEST_F(Start, withoutAProgramNothingStartsAndTheFailureSaysWhy) {
    fs::remove(game);
    const StartFailure missing = refused("klemwin -skin COMET");
    EXPECT_EQ(std::tie(missing.reason, missing.program),
              std::make_tuple(Reason::NotFound, std::string("klemwin")));
    EXPECT_EQ(
        std::vector<fs::path>(missing.folders.begin(), missing.folders.begin() + 3), // then the system's
        (std::vector<fs::path>{launcherFolder, currentFolder, pathFolder}));
    // An empty alternate name: the line begins with a blank. A NUL would cut the words short.
    EXPECT_EQ(refused(" -skin COMET -color 7 ").reason, Reason::EmptyName);
    EXPECT_EQ(refused(std::string("klemwin -name a\0b", 16)).reason, Reason::NulCharacter);
    const std::tuple<std::function<void()>, Reason, const char*> unusable[] = {
        {[&] { fs::create_directory(game); }, Reason::NotFound, ""},
        {[&] { std::ofstream(game) << "data"; }, Reason::NotFound, ""}, // no program image, not executable
#ifdef _WIN32
        {[&] { // an image header pointing to an empty PE header: the system's reason reads as a sentence
             std::string image(0x200, '\0');
             image.replace(0, 2, "MZ").replace(0x40, 2, "PE")[0x3c] = 0x40;
             std::ofstream(game, std::ios::binary) << image;
         },
         Reason::Refused, " "},
#else
        {[&] { fs::create_symlink(scratch / "gone", game); }, Reason::NotFound, ""},
        {[&] { makeProgram(game, ""); }, Reason::EmptyFile, ""},
        {[&] { makeProgram(game, "MZ, but no program"); }, Reason::BrokenWindowsProgram, ""},
        {[&] { makeProgram(game, "#!/nowhere/to/be/found\n"); }, Reason::Refused,
         "No such file or directory"},
#endif
    };
    for (const auto& [make, reason, says] : unusable) {
        fs::remove_all(game);
        make();
        const StartFailure failure = refused("klemwin -skin COMET");
        EXPECT_EQ(failure.reason, reason) << failure.detail;
        EXPECT_EQ(reason == Reason::NotFound ? failure.unusable.value_or("").u8string() : failure.program,
                  game.u8string());
        EXPECT_NE(failure.detail.find(says), std::string::npos) << failure.detail;
        EXPECT_EQ(failure.detail.find("%1"), std::string::npos) << failure.detail;
    }
}

#ifdef _WIN32
// Windows passes at most 32766 UTF-16 units: a line of exactly that many arrives whole, whatever
// its length in UTF-8; one unit more is refused rather than handed over cut short, and so is a
// batch file, which the command interpreter would run.
TEST_F(Start, theLongestLineArrivesWholeAndNoBatchFileStarts) {
    std::string line = "klemwin -name \xf0\x9d\x84\x9e"; // 16 units: the clef takes two
    for (std::size_t units = 16; units < 32766; ++units) {
        line += "\xe2\x98\x85"; // one unit, three bytes
    }
    EXPECT_TRUE(started(line).line == line);
    fs::remove(record);
    EXPECT_EQ(refused(line + "x").detail, std::to_string(StartFailure::longestLine + 1));
    std::ofstream(launcherFolder / "klemwin.bat") << "MZ@echo off\r\necho ran> marker\r\n";
    const StartFailure batch = refused("klemwin.bat -x & echo x > marker");
    EXPECT_EQ(std::tie(batch.reason, batch.unusable),
              std::make_tuple(Reason::NotFound, std::optional(launcherFolder / "klemwin.bat")));
    EXPECT_FALSE(fs::exists(currentFolder / "marker"));
}
#endif

#ifdef KLEM_WINDOWS_STANDIN_PATH
// Without Wine, or without wine-start.exe, nothing starts, and the failure says why.
TEST_F(Start, aWindowsGameWithoutWineDoesNotStartAndTheFailureSaysWhy) {
    useWindowsGame();
    {
        testsupport::ScopedEnv noWine("PATH", pathFolder.u8string());
        const StartFailure failure = refused("klemwin -x");
        EXPECT_EQ(std::tie(failure.reason, failure.folders),
                  std::make_tuple(Reason::WineMissing, std::vector<fs::path>{pathFolder}));
    }
    fs::remove(launcherFolder / "wine-start.exe");
    EXPECT_EQ(refused("klemwin -x").reason, Reason::WineStartMissing);
}
#endif

} // namespace
