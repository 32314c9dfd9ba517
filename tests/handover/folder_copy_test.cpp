// The tree copy over an in-memory tree: walk order, copy modes and result codes.
#include "handover/folder_copy.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fake_file_system.h"
#include "handover/path_scan.h"
#include "handover/path_tests.h"

namespace handover {
namespace {

class FolderCopyTest : public ::testing::Test {
 protected:
  FolderCopyTest() {
    fs.AddFolder("C:\\src");
    fs.AddFolder("C:\\dst");
  }
  int Copy(int mode = COPY_MODE_OVERWRITE, const char* suffix = nullptr, int subFolders = 1,
           const char* source = "C:\\src", const char* dest = "C:\\dst") {
    char s[kPathRecordSize] = {}, d[kPathRecordSize] = {};
    std::strcpy(s, source);
    std::strcpy(d, dest);
    fs.log.clear();
    return CopyFolderTree(fs, d, s, mode, suffix, subFolders);
  }
  std::vector<std::string> Log(const char* kind) const {
    std::vector<std::string> out;
    for (const std::string& line : fs.log)
      if (line.compare(0, std::strlen(kind), kind) == 0) out.push_back(line);
    return out;
  }
  FakeFileSystem fs;
};

TEST_F(FolderCopyTest, EachFolderIsListedBeforeItsSubFoldersDepthFirstInListingOrder) {
  fs.AddFolder("C:\\src\\b");
  fs.AddFile("C:\\src\\1.txt", "one");
  fs.AddFolder("C:\\src\\a");
  fs.AddFolder("C:\\src\\b\\x");
  fs.AddFile("C:\\src\\b\\x\\2.txt", "two");
  fs.AddFile("C:\\src\\a\\3.txt", "three");
  EXPECT_EQ(Copy(), COPY_OK);
  const std::vector<std::string> expected = {
      "list C:\\src\\*.*",
      "mkdir C:\\dst\\b",
      "copy C:\\src\\1.txt -> C:\\dst\\1.txt",
      "mkdir C:\\dst\\a",
      "list C:\\src\\b\\*.*",
      "mkdir C:\\dst\\b\\x",
      "list C:\\src\\b\\x\\*.*",
      "copy C:\\src\\b\\x\\2.txt -> C:\\dst\\b\\x\\2.txt",
      "list C:\\src\\a\\*.*",
      "copy C:\\src\\a\\3.txt -> C:\\dst\\a\\3.txt",
  };
  std::vector<std::string> actions;
  for (const std::string& line : fs.log)
    if (line.compare(0, 4, "list") == 0 || line.compare(0, 5, "mkdir") == 0 || line.compare(0, 4, "copy") == 0)
      actions.push_back(line);
  EXPECT_EQ(actions, expected);
  EXPECT_EQ(fs.At("C:\\dst\\b\\x\\2.txt").content, "two");
}

TEST_F(FolderCopyTest, EmptySourceCreatesNothing) {
  EXPECT_EQ(Copy(), COPY_OK);
  EXPECT_TRUE(Log("mkdir").empty());
  EXPECT_TRUE(Log("copy").empty());
}

TEST_F(FolderCopyTest, HiddenAndSystemEntriesAreNeitherCopiedNorEntered) {
  fs.AddFile("C:\\src\\h.txt", "h", 1, kAttrHidden);
  fs.AddFile("C:\\src\\s.txt", "s", 1, kAttrSystem);
  fs.AddFolder("C:\\src\\hid", kAttrHidden);
  fs.AddFile("C:\\src\\hid\\visible.txt", "v");
  fs.AddFolder("C:\\src\\sys", kAttrSystem);
  fs.AddFile("C:\\src\\ro.txt", "r", 1, kAttrReadOnly);
  EXPECT_EQ(Copy(), COPY_OK);
  EXPECT_EQ(Log("copy"), std::vector<std::string>{"copy C:\\src\\ro.txt -> C:\\dst\\ro.txt"});
  EXPECT_TRUE(Log("mkdir").empty());
  EXPECT_EQ(Log("list").size(), 1u);
}

TEST_F(FolderCopyTest, SubFolderFlagZeroHandlesOnlyTheSourcesOwnFiles) {
  fs.AddFolder("C:\\src\\sub");
  fs.AddFile("C:\\src\\sub\\deep.txt", "d");
  fs.AddFile("C:\\src\\top.txt", "t");
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 0), COPY_OK);
  EXPECT_EQ(Log("copy"), std::vector<std::string>{"copy C:\\src\\top.txt -> C:\\dst\\top.txt"});
  EXPECT_FALSE(fs.Has("C:\\dst\\sub"));
}

TEST_F(FolderCopyTest, SuffixIsMatchedAgainstTheWholePathIgnoringCase) {
  fs.AddFile("C:\\src\\a.VRD", "a");
  fs.AddFile("C:\\src\\bvrd", "b");
  fs.AddFile("C:\\src\\c.vre", "c");
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, "vrd"), COPY_OK);
  EXPECT_TRUE(fs.Has("C:\\dst\\a.VRD"));
  EXPECT_TRUE(fs.Has("C:\\dst\\bvrd"));
  EXPECT_FALSE(fs.Has("C:\\dst\\c.vre"));
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, "src\\c.VRE"), COPY_OK);  // reaches into the folder part
  EXPECT_TRUE(fs.Has("C:\\dst\\c.vre"));
  fs.AddFile("C:\\src\\d.txt", "d");
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, ""), COPY_OK);  // empty counts as none
  EXPECT_TRUE(fs.Has("C:\\dst\\d.txt"));
}

struct ModeCase {
  int mode;
  uint64_t sourceTime, targetTime;
  const char* expected;
};

TEST_F(FolderCopyTest, ModesDecideWhetherAnExistingTargetIsReplaced) {
  const ModeCase cases[] = {
      {COPY_MODE_OVERWRITE, 5, 9, "new"},
      {COPY_MODE_UPDATE, 10, 9, "new"},
      {COPY_MODE_UPDATE, 9, 9, "old"},   // strictly later only
      {COPY_MODE_UPDATE, 0x100000000ull, 0xFFFFFFFFull, "new"},  // high half compared first
      {COPY_MODE_UPDATE, 0xFFFFFFFFull, 0x100000000ull, "old"},
      {COPY_MODE_ADD, 10, 9, "old"},
      {7, 10, 9, "old"},                 // any other value adds
  };
  for (const ModeCase& c : cases) {
    FakeFileSystem fresh;
    fs = fresh;
    fs.AddFolder("C:\\src");
    fs.AddFolder("C:\\dst");
    fs.AddFile("C:\\src\\f.txt", "new", c.sourceTime);
    fs.AddFile("C:\\src\\g.txt", "added", c.sourceTime);
    fs.AddFile("C:\\dst\\f.txt", "old", c.targetTime);
    EXPECT_EQ(Copy(c.mode), COPY_OK) << c.mode;
    EXPECT_EQ(fs.At("C:\\dst\\f.txt").content, c.expected) << c.mode << " " << c.sourceTime;
    EXPECT_EQ(fs.At("C:\\dst\\g.txt").content, "added");  // a missing target is always copied
  }
}

TEST_F(FolderCopyTest, FolderInAFilesPlaceFailsInModesZeroAndOne) {
  fs.AddFile("C:\\src\\f.txt", "x");
  fs.AddFolder("C:\\dst\\f.txt");
  for (int mode : {COPY_MODE_ADD, COPY_MODE_UPDATE, COPY_MODE_OVERWRITE})
    EXPECT_EQ(Copy(mode), COPY_FILE_FAILED) << mode;
}

TEST_F(FolderCopyTest, ReadOnlyTargetFailsInModeTwo) {
  fs.AddFile("C:\\src\\f.txt", "x");
  fs.AddFile("C:\\dst\\f.txt", "y", 1, kAttrReadOnly);
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE), COPY_FILE_FAILED);
  EXPECT_EQ(Copy(COPY_MODE_ADD), COPY_OK);
}

TEST_F(FolderCopyTest, TrailingBackslashesAreAcceptedAndMissingFoldersRefused) {
  fs.AddFile("C:\\src\\f.txt", "x");
  fs.AddFile("C:\\file", "x");
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, "C:\\src\\", "C:\\dst\\"), COPY_OK);
  EXPECT_TRUE(fs.Has("C:\\dst\\f.txt"));
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, "C:\\none"), COPY_NO_SOURCE);
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, "C:\\file"), COPY_NO_SOURCE);
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, "C:\\none", "C:\\none"), COPY_NO_SOURCE);
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, "C:\\src", "C:\\none"), COPY_NO_DEST);
}

TEST_F(FolderCopyTest, ListingErrorsAndCloseFailures) {
  fs.AddFolder("C:\\src\\a");
  fs.AddFile("C:\\src\\a\\1.txt", "1");
  fs.AddFolder("C:\\src\\b");
  fs.AddFile("C:\\src\\b\\2.txt", "2");
  fs.listEndError["C:\\src\\a\\*.*"] = 5;
  EXPECT_EQ(Copy(), COPY_LIST_FAILED);
  EXPECT_TRUE(fs.Has("C:\\dst\\a\\1.txt"));  // handled before the error stays
  EXPECT_FALSE(fs.Has("C:\\dst\\b\\2.txt"));
  fs.listEndError.clear();
  fs.failClose.insert("C:\\src\\b\\*.*");
  fs.failCopyTo.insert("C:\\dst\\b\\2.txt");
  EXPECT_EQ(Copy(), COPY_CLOSE_FAILED);  // replaces the failed copy's 5
}

TEST_F(FolderCopyTest, FirstFailureInWalkOrderDecides) {
  fs.AddFolder("C:\\src\\a");
  fs.AddFile("C:\\src\\a\\1.txt", "1");
  fs.AddFolder("C:\\src\\b");
  fs.AddFile("C:\\src\\late.txt", "x");
  fs.failCopyTo.insert("C:\\dst\\a\\1.txt");
  fs.failCreate.insert("C:\\dst\\b");
  EXPECT_EQ(Copy(), COPY_MKDIR_FAILED);  // b is created while the root is listed, before a's files
  EXPECT_FALSE(fs.Has("C:\\dst\\late.txt"));
  fs.failCreate.clear();
  EXPECT_EQ(Copy(), COPY_FILE_FAILED);
  EXPECT_TRUE(fs.Has("C:\\dst\\late.txt"));
}

// The older tool stopped with success 33 levels down; every level is copied now.
TEST_F(FolderCopyTest, TreesDeeperThan33LevelsAreCopiedInFull) {
  std::string path = "C:\\src";
  for (int level = 0; level < 45; ++level) {
    path += "\\d";
    fs.AddFolder(path);
    fs.AddFile(path + "\\f.txt", std::to_string(level));
  }
  EXPECT_EQ(Copy(), COPY_OK);
  std::string target = "C:\\dst";
  for (int level = 0; level < 45; ++level) {
    target += "\\d";
    ASSERT_TRUE(fs.Has(target + "\\f.txt")) << "level " << level;
    EXPECT_EQ(fs.At(target + "\\f.txt").content, std::to_string(level));
  }
}

// Paths past 260 bytes: a source entry too long is skipped; a target too long is refused.
TEST_F(FolderCopyTest, OverlongPathsAreSkippedAtTheSourceAndRefusedAtTheTarget) {
  const std::string longName(250, 'n');
  fs.AddFile("C:\\src\\" + longName + ".txt", "x");
  fs.AddFile("C:\\src\\short.txt", "s");
  EXPECT_EQ(Copy(), COPY_OK);
  EXPECT_TRUE(fs.Has("C:\\dst\\short.txt"));

  const std::string deepDest = "C:\\" + std::string(240, 'd');
  fs.AddFolder(deepDest);
  fs.AddFolder("C:\\s2");
  fs.AddFile("C:\\s2\\" + std::string(20, 'f'), "f");
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, "C:\\s2", deepDest.c_str()), COPY_FILE_FAILED);
  fs.AddFolder("C:\\s3");
  fs.AddFolder("C:\\s3\\" + std::string(20, 'g'));
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, "C:\\s3", deepDest.c_str()), COPY_MKDIR_FAILED);
  EXPECT_TRUE(Log("mkdir").empty());
}

TEST(PathTests, SettingsFileIsLookedForInTheWindowsFolder) {
  FakeFileSystem fs;
  fs.AddFolder("C:\\windows");
  fs.AddFile("C:\\windows\\Vrw32.ini", "");
  char out[kPathRecordSize];
  EXPECT_TRUE(FindSettingsFile(fs, "Vrw32.ini", out));
  EXPECT_STREQ(out, "C:\\windows\\Vrw32.ini");
  fs.windowsFolder = "C:\\windows\\";  // no second backslash
  EXPECT_TRUE(FindSettingsFile(fs, "Vrw32.ini", out));
  EXPECT_STREQ(out, "C:\\windows\\Vrw32.ini");
  EXPECT_FALSE(FindSettingsFile(fs, "Other.ini", out));
  fs.windowsFolder = "C:\\" + std::string(250, 'w');
  EXPECT_FALSE(FindSettingsFile(fs, "Vrw32.ini", out));  // would pass 260 bytes
  EXPECT_STREQ(out, "");
}

TEST(PathTests, KindsOfEntries) {
  FakeFileSystem fs;
  fs.AddFolder("C:\\d");
  fs.AddFile("C:\\f", "");
  fs.AddFile("C:\\s", "", 1, kAttrSystem);
  EXPECT_TRUE(PathExists(fs, "C:\\s"));
  EXPECT_FALSE(PathExists(fs, "C:\\x"));
  EXPECT_TRUE(IsFolder(fs, "C:\\d"));
  EXPECT_FALSE(IsFolder(fs, "C:\\f"));
  EXPECT_TRUE(IsPlainFile(fs, "C:\\f"));
  EXPECT_FALSE(IsPlainFile(fs, "C:\\s"));
  EXPECT_FALSE(IsPlainFile(fs, "C:\\d"));
  char folder[kPathRecordSize] = "C:\\d\\";
  EXPECT_TRUE(TrimAndTestFolder(fs, folder));
  EXPECT_STREQ(folder, "C:\\d");
}

}  // namespace
}  // namespace handover
