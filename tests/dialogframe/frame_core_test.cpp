// The frame's pure pieces: icon placement, names from the program path, template position.
#include <gtest/gtest.h>

#include "dialogframe/dialog_template.h"
#include "dialogframe/icon_origin.h"
#include "dialogframe/program_name.h"

namespace {

using dialogframe::MinimisedIconOrigin;

TEST(MinimisedIconOrigin, CentresWithRoundingTowardZero) {
  struct Case { int client, icon, expected; } cases[] = {
      {36, 32, 2}, {35, 32, 2}, {32, 32, 0}, {37, 32, 3}, {160, 32, 64},
      {31, 32, 0},   // (31 - 32 + 1) / 2
      {29, 32, -1},  // (29 - 32 + 1) / 2 = -2 / 2
      {28, 32, -1},  // -3 / 2 truncates toward zero
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MinimisedIconOrigin(c.client, 100, c.icon, 32).x, c.expected) << c.client;
    EXPECT_EQ(MinimisedIconOrigin(100, c.client, 32, c.icon).y, c.expected) << c.client;
  }
}

TEST(ProgramName, IsTheFileNameWithoutFolderAndExtension) {
  struct Case { const char* path; const char* name; const char* help; } cases[] = {
      {"C:\\Program Files\\VR\\supportmail.exe", "supportmail", "C:\\Program Files\\VR\\supportmail.HLP"},
      {"formsave.exe", "formsave", "formsave.HLP"},
      {"C:\\v1.2\\tool", "tool", "C:\\v1.2\\tool.HLP"},
      {"C:\\a.b.c\\x.y.exe", "x.y", "C:\\a.b.c\\x.y.HLP"},
      // 表 is 0x95 0x5C: its second byte is not a separator.
      {"C:\\\x95\x5C\\\x95\x5C.exe", "\x95\x5C", "C:\\\x95\x5C\\\x95\x5C.HLP"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(dialogframe::ProgramNameFromPath(c.path), c.name) << c.path;
    EXPECT_EQ(dialogframe::HelpFileFromPath(c.path), c.help) << c.path;
  }
}

TEST(CommandLineTail, SkipsTheProgramNameAndTheBlanksBehindIt) {
  struct Case { const char* line; const char* tail; } cases[] = {
      {"formsave.exe C:\\a.vrd", "C:\\a.vrd"},
      {"\"C:\\Program Files\\formsave.exe\" \t \"C:\\a b.vrd\" x", "\"C:\\a b.vrd\" x"},
      {"formsave.exe", ""},
      {"formsave.exe   ", ""},
      {"\"C:\\unclosed", ""},
      {"\"C:\\x.exe\"next", "next"},
  };
  for (const auto& c : cases) EXPECT_STREQ(dialogframe::CommandLineTail(c.line), c.tail) << c.line;
}

TEST(MessageBoxStyle, OkBoxesWithoutIconGetTheExclamation) {
  struct Case { unsigned style, expected; } cases[] = {
      {0x00, 0x30},          // MB_OK
      {0x01, 0x31},          // MB_OKCANCEL
      {0x04, 0x24},          // MB_YESNO: question
      {0x10, 0x10},          // MB_OK | MB_ICONSTOP stays
      {0x05, 0x05},          // MB_RETRYCANCEL untouched
      {0x40000, 0x40030},    // other flags kept
  };
  for (const auto& c : cases) EXPECT_EQ(dialogframe::MessageBoxStyleWithDefaultIcon(c.style), c.expected);
}

TEST(TemplatePosition, ReadsClassicAndExtendedTemplates) {
  const unsigned char classic[18] = {0, 0, 0xC8, 0x90, 0, 0, 0, 0, 5, 0, 0x07, 0, 0xFE, 0xFF, 0xFA, 0, 0x47, 0};
  const unsigned char extended[26] = {1, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0xC8, 0x90,
                                      3, 0, 0, 0, 0, 0, 0xFA, 0, 0x47, 0};
  int x = -5, y = -5;
  ASSERT_TRUE(dialogframe::TemplatePosition(classic, sizeof classic, x, y));
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, -2);
  ASSERT_TRUE(dialogframe::TemplatePosition(extended, sizeof extended, x, y));
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_FALSE(dialogframe::TemplatePosition(extended, 21, x, y));
}

}  // namespace
