// mgrassist as a real process under Wine: the PhoneFile entry it writes and the manager it starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/installenv/installation_fixture.h"

namespace {

std::string AppFolder() { return vrtest::ProgramFolder() + "\\app"; }

class MgrAssist : public ::testing::Test {
 protected:
  void SetUp() override {
    ctrl = vrtest::FreshFolder("mg_ctrl");
    elsewhere = vrtest::FreshFolder("mg_elsewhere");
    installation.SetValue("CTRL Folder", ctrl);
    DeleteFileA(Log().c_str());
  }
  void TearDown() override {
    vrtest::RemoveTree(ctrl);
    vrtest::RemoveTree(elsewhere);
    DeleteFileA(Log().c_str());
  }

  static std::string Log() { return AppFolder() + "\\Vrw32.log"; }
  std::string Ini() const { return ctrl + "\\Vrw32.ini"; }

  // Starts mgrassist with the raw command line text after its name, from another folder.
  void Run(const std::string& afterName) {
    std::string commandLine = "\"" + AppFolder() + "\\mgrassist.exe\"" + afterName;
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               elsewhere.c_str(), &startup, &process));
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }

  // The manager stand-in's log once it has written the given number of lines (it runs on its own).
  std::string WaitForStarts(int lines) {
    std::string log;
    for (int i = 0; i < 300; ++i) {
      log = vrtest::ReadFileBytes(Log());
      int count = 0;
      for (char c : log) count += c == '\n';
      if (count >= lines) break;
      Sleep(100);
    }
    return log;
  }

  vrtest::Installation installation;
  std::string ctrl, elsewhere;
};

TEST_F(MgrAssist, EmptyAndBlankTailsDoNothing) {
  Run("");
  Run("    ");
  Run("\t ");
  Sleep(1500);  // a manager started in spite of it would have logged by now
  EXPECT_FALSE(vrtest::PathExists(Ini()));
  EXPECT_FALSE(vrtest::PathExists(Log()));
}

TEST_F(MgrAssist, QuotedTailIsWrittenWithItsQuotesAndTheManagerStartsBesideIt) {
  Run(" \"C:\\電話帳\\得意先 一覧.tel\"");
  const std::string log = WaitForStarts(1);
  EXPECT_NE(vrtest::ReadFileBytes(Ini()).find("[Path]\r\nPhoneFile=\"C:\\電話帳\\得意先 一覧.tel\"\r\n"),
            std::string::npos) << vrtest::ReadFileBytes(Ini());
  EXPECT_NE(log.find(" -GETTEL] tail=[-GETTEL] folder=[" + AppFolder() + "]\r\n"), std::string::npos)
      << "started with \" -GETTEL\" in its own folder, not the caller's: " << log;
  EXPECT_NE(log.find("Vrw32.exe"), std::string::npos) << log;
}

TEST_F(MgrAssist, MultiWordTailAndASecondStartReplaceTheEntry) {
  Run(" C:\\a b  c.tel extra");
  Run(" D:\\second.tel");
  const std::string log = WaitForStarts(2);
  const std::string ini = vrtest::ReadFileBytes(Ini());
  EXPECT_NE(ini.find("PhoneFile=D:\\second.tel\r\n"), std::string::npos) << ini;
  EXPECT_EQ(ini.find("a b"), std::string::npos);
  char value[64] = {};
  GetPrivateProfileStringA("Path", "PhoneFile", "", value, sizeof value, Ini().c_str());
  EXPECT_STREQ(value, "D:\\second.tel");
  int starts = 0;
  for (std::size_t at = log.find("tail=[-GETTEL]"); at != std::string::npos; at = log.find("tail=[-GETTEL]", at + 1)) ++starts;
  EXPECT_EQ(starts, 2);
}

TEST_F(MgrAssist, MultiWordTailIsOneValue) {
  Run(" C:\\a b  c.tel extra");
  WaitForStarts(1);
  char value[64] = {};
  GetPrivateProfileStringA("Path", "PhoneFile", "", value, sizeof value, Ini().c_str());
  EXPECT_STREQ(value, "C:\\a b  c.tel extra");
}

}  // namespace
