// Loads faxuser.dll as the product's programs do and calls every export by name and by
// ordinal, against real registry values and real INI files.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/installenv/installation_fixture.h"

namespace {

using IsClientDialFn = int(WINAPI*)();
using GetTextFn = int(WINAPI*)(char*, unsigned);

const char kDefaultFont[] = "ＭＳ ゴシック";

class FaxUserHost : public ::testing::Test {
 protected:
  void SetUp() override {
    module = LoadLibraryA("faxuser.dll");
    ASSERT_NE(module, nullptr);
    ctrl = vrtest::FreshFolder("fu_ctrl");
    data = vrtest::FreshFolder("fu_data");
    installation.SetValue("CTRL Folder", ctrl);
    installation.SetValue("DATA Folder", data);
    vrtest::WriteFileBytes(ctrl + "\\Vrw32.ini",
        "[User]\r\nUserInfo=本社 営業部\r\nUserFont=ＭＳ 明朝\r\nUserID=ini-id\r\n");
  }
  void TearDown() override {
    if (module) FreeLibrary(module);
    vrtest::RemoveTree(ctrl);
    vrtest::RemoveTree(data);
  }

  // Export by name and by ordinal: both must be the same function.
  template <typename Fn>
  Fn Export(const char* name, WORD ordinal) {
    auto byName = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    auto byOrdinal = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
    EXPECT_NE(byName, nullptr) << name;
    EXPECT_EQ(byName, byOrdinal) << name;
    return byName;
  }
  IsClientDialFn IsClientDial() { return Export<IsClientDialFn>("FAXUSER_IsCLICMNDIAL", 1); }
  GetTextFn Info() { return Export<GetTextFn>("FAXUSER_GetUserInfo", 10); }
  GetTextFn Font() { return Export<GetTextFn>("FAXUSER_GetUserFont", 11); }
  GetTextFn Id() { return Export<GetTextFn>("FAXUSER_GetUserID", 12); }

  std::string Call(GetTextFn fn, unsigned size = 100) {
    char buffer[128];
    std::memset(buffer, 'x', sizeof buffer);
    const int length = fn(buffer, size);
    EXPECT_EQ(length, static_cast<int>(std::strlen(buffer)));
    return buffer;
  }

  void MakeCommonData(const std::string& commonIni, const std::string& head, const std::string& userId) {
    const std::string common = data + "\\Client\\Common";
    CreateDirectoryA((data + "\\Client").c_str(), nullptr);
    CreateDirectoryA(common.c_str(), nullptr);
    vrtest::WriteFileBytes(common + "\\Common.ini", commonIni);
    if (!head.empty()) vrtest::WriteFileBytes(common + "\\HEAD.dat", head);
    if (!userId.empty()) vrtest::WriteFileBytes(common + "\\USERID.dat", userId);
  }

  vrtest::Installation installation;
  HMODULE module = nullptr;
  std::string ctrl, data;
};

TEST_F(FaxUserHost, NonClientReadsVrw32IniWhateverTheCommonDataSays) {
  MakeCommonData("[CONDITION]\r\nCMNDIAL=1\r\nCMNHEAD=1\r\nCMNUSERID=1\r\n",
                 "[User]\r\nUserInfo=common\r\n", "[User]\r\nUserID=common-id\r\n");
  for (const char* client : {"", "0", "abc"}) {
    installation.SetComSys("Client", client);
    EXPECT_EQ(IsClientDial()(), 0) << client;
    EXPECT_EQ(Call(Info()), "本社 営業部") << client;
    EXPECT_EQ(Call(Font()), "ＭＳ 明朝");
    EXPECT_EQ(Call(Id()), "ini-id");
  }
}

TEST_F(FaxUserHost, ClientTakesWhatTheDecidingFlagsSay) {
  MakeCommonData("[CONDITION]\r\nCMNDIAL=5\r\nCMNHEAD=1\r\nCMNUSERID=0\r\n",
                 "[User]\r\nUserInfo=共通ヘッダ\r\nUserFont=ＭＳ Ｐゴシック\r\n",
                 "[User]\r\nUserID=common-id\r\n");
  for (const char* client : {"2", " 1"}) {
    installation.SetComSys("Client", client);
    EXPECT_EQ(IsClientDial()(), 1) << client;
    EXPECT_EQ(Call(Info()), "共通ヘッダ");
    EXPECT_EQ(Call(Font()), "ＭＳ Ｐゴシック");
    EXPECT_EQ(Call(Id()), "ini-id") << "CMNUSERID=0: from VRW32.INI";
  }
}

TEST_F(FaxUserHost, CommonFileWithoutTheKeyGivesTheDefaultNotVrw32Ini) {
  installation.SetComSys("Client", "1");
  MakeCommonData("[CONDITION]\r\nCMNHEAD=1\r\nCMNUSERID=1\r\n", "[User]\r\nUserInfo=x\r\n", "[Other]\r\n");
  EXPECT_EQ(IsClientDial()(), 0);
  EXPECT_EQ(Call(Font()), kDefaultFont);
  EXPECT_EQ(Call(Font()).size(), 13u);
  EXPECT_EQ(Call(Id()), "");
}

TEST_F(FaxUserHost, DataFolderTooLongForCommonIniBehavesAsANonClient) {
  installation.SetComSys("Client", "1");
  // Common.ini can be composed below a DATA folder of at most 235 bytes; at 236 the client
  // branch has no Common.ini and every export answers from VRW32.INI.
  const std::string longData = data + "\\" + std::string(236 - data.size() - 1, 'd');
  ASSERT_EQ(longData.size(), 236u);
  installation.SetValue("DATA Folder", longData);
  EXPECT_EQ(IsClientDial()(), 0);
  EXPECT_EQ(Call(Info()), "本社 営業部");
  EXPECT_EQ(Call(Font()), "ＭＳ 明朝");
  EXPECT_EQ(Call(Id()), "ini-id");
}

TEST_F(FaxUserHost, ClientWithoutDataFolderCreatesOnlyTheDefaultDataFolder) {
  installation.SetComSys("Client", "1");
  installation.SetValue("DATA Folder", "");
  EXPECT_EQ(IsClientDial()(), 0);
  const std::string folder = vrtest::Installation::DefaultDataFolder();
  EXPECT_TRUE(vrtest::PathExists(folder));
  EXPECT_FALSE(vrtest::PathExists(folder + "\\Client"));
}

TEST_F(FaxUserHost, BuffersAreFilledWithinTheirSize) {
  EXPECT_EQ(Call(Info(), 1), "");
  EXPECT_EQ(Call(Id(), 4), "ini");
  EXPECT_EQ(Call(Font(), 3), "\x82\x6C");  // cut to size - 1 bytes
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(Info()(nullptr, 50), 0);
  EXPECT_EQ(Info()(buffer, 0), 0);
  EXPECT_EQ(Font()(buffer, 0), 0);
  EXPECT_EQ(Id()(buffer, 0), 0);
  EXPECT_EQ(std::string(buffer, 4), "xxxx");
}

TEST_F(FaxUserHost, ChangesShowInTheVeryNextCall) {
  EXPECT_EQ(Call(Id()), "ini-id");
  vrtest::WriteFileBytes(ctrl + "\\Vrw32.ini", "[User]\r\nUserID=changed\r\n");
  EXPECT_EQ(Call(Id()), "changed");
  EXPECT_EQ(Call(Font()), kDefaultFont) << "no font in the file: the default";
}

}  // namespace
