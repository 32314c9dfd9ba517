// The whole handover tool under Wine, driven as a person would: an older installation's
// settings in the Windows folder, a local folder playing the server, and the dialogs answered.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "handover/handover_texts.h"
#include "temp_folder.h"
#include "tests/support/ui_driver.h"

namespace handover {
namespace {

std::string WindowsFolder() {
  char folder[MAX_PATH];
  GetWindowsDirectoryA(folder, sizeof folder);
  return folder;
}

std::string ComputerName() {
  char name[64];
  DWORD size = sizeof name;
  GetComputerNameA(name, &size);
  return name;
}

// An existing folder whose path is exactly `length` bytes long.
std::string MakeFolderOfLength(const std::string& base, size_t length) {
  std::string path = base;
  while (path.size() < length) {
    const size_t part = std::min<size_t>(40, length - path.size() - 1);
    path += "\\" + std::string(part ? part : 1, 'p');
    MakeFolder(path);
  }
  return path;
}

struct Settings {
  std::string olderFolder;
  std::string useServer;  // empty: key left out
  std::string serverName;
};

class HandoverToolTest : public ::testing::Test {
 protected:
  HandoverToolTest()
      : root("tool"), older(root / "VRW"), server(root / "srv"), ini(WindowsFolder() + "\\" + kSettingsFileName) {
    MakeFolder(older);
    MakeFolder(older + "\\TXDATA");
    WriteFile(older + "\\TXDATA\\0001.VRD", "first page");
    MakeFolder(older + "\\TXDATA\\SUB");
    WriteFile(older + "\\TXDATA\\SUB\\0002.VRD", "second");
    WriteFile(older + "\\TXDATA\\lock.tmp", "hidden", FILE_ATTRIBUTE_HIDDEN);
    MakeFolder(server);
    MakeFolder(server + "\\Velorix$");
    WriteFile(server + "\\Velorix$\\Server.log", "");
    destination = server + "\\Velorix$\\" + ComputerName() + "\\TXDATA";
  }
  ~HandoverToolTest() override { DeleteFileA(ini.c_str()); }

  void WriteSettings(const Settings& s) {
    std::string text = "[Path]\r\nVRW Directory=" + s.olderFolder + "\r\n[Server]\r\n";
    if (!s.useServer.empty()) text += "Use_SS_Server=" + s.useServer + "\r\n";
    text += "ServerName=" + s.serverName + "\r\n";
    WriteFile(ini, text);
  }
  void WriteGoodSettings() { WriteSettings({older + "\\", "1", server}); }

  // The first visible window of the tool: a message box, the consent or the finish dialog.
  HWND WaitForTool(const vrui::Program& tool) { return vrui::WaitForWindow(kToolTitle, tool.pid); }
  // Waits until the tool shows a window whose button 1 says `button` (a message box has "OK").
  HWND WaitForDialogWithButton(const vrui::Program& tool, const std::string& button) {
    for (int i = 0; i < 300; ++i) {
      HWND window = vrui::FindTopLevel(kToolTitle, tool.pid);
      if (window && vrui::ControlText(window, IDOK) == button) return window;
      Sleep(50);
    }
    return nullptr;
  }
  void ExpectOnlyMessage(const char* message) {
    vrui::Program tool = vrui::Start(vrui::BuiltPath(HANDOVER_EXE), "");
    HWND box = WaitForTool(tool);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetDlgItem(box, 1318), nullptr) << "the consent dialog was shown";
    EXPECT_EQ(vrui::MessageBoxText(box), message);
    EXPECT_TRUE(vrui::HasButton(box, IDOK));
    EXPECT_FALSE(vrui::HasButton(box, IDCANCEL));
    vrui::PressButton(box, IDOK);
    EXPECT_TRUE(vrui::WaitForExit(tool));
    EXPECT_FALSE(vrtest::PathExists(server + "\\Velorix$\\" + ComputerName()));
  }

  TempFolder root;
  std::string older, server, ini, destination;
};

TEST_F(HandoverToolTest, EachFailingStartCheckShowsItsMessageAndNeverTheConsent) {
  const std::string longServer = "C:\\" + std::string(250, 's');
  const std::string longOlder = MakeFolderOfLength(root.Path(), 256);  // exists; with \\TXDATA 263
  const struct {
    const char* name;
    bool writeIni;
    Settings settings;
    const char* message;
  } cases[] = {
      {"no settings file", false, {}, kNoOlderInstallation},
      {"empty folder", true, {"", "1", server}, kNoOlderInstallation},
      {"folder missing", true, {root / "none", "1", server}, kNoOlderInstallation},
      {"folder is a file", true, {older + "\\TXDATA\\0001.VRD", "1", server}, kNoOlderInstallation},
      {"server off", true, {older, "0", server}, kNoSharedFolder},
      {"server key missing", true, {older, "", server}, kNoSharedFolder},
      {"no server name", true, {older, "1", ""}, kNoSharedFolder},
      {"no Server.log", true, {older, "1", root / "elsewhere"}, kNoSharedFolder},
      {"probe past 260 bytes", true, {older, "1", longServer}, kNoSharedFolder},
      {"older transmit folder past 260 bytes", true, {longOlder, "1", server}, kNoOlderInstallation},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileA(ini.c_str());
    if (c.writeIni) WriteSettings(c.settings);
    ExpectOnlyMessage(c.message);
  }
  WriteGoodSettings();
  vrtest::RemoveTree(older + "\\TXDATA");
  SCOPED_TRACE("no TXDATA");
  ExpectOnlyMessage(kNoOlderInstallation);
}

TEST_F(HandoverToolTest, NoCreatesNothing) {
  WriteGoodSettings();
  vrui::Program tool = vrui::Start(vrui::BuiltPath(HANDOVER_EXE), "");
  HWND dialog = WaitForDialogWithButton(tool, "はい");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(vrui::ControlText(dialog, IDCANCEL), "いいえ");
  vrui::PressButton(dialog, IDCANCEL);
  EXPECT_TRUE(vrui::WaitForExit(tool));
  EXPECT_FALSE(vrtest::PathExists(server + "\\Velorix$\\" + ComputerName()));
}

TEST_F(HandoverToolTest, YesCopiesTheTreeAndShowsTheFinishDialogAndASecondRunCopiesOver) {
  WriteGoodSettings();
  for (const char* content : {"first page", "changed page"}) {
    SCOPED_TRACE(content);
    WriteFile(older + "\\TXDATA\\0001.VRD", content);
    vrui::Program tool = vrui::Start(vrui::BuiltPath(HANDOVER_EXE), "");
    HWND consent = WaitForDialogWithButton(tool, "はい");
    ASSERT_NE(consent, nullptr);
    vrui::Screenshot("handover_consent");
    vrui::PressButton(consent, IDOK);
    HWND finish = WaitForDialogWithButton(tool, "終了");
    ASSERT_NE(finish, nullptr);
    EXPECT_NE(GetDlgItem(finish, 1318), nullptr);
    EXPECT_FALSE(IsWindowVisible(consent));
    vrui::Screenshot("handover_finish");
    vrui::PressButton(finish, IDOK);
    EXPECT_TRUE(vrui::WaitForExit(tool));
    EXPECT_EQ(vrtest::ReadFileBytes(destination + "\\0001.VRD"), content);
    EXPECT_EQ(vrtest::ReadFileBytes(destination + "\\SUB\\0002.VRD"), "second");
    EXPECT_FALSE(vrtest::PathExists(destination + "\\lock.tmp"));
  }
}

TEST_F(HandoverToolTest, EmptyTransmitFolderStillMakesTheDestination) {
  WriteGoodSettings();
  vrtest::RemoveTree(older + "\\TXDATA");
  MakeFolder(older + "\\TXDATA");
  vrui::Program tool = vrui::Start(vrui::BuiltPath(HANDOVER_EXE), "");
  HWND consent = WaitForDialogWithButton(tool, "はい");
  ASSERT_NE(consent, nullptr);
  vrui::PressEnter(consent);
  HWND finish = WaitForDialogWithButton(tool, "終了");
  ASSERT_NE(finish, nullptr);
  vrui::PressEscape(finish);
  EXPECT_TRUE(vrui::WaitForExit(tool));
  EXPECT_TRUE(vrtest::PathExists(destination));
}

TEST_F(HandoverToolTest, CopyAndDestinationFailuresShowTheirMessages) {
  WriteGoodSettings();
  const std::string base = server + "\\Velorix$\\" + ComputerName();
  const struct {
    const char* name;
    const char* message;
  } cases[] = {{"a file where the computer's folder goes", kNoDestinationFolder},
               {"a folder where a file goes", kCopyFailed}};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(cases[i].name);
    vrtest::RemoveTree(base);
    if (i == 0) {
      WriteFile(base, "in the way");
    } else {
      MakeFolder(base);
      MakeFolder(destination);
      MakeFolder(destination + "\\0001.VRD");
    }
    vrui::Program tool = vrui::Start(vrui::BuiltPath(HANDOVER_EXE), "");
    HWND consent = WaitForDialogWithButton(tool, "はい");
    ASSERT_NE(consent, nullptr);
    vrui::PressButton(consent, IDOK);
    HWND box = WaitForDialogWithButton(tool, "OK");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(vrui::MessageBoxText(box), cases[i].message);
    vrui::PressButton(box, IDOK);
    EXPECT_TRUE(vrui::WaitForExit(tool));
    DeleteFileA(base.c_str());
  }
}

TEST_F(HandoverToolTest, SystemMenuOpensTheAboutBox) {
  WriteGoodSettings();
  vrui::Program tool = vrui::Start(vrui::BuiltPath(HANDOVER_EXE), "");
  HWND consent = WaitForDialogWithButton(tool, "はい");
  ASSERT_NE(consent, nullptr);
  // The entry's text is string 101 of the tool (another process's system menu cannot be read).
  HMODULE resources = LoadLibraryExA(vrui::BuiltPath(HANDOVER_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  char entry[128] = {};
  LoadStringA(resources, 101, entry, sizeof entry);
  FreeLibrary(resources);
  EXPECT_STREQ(entry, "VR クライアント引継ぎツール のバージョン情報(&A)...");
  PostMessageA(consent, WM_SYSCOMMAND, 0x001F, 0);  // the mask makes 16 to 31 all the About command
  HWND about = vrui::WaitForWindow("VR クライアント引継ぎツールのバージョン情報", tool.pid);
  ASSERT_NE(about, nullptr);
  vrui::PressButton(about, IDOK);
  EXPECT_TRUE(vrui::WaitForWindowGone(about));
  vrui::PressButton(consent, IDCANCEL);
  EXPECT_TRUE(vrui::WaitForExit(tool));
}

}  // namespace
}  // namespace handover
