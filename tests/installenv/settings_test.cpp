// VRW32.INI in the CTRL folder, with real INI files under Wine.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "installenv/installenv.h"
#include "tests/installenv/installation_fixture.h"

namespace installenv {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  vrtest::Installation installation;
  char name[261] = "Vrw32.ini";
  char buffer[64];
};

TEST_F(SettingsTest, SettingsFileIsInTheCtrlFolder) {
  installation.SetValue("CTRL Folder", "D:\\Fax\\");
  GetCtrlFolderFile(name);
  EXPECT_STREQ(name, "D:\\Fax\\Vrw32.ini");
  installation.SetValue("CTRL Folder", "C:\\");
  std::strcpy(name, "Vrw32.ini");
  GetCtrlFolderFile(name);
  EXPECT_STREQ(name, "C:\\Vrw32.ini");
}

TEST_F(SettingsTest, WithoutACtrlFolderTheFileIsInTheRootOfTheDrive) {
  installation.RemoveProductKey();
  CreateDirectoryA((vrtest::Installation::CommonAppData() + "\\HALVERON").c_str(), nullptr);
  vrtest::WriteFileBytes(vrtest::Installation::DefaultCtrlFolder(), "in the way");
  GetCtrlFolderFile(name);
  EXPECT_STREQ(name, "\\Vrw32.ini");
}

TEST_F(SettingsTest, PathsThatDoNotFitGiveAnEmptyNameAndTouchNoFile) {
  const std::string folder = "C:\\vrtest\\" + std::string(245, 'f');
  installation.SetValue("CTRL Folder", folder);
  GetCtrlFolderFile(name);  // 255 + 1 + 9 bytes: over the limit
  EXPECT_STREQ(name, "");
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(GetSettingString("User", "UserID", "dflt", buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  WriteSettingString("Path", "PhoneFile", "x");  // must go nowhere
  EXPECT_FALSE(vrtest::PathExists("C:\\Vrw32.ini"));
  EXPECT_FALSE(vrtest::PathExists("\\Vrw32.ini"));
}

TEST_F(SettingsTest, WritesAndReadsEntriesOfTheRealFile) {
  const std::string ctrl = vrtest::FreshFolder("ctrl");
  installation.SetValue("CTRL Folder", ctrl);
  EXPECT_EQ(GetSettingString("User", "UserID", "dflt", buffer, sizeof buffer), 4);
  EXPECT_STREQ(buffer, "dflt");
  WriteSettingString("Path", "PhoneFile", "\"C:\\電話帳\\a b.tel\"");
  FlushSettings();
  const std::string bytes = vrtest::ReadFileBytes(ctrl + "\\Vrw32.ini");
  EXPECT_NE(bytes.find("PhoneFile=\"C:\\電話帳\\a b.tel\""), std::string::npos) << bytes;
  EXPECT_EQ(GetSettingString("Path", "PhoneFile", "", buffer, sizeof buffer), 17);
  EXPECT_STREQ(buffer, "C:\\電話帳\\a b.tel") << "the profile read drops the enclosing quotes";
  EXPECT_EQ(GetSettingString("Path", "PhoneFile", "", buffer, 5), 4) << "cut to size - 1";
  vrtest::RemoveTree(ctrl);
}

}  // namespace
}  // namespace installenv
