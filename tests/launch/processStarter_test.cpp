// The real process start with the stand-in game: lookup, words received, failures, no shell and
// no zombies.
#include "GameStarter.h"
#include "commandLine.h"
#include "standinRecord.h"

#include <chrono>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using launch::ProcessStarter;
using launch::WindowStyle;
using testsupport::ScopedEnv;
using testsupport::ScratchFolder;

namespace {

class ProcessStart : public testing::Test {
protected:
    ScratchFolder scratch;
    fs::path launcherFolder = scratch / "game";
    fs::path record = scratch / "record.txt";
    fs::path game = launcherFolder / testsupport::gameFileName();
    ScopedEnv recording{"KLEMWIN_RECORD", record.u8string()};
    ProcessStarter starter{launcherFolder};

    void SetUp() override {
        fs::create_directory(launcherFolder);
        fs::copy_file(testsupport::standinProgram(), game);
    }

    // Starts the line and returns the words the stand-in received.
    std::vector<std::string> wordsReceived(const std::string& line) {
        const auto before = testsupport::readStandinRecords(record).size();
        const auto result = starter.start(line, WindowStyle::Normal);
        EXPECT_TRUE(result.started) << result.error;
        const auto records = testsupport::waitForStandinRecords(record, before + 1);
        return records.size() > before ? records.back().words : std::vector<std::string>{};
    }

    static bool waitUntil(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }
};

TEST_F(ProcessStart, theGameBesideTheLauncherReceivesTheWordsOfTheLine) {
    const std::string line = "klemwin -file a.wad -skin COMET -color 7 -connect  -name Comet ";
    EXPECT_EQ(wordsReceived(line), launch::splitCommandLine(line));
    EXPECT_EQ(wordsReceived("klemwin.exe -loadgame 2"),
              (std::vector<std::string>{"klemwin.exe", "-loadgame", "2"}));
}

TEST_F(ProcessStart, textReachesTheGameUnchanged) {
    const std::string name = "Zo\xc3\xab \xe2\x98\x85";
    EXPECT_EQ(wordsReceived("klemwin -name " + name + " \"quoted words\" back\\slash"),
              (std::vector<std::string>{"klemwin", "-name", "Zo\xc3\xab", "\xe2\x98\x85", "quoted words",
                                        "back\\slash"}));
}

TEST_F(ProcessStart, shellCharactersAreLiteralWordsAndRunNothing) {
    const fs::path marker = scratch / "marker";
    const std::string m = marker.string();
    const std::string line = "klemwin -name ;touch " + m + " $(touch " + m + ") `touch " + m + "` | tee " +
                             m + " && touch " + m + " > " + m;
    EXPECT_EQ(wordsReceived(line), launch::splitCommandLine(line));
    EXPECT_FALSE(fs::exists(marker));
}

TEST_F(ProcessStart, everyStartIsAnotherGameAndNoneIsLeftAsAZombie) {
    ASSERT_TRUE(starter.start("klemwin -one", WindowStyle::Normal).started);
    ASSERT_TRUE(starter.start("klemwin -two", WindowStyle::Minimized).started);
    const auto records = testsupport::waitForStandinRecords(record, 2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NE(records[0].pid, records[1].pid);
#ifdef __linux__
    EXPECT_TRUE(waitUntil([] { return testsupport::zombieChildren() == 0; }))
        << testsupport::zombieChildren() << " exited games were not reaped";
#endif
}

TEST_F(ProcessStart, aMissingProgramSaysWhatWasLookedForAndWhere) {
    fs::remove(game);
    const auto result = starter.start("klemwin -skin COMET", WindowStyle::Normal);
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.error.find("\"klemwin\""), std::string::npos) << result.error;
    EXPECT_NE(result.error.find(launcherFolder.u8string()), std::string::npos) << result.error;
    EXPECT_FALSE(fs::exists(record));
}

TEST_F(ProcessStart, anEmptyProgramNameStartsNothing) {
    // With an empty alternate name the line begins with a blank.
    const auto result = starter.start(" -skin COMET -color 7 ", WindowStyle::Normal);
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.error.find("program name is empty"), std::string::npos) << result.error;
    EXPECT_FALSE(starter.start("", WindowStyle::Normal).started);
    EXPECT_FALSE(fs::exists(record));
}

TEST_F(ProcessStart, hostileFilesGiveAClearError) {
    struct Hostile {
        const char* what;
        std::function<void(const fs::path&)> make;
        const char* says;
    };
    const Hostile cases[] = {
        {"a folder", [](const fs::path& p) { fs::create_directory(p); }, "is not a program"},
#ifdef _WIN32
        // Windows has no execute permission or links to speak of; what is no program image is
        // no program, and the system's own reason for a damaged one reads as a sentence.
        {"no program image", [](const fs::path& p) { std::ofstream(p) << "data"; }, "is not a program"},
        {"an empty file", [](const fs::path& p) { std::ofstream{p}; }, "is not a program"},
        {"a damaged program",
         [](const fs::path& p) {
             // An image header that points to a PE header with nothing in it.
             std::string image(0x200, '\0');
             image.replace(0, 2, "MZ");
             image[0x3c] = 0x40;
             image.replace(0x40, 2, "PE");
             std::ofstream(p, std::ios::binary) << image;
         },
         ": "}, // the system's reason follows the program's path
#else
        {"not executable",
         [](const fs::path& p) {
             std::ofstream(p) << "\x7f"
                                 "ELF";
         },
         "is not a program"},
        {"a dangling link", [&](const fs::path& p) { fs::create_symlink(scratch / "gone", p); },
         "is not a program"},
        {"an empty file",
         [](const fs::path& p) {
             std::ofstream{p};
             fs::permissions(p, fs::perms::owner_all);
         },
         "Exec format error"},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(game);
        c.make(game);
        const auto result = starter.start("klemwin -skin COMET", WindowStyle::Normal);
        EXPECT_FALSE(result.started);
        EXPECT_NE(result.error.find(c.says), std::string::npos) << result.error;
        EXPECT_NE(result.error.find(game.u8string()), std::string::npos) << result.error;
        EXPECT_EQ(result.error.find("%1"), std::string::npos) << result.error;
    }
    EXPECT_FALSE(fs::exists(record));
}

TEST_F(ProcessStart, aProgramOnlyOnTheSearchPathIsFound) {
    const fs::path bin = scratch / "bin";
    fs::create_directory(bin);
    fs::rename(game, bin / game.filename());
#ifdef _WIN32
    ScopedEnv path("PATH", bin.u8string() + ";C:\\windows\\system32;C:\\windows");
#else
    ScopedEnv path("PATH", bin.string() + ":/usr/bin:/bin");
#endif
    EXPECT_EQ(wordsReceived("klemwin -x"), (std::vector<std::string>{"klemwin", "-x"}));
}

} // namespace
