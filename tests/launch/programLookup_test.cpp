// Finding the program: order of places, the optional ".exe", and files that are no program.
#include <fstream>

#include <gtest/gtest.h>

#include "programLookup.h"
#include "standinRecord.h"

namespace fs = std::filesystem;
using launch::findProgram;
using launch::SearchPlaces;
using testsupport::ScratchFolder;

namespace {

void makeProgram(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "#!/bin/sh\n";
    fs::permissions(file, fs::perms::owner_all);
}

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
    makeProgram(pathFolder / "klemwin");
    EXPECT_EQ(find("klemwin"), pathFolder / "klemwin");
    makeProgram(currentFolder / "klemwin");
    EXPECT_EQ(find("klemwin"), currentFolder / "klemwin");
    makeProgram(launcherFolder / "klemwin");
    EXPECT_EQ(find("klemwin"), launcherFolder / "klemwin");
}

TEST_F(ProgramLookup, exeIsOptionalBothWays) {
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
    makeProgram(launcherFolder / "sub" / "klemwin");
    makeProgram(currentFolder / "sub" / "klemwin");
    EXPECT_EQ(find("sub/klemwin"), currentFolder / "sub" / "klemwin");
    EXPECT_EQ(find((launcherFolder / "sub" / "klemwin").string()), launcherFolder / "sub" / "klemwin");
    EXPECT_EQ(find("nowhere/klemwin"), std::nullopt);
}

TEST_F(ProgramLookup, filesThatAreNoProgramAreSkippedAndReported) {
    fs::create_directory(launcherFolder / "klemwin");                       // a folder
    std::ofstream(currentFolder / "klemwin") << "data";                     // not executable
    fs::create_symlink(scratch / "missing", currentFolder / "klemwin.exe"); // dangling link
    auto result = findProgram("klemwin", places());
    EXPECT_EQ(result.program, std::nullopt);
    EXPECT_EQ(result.unusable, launcherFolder / "klemwin");
    EXPECT_EQ(result.folders, (std::vector<fs::path>{launcherFolder, currentFolder, pathFolder}));

    makeProgram(pathFolder / "klemwin");
    EXPECT_EQ(find("klemwin"), pathFolder / "klemwin");
}

TEST_F(ProgramLookup, anEmptyNameFindsNothingAndSearchesNowhere) {
    makeProgram(launcherFolder / ".exe");
    auto result = findProgram("", places());
    EXPECT_EQ(result.program, std::nullopt);
    EXPECT_TRUE(result.folders.empty());
}

TEST(SearchPath, emptyEntriesAreDropped) {
    EXPECT_EQ(launch::splitSearchPath("/a::/b:"), (std::vector<fs::path>{"/a", "/b"}));
    EXPECT_TRUE(launch::splitSearchPath("").empty());
}

} // namespace
