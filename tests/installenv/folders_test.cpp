// CTRL and DATA folder resolution with real folders under Wine.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "installenv/installenv.h"
#include "tests/installenv/installation_fixture.h"

namespace installenv {
namespace {

using vrtest::Installation;

class FoldersTest : public ::testing::Test {
 protected:
  Installation installation;
  char buffer[512];
};

TEST_F(FoldersTest, RegistryFolderIsUsedUnchangedAndNotCreated) {
  installation.SetValue("CTRL Folder", "C:\\vrtest\\nowhere\\ctrl\\");
  EXPECT_EQ(GetCtrlFolder(buffer, 510), 22);
  EXPECT_STREQ(buffer, "C:\\vrtest\\nowhere\\ctrl");
  EXPECT_FALSE(vrtest::PathExists("C:\\vrtest\\nowhere"));
}

TEST_F(FoldersTest, LoneBackslashFallsBackToTheDefaultFolderWhichIsCreated) {
  installation.SetValue("CTRL Folder", "\\");
  const std::string expected = Installation::DefaultCtrlFolder();
  ASSERT_FALSE(vrtest::PathExists(expected));
  EXPECT_EQ(GetCtrlFolder(buffer, 510), static_cast<int>(expected.size()));
  EXPECT_EQ(std::string(buffer), expected);
  EXPECT_TRUE(IsFolder(expected.c_str()));
  EXPECT_EQ(GetCtrlFolder(buffer, 510), static_cast<int>(expected.size())) << "existing default";
}

TEST_F(FoldersTest, FileInPlaceOfTheDefaultFolderGivesZero) {
  installation.RemoveProductKey();
  CreateDirectoryA((Installation::CommonAppData() + "\\HALVERON").c_str(), nullptr);
  vrtest::WriteFileBytes(Installation::DefaultCtrlFolder(), "in the way");
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(GetCtrlFolder(buffer, 510), 0);
  EXPECT_EQ(std::string(buffer, 510), std::string(510, '\0'));
}

TEST_F(FoldersTest, DataFolderFromTheRegistryOrItsOwnDefault) {
  installation.SetValue("DATA Folder", "E:\\data");
  EXPECT_EQ(GetDataFolder(buffer, 510), 7);
  EXPECT_STREQ(buffer, "E:\\data");
  installation.SetValue("DATA Folder", "");
  const std::string expected = Installation::DefaultDataFolder();
  EXPECT_EQ(GetDataFolder(buffer, 510), static_cast<int>(expected.size()));
  EXPECT_EQ(std::string(buffer), expected);
  EXPECT_TRUE(IsFolder(expected.c_str()));
}

TEST_F(FoldersTest, DataFolderThatCannotBeCreatedIsNotReplacedByTheCtrlFolder) {
  installation.SetValue("CTRL Folder", "D:\\Fax");
  CreateDirectoryA((Installation::CommonDocuments() + "\\HALVERON").c_str(), nullptr);
  vrtest::WriteFileBytes(Installation::DefaultDataFolder(), "in the way");
  EXPECT_EQ(GetDataFolder(buffer, 510), 0);
  EXPECT_STREQ(buffer, "");
}

TEST_F(FoldersTest, DefaultThatDoesNotFitTheCallersBufferIsRefused) {
  installation.RemoveProductKey();
  const std::string expected = Installation::DefaultCtrlFolder();
  EXPECT_EQ(GetCtrlFolder(buffer, static_cast<unsigned>(expected.size())), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(GetCtrlFolder(buffer, static_cast<unsigned>(expected.size() + 1)),
            static_cast<int>(expected.size()));
}

TEST_F(FoldersTest, CreateFolderTreeCreatesEveryMissingLevel) {
  const std::string root = vrtest::FreshFolder("tree");
  const std::string path = root + "\\a\\b\\c";
  EXPECT_EQ(CreateFolderTree(path.c_str()), 1);
  EXPECT_TRUE(IsFolder(path.c_str()));
  EXPECT_EQ(CreateFolderTree((root + "\\a\\b\\c\\").c_str()), 1) << "trailing backslash";
  EXPECT_EQ(CreateFolderTree(""), 1);
  EXPECT_EQ(CreateFolderTree("\\\\server\\share\\folder"), 0);
  vrtest::WriteFileBytes(root + "\\file", "x");
  EXPECT_EQ(CreateFolderTree((root + "\\file\\sub").c_str()), 0);
  EXPECT_FALSE(IsFolder((root + "\\file").c_str()));
  EXPECT_EQ(CreateFolderTree((root + "\\" + std::string(260, 'n')).c_str()), 0);
  vrtest::RemoveTree(root);
}

TEST_F(FoldersTest, DriveRootIsNoFolderForTheLookup) {
  EXPECT_EQ(IsFolder("C:\\"), 0);
  EXPECT_EQ(IsFolder("C:\\windows"), 1);
  EXPECT_EQ(IsFolder("C:\\windows\\win.ini"), 0);
}

}  // namespace
}  // namespace installenv
