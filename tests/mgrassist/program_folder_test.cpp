#include "mgrassist/program_folder.h"

#include <gtest/gtest.h>

#include <string>

TEST(CutFileName, KeepsTheFolderWithItsBackslash) {
  const struct { std::string path; std::string folder; } cases[] = {
      {"C:\\Program Files\\VELORIX\\mgrassist.exe", "C:\\Program Files\\VELORIX\\"},
      {"C:\\mgrassist.exe", "C:\\"},
      {"mgrassist.exe", "mgrassist.exe"},  // no backslash: unchanged
      {"C:\\表\\m.exe", "C:\\表\\"},
      {"", ""}};
  for (const auto& c : cases) {
    std::string path = c.path;
    mgrassist::CutFileName(path.data());
    EXPECT_EQ(std::string(path.c_str()), c.folder);
  }
}
