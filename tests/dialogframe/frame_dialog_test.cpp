// The frame's dialogs in this process: a worker thread drives the modal dialog that the test's
// main thread runs, as the tools' users would.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "dialogframe/frame_app.h"
#include "dialogframe/frame_dialog.h"
#include "dialogframe/frame_resource.h"
#include "tests/support/ui_driver.h"

#ifndef PROBE_HAS_ABOUT_ENTRY
#error PROBE_HAS_ABOUT_ENTRY must be 0 or 1
#endif

namespace {

const char kMainCaption[] = "Frame probe";
const char kAboutCaption[] = "About probe";
constexpr int kBoxButton = 1001;

class ProbeDialog : public dialogframe::CFrameDialog {
 public:
  explicit ProbeDialog(unsigned features) : CFrameDialog(IDD_MAIN_DIALOG, nullptr, features) {}
  int okCalls = 0;
  int cancelCalls = 0;

 protected:
  void OnOK() override { ++okCalls; CFrameDialog::OnOK(); }
  void OnCancel() override { ++cancelCalls; CFrameDialog::OnCancel(); }
  bool OnCommand(WORD id, WORD, HWND) override {
    if (id != kBoxButton) return false;
    dialogframe::AppMessageBox(IDS_FRAME_MAPI_LOAD_FAILED);
    return true;
  }
};

// Runs the dialog modally on this thread while drive() works on it from another one.
INT_PTR RunDriven(ProbeDialog& dialog, const std::function<void(HWND)>& drive) {
  std::thread driver([&] {
    HWND window = vrui::WaitForWindow(kMainCaption, GetCurrentProcessId());
    if (window == nullptr) {
      ADD_FAILURE() << "the probe dialog did not appear";
      return;
    }
    drive(window);
  });
  const INT_PTR result = dialog.DoModal();
  driver.join();
  return result;
}

RECT WindowRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

void ExpectCentredIn(const RECT& inner, const RECT& outer) {
  EXPECT_LE(std::abs((inner.left + inner.right) - (outer.left + outer.right)), 2);
  EXPECT_LE(std::abs((inner.top + inner.bottom) - (outer.top + outer.bottom)), 2);
}

TEST(FrameDialog, SystemMenuCarriesTheAboutEntryOnlyWhenString101HasText) {
  ProbeDialog dialog(dialogframe::CFrameDialog::kAboutAndIcon);
  RunDriven(dialog, [](HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    char text[128] = {};
    GetMenuStringA(menu, IDM_ABOUTBOX, text, sizeof text, MF_BYCOMMAND);
    if (PROBE_HAS_ABOUT_ENTRY) {
      EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
      EXPECT_EQ(std::string(text), dialogframe::LoadResourceString(IDS_ABOUTBOX));
      EXPECT_EQ(std::string(text), "バージョン情報(&A)...");
      EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    } else {
      EXPECT_EQ(std::string(text), "");
      EXPECT_FALSE(GetMenuState(menu, count - 1, MF_BYPOSITION) & MF_SEPARATOR);
      EXPECT_NE(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    }
    vrui::SendClose(window);
  });
}

TEST(FrameDialog, SystemCommands16To31OpenTheAboutBoxOverTheMainDialog) {
  ProbeDialog dialog(dialogframe::CFrameDialog::kAboutAndIcon);
  const INT_PTR result = RunDriven(dialog, [](HWND window) {
    for (WPARAM command : {WPARAM{0x10}, WPARAM{0x1F}}) {
      PostMessageA(window, WM_SYSCOMMAND, command, 0);
      HWND about = vrui::WaitForWindow(kAboutCaption, GetCurrentProcessId());
      ASSERT_NE(about, nullptr) << command;
      EXPECT_EQ(GetWindow(about, GW_OWNER), window);
      EXPECT_FALSE(IsWindowEnabled(window));
      ExpectCentredIn(WindowRect(about), WindowRect(window));
      if (command == 0x10) {
        EXPECT_FALSE(vrui::Screenshot("frame_about_box").empty());
      }
      vrui::PressButton(about, IDOK);
      EXPECT_TRUE(vrui::WaitForWindowGone(about));
    }
    // 0x20 is outside the mask's About range: nothing opens (SC_SIZE etc. go to default).
    PostMessageA(window, WM_SYSCOMMAND, 0x20, 0);
    EXPECT_TRUE(vrui::StaysAbsent(kAboutCaption, GetCurrentProcessId(), 500));
    vrui::SendClose(window);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST(FrameDialog, IconIsSetBothSizesAndAnswersTheDragQuery) {
  ProbeDialog dialog(dialogframe::CFrameDialog::kAboutAndIcon);
  ASSERT_NE(dialog.Icon(), nullptr);
  RunDriven(dialog, [&](HWND window) {
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)), dialog.Icon());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0)), dialog.Icon());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_QUERYDRAGICON, 0, 0)), dialog.Icon());
    vrui::SendClose(window);
  });
}

TEST(FrameDialog, PlainDialogSetsNoIconAndHasNoAboutBox) {
  ProbeDialog dialog(dialogframe::CFrameDialog::kPlain);
  EXPECT_EQ(dialog.Icon(), nullptr);
  RunDriven(dialog, [](HWND window) {
    EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0);
    PostMessageA(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    EXPECT_TRUE(vrui::StaysAbsent(kAboutCaption, GetCurrentProcessId(), 500));
    vrui::SendClose(window);
  });
}

TEST(FrameDialog, MainDialogAtTemplateOriginIsCentredOnTheScreen) {
  ProbeDialog dialog(dialogframe::CFrameDialog::kPlain);
  RunDriven(dialog, [](HWND window) {
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    ExpectCentredIn(WindowRect(window), area);
    vrui::SendClose(window);
  });
}

TEST(FrameDialog, EnterIsOkAndEscAndCloseAreCancel) {
  struct Case { const char* how; void (*act)(HWND); INT_PTR result; int ok, cancel; } cases[] = {
      {"Enter", vrui::PressEnter, IDOK, 1, 0},
      {"OK button", [](HWND w) { vrui::PressButton(w, IDOK); }, IDOK, 1, 0},
      {"Esc", vrui::PressEscape, IDCANCEL, 0, 1},
      {"close command", vrui::SendClose, IDCANCEL, 0, 1},
      {"cancel button", [](HWND w) { vrui::PressButton(w, IDCANCEL); }, IDCANCEL, 0, 1},
  };
  for (const auto& c : cases) {
    ProbeDialog dialog(dialogframe::CFrameDialog::kPlain);
    EXPECT_EQ(RunDriven(dialog, c.act), c.result) << c.how;
    EXPECT_EQ(dialog.okCalls, c.ok) << c.how;
    EXPECT_EQ(dialog.cancelCalls, c.cancel) << c.how;
  }
}

// The application object runs the scenario as its start-up entry, as a tool would.
class ProbeApp : public dialogframe::CFrameApp {
 public:
  std::function<void()> scenario;
  bool InitInstance() override {
    scenario();
    return false;
  }
};

TEST(FrameApp, MessageBoxIsOwnedByTheMainDialogWithProgramNameAndExclamation) {
  ProbeApp app;
  app.scenario = [&app] {
    ProbeDialog dialog(dialogframe::CFrameDialog::kPlain);
    app.SetMainWindow(&dialog);
    RunDriven(dialog, [&app](HWND window) {
      vrui::PressButton(window, kBoxButton);
      HWND box = vrui::WaitForWindow(app.AppName(), GetCurrentProcessId());
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(vrui::MessageBoxText(box), "ﾒｰﾙ ｼｽﾃﾑ ｻﾎﾟｰﾄを読み込めません。");
      EXPECT_EQ(GetWindow(box, GW_OWNER), window);
      EXPECT_FALSE(IsWindowEnabled(window));
      EXPECT_TRUE(vrui::HasButton(box, IDOK));
      EXPECT_FALSE(vrui::HasButton(box, IDCANCEL));
      HWND iconControl = GetDlgItem(box, 0x0440);
      EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(iconControl, STM_GETICON, 0, 0)),
                LoadIconA(nullptr, IDI_EXCLAMATION));
      vrui::PressButton(box, IDOK);
      EXPECT_TRUE(vrui::WaitForWindowGone(box));
      EXPECT_TRUE(IsWindowEnabled(window));
      vrui::SendClose(window);
    });
  };
  app.Run(GetModuleHandleA(nullptr));
  EXPECT_EQ(app.AppName(), "dialogframe_dialog_" + std::string(PROBE_HAS_ABOUT_ENTRY ? "about" : "noabout") +
                               (sizeof(void*) == 8 ? "_x64" : "_x86"));
}

}  // namespace
