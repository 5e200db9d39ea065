// The real process start on Windows with copies of the stand-in game: which file is started, the
// show-window hint, the command line as wide text, and the words a Windows program makes of it.
#include "GameStarter.h"
#include "commandLine.h"
#include "standinRecord.h"

#include <cstdint>
#include <fstream>
#include <optional>

#include <gtest/gtest.h>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace fs = std::filesystem;
using launch::ProcessStarter;
using launch::WindowStyle;
using testsupport::ScopedEnv;
using testsupport::ScratchFolder;
using testsupport::StandinStart;

namespace {

class WindowsStart : public testing::Test {
protected:
    ScratchFolder scratch;
    fs::path launcherFolder = scratch / "game";
    fs::path currentFolder = scratch / "current";
    fs::path pathFolder = scratch / "bin";
    fs::path record = scratch / "record.txt";
    ScopedEnv recording{"KLEMWIN_RECORD", record.u8string()};
    std::optional<ScopedEnv> path;
    fs::path previousFolder;

    void SetUp() override {
        for (const auto& folder : {launcherFolder, currentFolder, pathFolder}) {
            fs::create_directory(folder);
        }
        // The current folder and the search path are places the game is looked for: each test
        // has its own, empty until it puts a game there.
        previousFolder = fs::current_path();
        fs::current_path(currentFolder);
        path.emplace("PATH", pathFolder.u8string() + ";C:\\windows\\system32;C:\\windows");
    }

    void TearDown() override { fs::current_path(previousFolder); }

    static void putGame(const fs::path& folder) {
        fs::create_directories(folder);
        fs::copy_file(testsupport::standinProgram(), folder / "klemwin.exe");
    }

    // Starts the line and returns what the stand-in recorded about that start.
    StandinStart startRecorded(const std::string& line, WindowStyle style = WindowStyle::Normal,
                               const fs::path& launcher = {}) {
        const auto before = testsupport::readStandinRecords(record).size();
        const auto result = ProcessStarter(launcher.empty() ? launcherFolder : launcher).start(line, style);
        EXPECT_TRUE(result.started) << line << "\n" << result.error;
        const auto records = testsupport::waitForStandinRecords(record, before + 1);
        if (records.size() <= before) {
            ADD_FAILURE() << "the stand-in recorded no start for: " << line;
            return {};
        }
        return records.back();
    }

    static bool isFile(const std::string& recorded, const fs::path& expected) {
        std::error_code error;
        return fs::equivalent(fs::u8path(recorded), expected, error);
    }
};

// The game beside the launcher wins over copies in the current folder and on the search path, and
// each of those is found once the ones before it are gone. Every copy would record the same words,
// so the record of the file that ran tells them apart.
TEST_F(WindowsStart, theGameBesideTheLauncherComesFirstThenTheCurrentFolderThenThePath) {
    putGame(launcherFolder);
    putGame(currentFolder);
    putGame(pathFolder);
    for (const auto& expected : {launcherFolder, currentFolder, pathFolder}) {
        SCOPED_TRACE(expected.u8string());
        const auto start = startRecorded("klemwin -skin COMET");
        EXPECT_TRUE(isFile(start.program, expected / "klemwin.exe")) << "ran " << start.program;
        EXPECT_EQ(start.words, (std::vector<std::string>{"klemwin", "-skin", "COMET"}));
        // The copy just started may still be running for a moment; Windows keeps its file then.
        for (int attempt = 0; fs::exists(expected / "klemwin.exe") && attempt < 100; ++attempt) {
            std::error_code error;
            if (!fs::remove(expected / "klemwin.exe", error)) {
                Sleep(50);
            }
        }
    }
}

// However the name is typed, the same file runs, and the game sees the name as typed.
TEST_F(WindowsStart, everySpellingOfTheNameStartsTheGameBesideTheLauncher) {
    putGame(launcherFolder);
    putGame(currentFolder);
    putGame(pathFolder);
    const fs::path full = launcherFolder / "klemwin.exe";
    const struct {
        std::string line;
        std::string firstWord;
    } cases[] = {
        {"klemwin -x", "klemwin"},
        {"klemwin.exe -x", "klemwin.exe"},
        {"KLEMWIN.EXE -x", "KLEMWIN.EXE"},
        {"\"klemwin\" -x", "klemwin"},
        {"\"" + full.u8string() + "\" -x", full.u8string()},
        {"..\\game\\klemwin -x", "..\\game\\klemwin"}, // a folder in the name: from the current folder
    };
    for (const auto& c : cases) {
        const auto start = startRecorded(c.line);
        EXPECT_TRUE(isFile(start.program, full)) << c.line << " ran " << start.program;
        EXPECT_EQ(start.words, (std::vector<std::string>{c.firstWord, "-x"})) << c.line;
    }
}

TEST_F(WindowsStart, theWindowStyleIsTheShowWindowHint) {
    putGame(launcherFolder);
    const struct {
        WindowStyle style;
        int hint;
    } cases[] = {{WindowStyle::Normal, SW_SHOWNORMAL}, {WindowStyle::Minimized, SW_SHOWMINIMIZED}};
    static_assert(SW_SHOWNORMAL == 1 && SW_SHOWMINIMIZED == 2);
    for (const auto& c : cases) {
        EXPECT_EQ(startRecorded("klemwin -skin COMET", c.style).showHint, c.hint);
    }
}

// The line is UTF-8; the game gets it as UTF-16 and reads back the same characters, also from a
// game folder whose name is not plain ASCII and has a blank in it.
TEST_F(WindowsStart, textThatIsNotAsciiArrivesIntact) {
    const std::string name = "Zo\xc3\xab \xe2\x98\x85";
    const std::string line = "klemwin -name \"" + name + "\" -skin \xe5\xbd\x97\xe6\x98\x9f";
    putGame(launcherFolder);
    auto start = startRecorded(line);
    EXPECT_EQ(start.line, line);
    EXPECT_EQ(start.words,
              (std::vector<std::string>{"klemwin", "-name", name, "-skin", "\xe5\xbd\x97\xe6\x98\x9f"}));

    const fs::path otherFolder = scratch.path() / fs::u8path("Spiele f\xc3\xbcr Zo\xc3\xab \xe2\x98\x85");
    putGame(otherFolder);
    start = startRecorded("klemwin -name " + name, WindowStyle::Normal, otherFolder);
    EXPECT_TRUE(isFile(start.program, otherFolder / "klemwin.exe")) << "ran " << start.program;
    EXPECT_EQ(start.words, (std::vector<std::string>{"klemwin", "-name", "Zo\xc3\xab", "\xe2\x98\x85"}));
}

// The launcher splits a line with the same rules as the game's C runtime will: the words it looks
// up and shows are the words a Windows program receives. The doubled quote inside quotes is where
// older rules (those of CommandLineToArgvW) differ.
TEST_F(WindowsStart, theGameReceivesTheWordsTheLauncherSplits) {
    putGame(launcherFolder);
    const std::string lines[] = {
        "klemwin -file \"C:\\Games\\My Wads\\a.wad\" -skin COMET",
        "klemwin\t-name\tComet \t -color 7\t",
        "klemwin -name \"\" -x",
        "klemwin -dir C:\\Games\\ -x C:\\a\\\\b",
        "klemwin -dir \"C:\\Games\\\\\" -x",
        "klemwin -say \\\"hi\\\" -say a\\\\\\\"b",
        "klemwin -say \"a \\\"quoted\\\" word\" -say pre\"mid dle\"post",
        "klemwin -say \"unclosed quote\tand tab",
        "\"klemwin\" -x \"\t\"",
        "kl\"em\"win -x",
        "klemwin -say \"a\"\"b c\" -say a\"\"\"b c -say \"\"\"\"",
        // Characters of the command interpreter are plain characters: nothing runs them.
        "klemwin & echo x > marker | type marker ^& %PATH% !x! (y) <z",
    };
    for (const auto& line : lines) {
        const auto start = startRecorded(line);
        EXPECT_EQ(start.words, launch::splitCommandLine(line)) << line;
        EXPECT_EQ(start.line, line);
    }
    EXPECT_FALSE(fs::exists(currentFolder / "marker"));
}

// Windows passes at most 32766 UTF-16 units: a line of exactly that many arrives whole, whatever
// its length in UTF-8; one unit more is refused rather than handed over cut short.
TEST_F(WindowsStart, theLongestLineArrivesWholeAndALongerOneIsRefused) {
    putGame(launcherFolder);
    const std::string clef = "\xf0\x9d\x84\x9e"; // two UTF-16 units
    std::string word = clef;
    const std::string head = "klemwin -name "; // 14 units
    while (head.size() + 2 + (word.size() - clef.size()) / 3 < 32766) {
        word += "\xe2\x98\x85"; // one unit, three bytes
    }
    const std::string line = head + word;
    const auto start = startRecorded(line);
    EXPECT_EQ(start.line.size(), line.size());
    EXPECT_TRUE(start.line == line);
    EXPECT_TRUE(start.words == (std::vector<std::string>{"klemwin", "-name", word}));

    const auto result = ProcessStarter(launcherFolder).start(line + "x", WindowStyle::Normal);
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.error.find("too long"), std::string::npos) << result.error;
    Sleep(200);
    EXPECT_EQ(testsupport::readStandinRecords(record).size(), 1u);
}

TEST_F(WindowsStart, aMissingGameIsReportedWithTheFoldersSearchedAndNothingStarts) {
    const auto result = ProcessStarter(launcherFolder).start("klemwin -skin COMET", WindowStyle::Normal);
    EXPECT_FALSE(result.started);
    for (const std::string& part : {std::string("\"klemwin\""), launcherFolder.u8string(),
                                    currentFolder.u8string(), pathFolder.u8string()}) {
        EXPECT_NE(result.error.find(part), std::string::npos) << part << " is not in:\n" << result.error;
    }
    Sleep(200);
    EXPECT_FALSE(fs::exists(record));
}

// A batch file is run by the command interpreter, which would read "&" and ">" in the game's
// options as commands: it is refused, and nothing runs.
TEST_F(WindowsStart, aBatchFileIsNeverStarted) {
    putGame(launcherFolder);
    std::ofstream(launcherFolder / "klemwin.bat")
        << "@echo off\r\necho ran> \"" << (scratch / "ran").string() << "\"\r\n";
    const std::string line = "klemwin.bat -name x & echo x > \"" + (scratch / "marker").string() + "\"";
    const auto result = ProcessStarter(launcherFolder).start(line, WindowStyle::Normal);
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.error.find("klemwin.bat exists but is not a program"), std::string::npos)
        << result.error;
    Sleep(500);
    EXPECT_FALSE(fs::exists(scratch / "ran"));
    EXPECT_FALSE(fs::exists(scratch / "marker"));
    EXPECT_FALSE(fs::exists(record));
}

// The handles this process has open, counted one by one (GetProcessHandleCount is not available
// everywhere the tests run, wine among them).
int openHandles() {
    int count = 0;
    for (std::uintptr_t value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
        }
    }
    return count;
}

// Each start closes the handles of the new process and its thread at once: starting many games
// leaves the launcher with no more open handles than before.
TEST_F(WindowsStart, noHandleIsKeptPerStart) {
    putGame(launcherFolder);
    startRecorded("klemwin -warm-up");
    const int before = openHandles();
    constexpr int starts = 10;
    for (int i = 0; i < starts; ++i) {
        ASSERT_TRUE(ProcessStarter(launcherFolder).start("klemwin -n", WindowStyle::Minimized).started);
    }
    EXPECT_EQ(testsupport::waitForStandinRecords(record, starts + 1).size(), std::size_t{starts + 1});
    const int after = openHandles();
    EXPECT_LT(after, before + starts)
        << "handles before: " << before << ", after " << starts << " starts: " << after;
}

} // namespace
