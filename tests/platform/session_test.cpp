// The environment that the Windows tests run in: Japanese ANSI code page, a display for
// windows, and narrow literals compiled to code page 932.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WineSession, AnsiCodePageIs932) { EXPECT_EQ(GetACP(), 932u); }

TEST(WineSession, NarrowLiteralsAreCodePage932) {
  const unsigned char expected[] = {0x90, 0x56, 0x8B, 0x4B, 0x8D, 0xEC, 0x90, 0xAC, 0};
  EXPECT_STREQ("新規作成", reinterpret_cast<const char*>(expected));
}

TEST(WineSession, TopLevelWindowsCanBeCreated) {
  HWND window = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr) << "no display: run under tools/wine-session.sh";
  DestroyWindow(window);
}
