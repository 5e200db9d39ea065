// Finding the program: order of places, the optional ".exe", and files that are no program.
#include "programLookup.h"
#include "standinRecord.h"

#include <fstream>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using launch::findProgram;
using launch::SearchPlaces;
using testsupport::ScratchFolder;

namespace {

// A file that counts as a program: executable on POSIX, a program image on Windows.
void makeProgram(const fs::path& file) {
    fs::create_directories(file.parent_path());
#ifdef _WIN32
    std::ofstream(file, std::ios::binary) << "MZ";
#else
    std::ofstream(file) << "#!/bin/sh\n";
    fs::permissions(file, fs::perms::owner_all);
#endif
}

// The file that the program name "klemwin" stands for in a folder.
const std::string game = testsupport::gameFileName();

class ProgramLookup : public testing::Test {
protected:
    ScratchFolder scratch;
    fs::path launcherFolder = scratch / "launcher";
    fs::path currentFolder = scratch / "current";
    fs::path pathFolder = scratch / "bin";

    void SetUp() override {
        fs::create_directories(launcherFolder);
        fs::create_directories(currentFolder);
        fs::create_directories(pathFolder);
    }

    SearchPlaces places() const { return {launcherFolder, currentFolder, {pathFolder}}; }
    std::optional<fs::path> find(const std::string& name) const {
        return findProgram(name, places()).program;
    }
};

TEST_F(ProgramLookup, prefersTheLauncherFolderThenTheCurrentFolderThenThePath) {
    makeProgram(pathFolder / game);
    EXPECT_EQ(find("klemwin"), pathFolder / game);
    makeProgram(currentFolder / game);
    EXPECT_EQ(find("klemwin"), currentFolder / game);
    makeProgram(launcherFolder / game);
    EXPECT_EQ(find("klemwin"), launcherFolder / game);
}

TEST_F(ProgramLookup, exeIsOptionalBothWays) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows programs always have an extension (see theNameMeansNameDotExeOnWindows)";
#endif
    makeProgram(launcherFolder / "klemwin");
    EXPECT_EQ(find("klemwin.exe"), launcherFolder / "klemwin");
    EXPECT_EQ(find("klemwin.EXE"), launcherFolder / "klemwin");
    makeProgram(currentFolder / "other.exe");
    EXPECT_EQ(find("other"), currentFolder / "other.exe");
    makeProgram(currentFolder / "game.v2");
    EXPECT_EQ(find("game.v2"), currentFolder / "game.v2");
    EXPECT_EQ(find("game"), std::nullopt);
}

TEST_F(ProgramLookup, aNameWithAFolderIsNotSearchedFor) {
    makeProgram(launcherFolder / "sub" / game);
    makeProgram(currentFolder / "sub" / game);
    EXPECT_EQ(find("sub/klemwin"), currentFolder / "sub" / game);
    EXPECT_EQ(find((launcherFolder / "sub" / "klemwin").u8string()), launcherFolder / "sub" / game);
    EXPECT_EQ(find("nowhere/klemwin"), std::nullopt);
#ifdef _WIN32
    EXPECT_EQ(find("sub\\klemwin"), currentFolder / "sub" / game);
#endif
}

TEST_F(ProgramLookup, filesThatAreNoProgramAreSkippedAndReported) {
    fs::create_directory(launcherFolder / game); // a folder
#ifdef _WIN32
    std::ofstream(currentFolder / "klemwin.exe") << "data"; // no program image
#else
    std::ofstream(currentFolder / "klemwin") << "data";                     // not executable
    fs::create_symlink(scratch / "missing", currentFolder / "klemwin.exe"); // dangling link
#endif
    auto result = findProgram("klemwin", places());
    EXPECT_EQ(result.program, std::nullopt);
    EXPECT_EQ(result.unusable, launcherFolder / game);
    EXPECT_EQ(result.folders, (std::vector<fs::path>{launcherFolder, currentFolder, pathFolder}));

    makeProgram(pathFolder / game);
    EXPECT_EQ(find("klemwin"), pathFolder / game);
}

#ifdef _WIN32
// On Windows a name without an extension means name.exe and nothing else, as the Windows process
// start has it; a name with an extension means only itself. Folders ignore case.
TEST_F(ProgramLookup, theNameMeansNameDotExeOnWindows) {
    makeProgram(launcherFolder / "klemwin.exe");
    makeProgram(launcherFolder / "klemwin");
    makeProgram(currentFolder / "other");
    makeProgram(currentFolder / "game.v2");
    const struct {
        const char* name;
        std::optional<fs::path> found;
    } cases[] = {
        {"klemwin", launcherFolder / "klemwin.exe"},
        {"klemwin.exe", launcherFolder / "klemwin.exe"},
        {"other", std::nullopt}, // "other" has no extension, so it is not "other.exe"
        {"game.v2", currentFolder / "game.v2"},
        {"game", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(find(c.name), c.found) << c.name;
    }
    for (const char* name : {"KLEMWIN", "KlemWin.EXE"}) {
        const auto found = find(name);
        ASSERT_TRUE(found) << name;
        EXPECT_TRUE(fs::equivalent(*found, launcherFolder / "klemwin.exe")) << name << " found " << *found;
    }
}

// A batch file would run through the command interpreter: it never counts as the game, whatever
// it begins with and however its name is spelled.
TEST_F(ProgramLookup, batchFilesAreNoProgramsOnWindows) {
    for (const char* name : {"start.bat", "start.cmd", "START.BAT", "start.bat.", "start.cmd . "}) {
        const fs::path file = launcherFolder / "batch" / name;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << "MZ@echo off\r\n";
        EXPECT_FALSE(launch::isRunnableFile(file)) << name;
        fs::remove_all(file.parent_path());
    }
    makeProgram(launcherFolder / "start.bat");
    const auto result = findProgram("start.bat", places());
    EXPECT_EQ(result.program, std::nullopt);
    EXPECT_EQ(result.unusable, launcherFolder / "start.bat");
}
#endif

TEST_F(ProgramLookup, anEmptyNameFindsNothingAndSearchesNowhere) {
    makeProgram(launcherFolder / ".exe");
    auto result = findProgram("", places());
    EXPECT_EQ(result.program, std::nullopt);
    EXPECT_TRUE(result.folders.empty());
}

TEST(SearchPath, emptyEntriesAreDropped) {
#ifdef _WIN32
    // ";" separates; the ":" of a drive belongs to the folder.
    EXPECT_EQ(launch::splitSearchPath("C:\\a;;D:\\b c;"), (std::vector<fs::path>{"C:\\a", "D:\\b c"}));
#else
    EXPECT_EQ(launch::splitSearchPath("/a::/b:"), (std::vector<fs::path>{"/a", "/b"}));
#endif
    EXPECT_TRUE(launch::splitSearchPath("").empty());
}

} // namespace
