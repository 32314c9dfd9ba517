// The tree copy on real folders through the system's own calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "handover/folder_copy.h"
#include "handover/path_tests.h"
#include "handover/win32_file_system.h"
#include "temp_folder.h"

namespace handover {
namespace {

class FolderCopyWineTest : public ::testing::Test {
 protected:
  FolderCopyWineTest() : root("copy"), src(root / "src"), dst(root / "dst") {
    MakeFolder(src);
    MakeFolder(dst);
  }
  int Copy(int mode, const char* suffix = nullptr, int subFolders = 1, std::string source = "",
           std::string dest = "") {
    char s[kPathRecordSize] = {}, d[kPathRecordSize] = {};
    std::strcpy(s, (source.empty() ? src : source).c_str());
    std::strcpy(d, (dest.empty() ? dst : dest).c_str());
    return CopyFolderTree(fs, d, s, mode, suffix, subFolders);
  }
  Win32FileSystem fs;
  TempFolder root;
  std::string src, dst;
};

TEST_F(FolderCopyWineTest, WholeTreeWithDoubleByteNamesIsCopied) {
  MakeFolder(src + "\\表示");
  MakeFolder(src + "\\表示\\ソフト");
  WriteFile(src + "\\表示\\ソフト\\送信.VRD", "fax");
  WriteFile(src + "\\top.txt", "top");
  MakeFolder(src + "\\empty");
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE), COPY_OK);
  EXPECT_EQ(vrtest::ReadFileBytes(dst + "\\表示\\ソフト\\送信.VRD"), "fax");
  EXPECT_EQ(vrtest::ReadFileBytes(dst + "\\top.txt"), "top");
  EXPECT_TRUE(IsFolder(fs, (dst + "\\empty").c_str()));
}

struct ModeCase {
  int mode;
  int sourceSeconds, targetSeconds;
  const char* expected;
};

TEST_F(FolderCopyWineTest, ThreeModesWithStrictlyNewerTimes) {
  const ModeCase cases[] = {
      {COPY_MODE_OVERWRITE, 0, 100, "new"}, {COPY_MODE_UPDATE, 101, 100, "new"},
      {COPY_MODE_UPDATE, 100, 100, "old"}, {COPY_MODE_UPDATE, 99, 100, "old"},
      {COPY_MODE_ADD, 200, 100, "old"},     {5, 200, 100, "old"},
  };
  for (const ModeCase& c : cases) {
    WriteFile(src + "\\f.txt", "new");
    SetWriteTime(src + "\\f.txt", c.sourceSeconds);
    WriteFile(dst + "\\f.txt", "old");
    SetWriteTime(dst + "\\f.txt", c.targetSeconds);
    DeleteFileA((dst + "\\g.txt").c_str());
    WriteFile(src + "\\g.txt", "added");
    EXPECT_EQ(Copy(c.mode), COPY_OK) << c.mode;
    EXPECT_EQ(vrtest::ReadFileBytes(dst + "\\f.txt"), c.expected) << c.mode << " " << c.sourceSeconds;
    EXPECT_EQ(vrtest::ReadFileBytes(dst + "\\g.txt"), "added") << c.mode;
  }
}

TEST_F(FolderCopyWineTest, HiddenAndSystemEntriesAreSkippedWithAHiddenFoldersContents) {
  WriteFile(src + "\\hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN);
  WriteFile(src + "\\system.txt", "s", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(src + "\\cache");
  WriteFile(src + "\\cache\\visible.txt", "v");
  SetFileAttributesA((src + "\\cache").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
  MakeFolder(src + "\\sys");
  SetFileAttributesA((src + "\\sys").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM);
  WriteFile(src + "\\plain.txt", "p");
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE), COPY_OK);
  EXPECT_TRUE(vrtest::PathExists(dst + "\\plain.txt"));
  for (const char* name : {"hidden.txt", "system.txt", "cache", "cache\\visible.txt", "sys"})
    EXPECT_FALSE(vrtest::PathExists(dst + "\\" + name)) << name;
}

TEST_F(FolderCopyWineTest, SuffixAndSubFolderFlag) {
  WriteFile(src + "\\a.VRD", "a");
  WriteFile(src + "\\bvrd", "b");
  WriteFile(src + "\\c.txt", "c");
  MakeFolder(src + "\\sub");
  WriteFile(src + "\\sub\\d.vrd", "d");
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, "vrd", 0), COPY_OK);
  EXPECT_TRUE(vrtest::PathExists(dst + "\\a.VRD"));
  EXPECT_TRUE(vrtest::PathExists(dst + "\\bvrd"));
  EXPECT_FALSE(vrtest::PathExists(dst + "\\c.txt"));
  EXPECT_FALSE(vrtest::PathExists(dst + "\\sub"));
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, "SUB\\D.VRD", 1), COPY_OK);
  EXPECT_TRUE(vrtest::PathExists(dst + "\\sub\\d.vrd"));
  EXPECT_FALSE(vrtest::PathExists(dst + "\\c.txt"));
}

// Wine run by root lets a writer open a read-only file (the kernel's permission check passes
// for root); the system then has no reason to refuse the copy.
bool ReadOnlyFilesRefuseWriters(const std::string& probe) {
  WriteFile(probe, "x", FILE_ATTRIBUTE_READONLY);
  HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  const bool refused = file == INVALID_HANDLE_VALUE;
  if (!refused) CloseHandle(file);
  SetFileAttributesA(probe.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(probe.c_str());
  return refused;
}

// A target that another program holds open without sharing: the system's copy refuses it.
class HeldOpen {
 public:
  explicit HeldOpen(const std::string& path)
      : file_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~HeldOpen() { CloseHandle(file_); }
  bool Held() const { return file_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE file_;
};

TEST_F(FolderCopyWineTest, ReadOnlyTargetInModeTwoGivesFive) {
  if (!ReadOnlyFilesRefuseWriters(root / "probe"))
    GTEST_SKIP() << "this Wine runs as root and writes read-only files; see HeldTargetGivesFive";
  WriteFile(src + "\\f.txt", "new");
  WriteFile(dst + "\\f.txt", "old", FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE), COPY_FILE_FAILED);
  EXPECT_EQ(vrtest::ReadFileBytes(dst + "\\f.txt"), "old");
  SetFileAttributesA((dst + "\\f.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FolderCopyWineTest, HeldTargetInModeTwoGivesFive) {
  WriteFile(src + "\\f.txt", "new");
  WriteFile(dst + "\\f.txt", "old");
  {
    HeldOpen held(dst + "\\f.txt");
    ASSERT_TRUE(held.Held());
    EXPECT_EQ(Copy(COPY_MODE_OVERWRITE), COPY_FILE_FAILED);
  }
  EXPECT_EQ(vrtest::ReadFileBytes(dst + "\\f.txt"), "old");
}

TEST_F(FolderCopyWineTest, FolderInAFilesPlaceAndMissingFolders) {
  WriteFile(src + "\\f.txt", "new");
  MakeFolder(dst + "\\f.txt");
  EXPECT_EQ(Copy(COPY_MODE_ADD), COPY_FILE_FAILED);
  EXPECT_EQ(Copy(COPY_MODE_UPDATE), COPY_FILE_FAILED);
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, root / "none"), COPY_NO_SOURCE);
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, src + "\\f.txt"), COPY_NO_SOURCE);
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, "", root / "none"), COPY_NO_DEST);
}

TEST_F(FolderCopyWineTest, TrailingBackslashesAreAccepted) {
  WriteFile(src + "\\f.txt", "x");
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, src + "\\", dst + "\\"), COPY_OK);
  EXPECT_EQ(vrtest::ReadFileBytes(dst + "\\f.txt"), "x");
}

// The root is listed whole before any sub-folder: its failure wins over a deeper one.
TEST_F(FolderCopyWineTest, FirstFailureInWalkOrderDecides) {
  MakeFolder(src + "\\a");
  MakeFolder(src + "\\a\\inner");
  MakeFolder(dst + "\\a");
  WriteFile(dst + "\\a\\inner", "a file where the folder goes");
  WriteFile(src + "\\f.txt", "new");
  WriteFile(dst + "\\f.txt", "old");
  {
    HeldOpen held(dst + "\\f.txt");
    EXPECT_EQ(Copy(COPY_MODE_OVERWRITE), COPY_FILE_FAILED);
  }
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE), COPY_MKDIR_FAILED);
}

TEST_F(FolderCopyWineTest, DeepTreesAreCopiedInFull) {
  std::string path = src, target = dst;
  for (int level = 0; level < 40; ++level) {
    path += "\\d";
    MakeFolder(path);
    WriteFile(path + "\\f.txt", std::to_string(level));
  }
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE), COPY_OK);
  for (int level = 0; level < 40; ++level) {
    target += "\\d";
    ASSERT_EQ(vrtest::ReadFileBytes(target + "\\f.txt"), std::to_string(level)) << "level " << level;
  }
}

TEST_F(FolderCopyWineTest, TargetsPast260BytesAreRefused) {
  std::string deep = dst;
  while (deep.size() < 235) {
    deep += "\\" + std::string(std::min<size_t>(20, 240 - deep.size()), 'x');
    MakeFolder(deep);
  }
  ASSERT_TRUE(IsFolder(fs, deep.c_str())) << deep.size();
  WriteFile(src + "\\" + std::string(30, 'f'), "f");
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, "", deep), COPY_FILE_FAILED);
  DeleteFileA((src + "\\" + std::string(30, 'f')).c_str());
  MakeFolder(src + "\\" + std::string(30, 'g'));
  EXPECT_EQ(Copy(COPY_MODE_OVERWRITE, nullptr, 1, "", deep), COPY_MKDIR_FAILED);
}

TEST(PathTestsWine, SettingsFileAndKinds) {
  Win32FileSystem fs;
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  const std::string ini = std::string(windows) + "\\HvProbe.ini";
  WriteFile(ini, "[x]\r\n");
  char out[kPathRecordSize];
  EXPECT_TRUE(FindSettingsFile(fs, "HvProbe.ini", out));
  EXPECT_STREQ(out, ini.c_str());
  DeleteFileA(ini.c_str());
  EXPECT_FALSE(FindSettingsFile(fs, "HvProbe.ini", out));
  EXPECT_TRUE(IsFolder(fs, windows));
  EXPECT_FALSE(IsPlainFile(fs, windows));
}

}  // namespace
}  // namespace handover
