// Every deliverable found beside this test carries the product's version block.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/installenv/installation_fixture.h"

namespace {

const std::map<std::string, std::string> kDescriptions = {
    {"faxuser.dll", "ページＦＡＸライブラリ"},
    {"mgrassist.exe", "VELORIX マネージャ サポート プログラム"},
    {"formsave.exe", "VELORIX 定型原稿保存"},
    {"supportmail.exe", "VELORIXサポートデータ送信ツール"},
    {"handover.exe", "VR クライアント引継ぎツール"},
    {"printhook.dll", "VELORIX ﾌﾟﾘﾝﾀﾄﾞﾗｲﾊﾞ ｽﾌﾟｰﾗ ﾌｯｸ"},
};

std::string DeliverablesFolder() { return vrtest::ProgramFolder() + "\\deliverables"; }

std::string StringValue(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string query = std::string("\\StringFileInfo\\041104b0\\") + name;
  if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) return "<none>";
  return value;
}

TEST(VersionBlock, EveryDeliverableCarriesTheProductVersion) {
  int checked = 0;
  for (const auto& [file, description] : kDescriptions) {
    const std::string path = DeliverablesFolder() + "\\" + file;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    ++checked;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0u) << file << " has no version block";
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00080000u) << file;
    EXPECT_EQ(fixed->dwFileVersionLS, 0x07D90001u) << file;  // 2009.001
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00080000u) << file;
    EXPECT_EQ(fixed->dwProductVersionLS, 0x07D90001u) << file;
    EXPECT_EQ(StringValue(block, "FileVersion"), "8.00.2009.001") << file;
    EXPECT_EQ(StringValue(block, "ProductVersion"), "8.00.2009.001") << file;
    EXPECT_EQ(StringValue(block, "ProductName"), "VELORIX") << file;
    EXPECT_EQ(StringValue(block, "FileDescription"), description) << file;
    EXPECT_EQ(StringValue(block, "OriginalFilename"), file) << file;
  }
  EXPECT_GE(checked, 2) << "faxuser.dll and mgrassist.exe at least";
}

}  // namespace
