// supportmail as the user runs it: a real process under Wine beside the stand-in "MAPI32.DLL",
// driven through its dialog; the stand-in's log shows what reached the mail system.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialogframe/frame_resource.h"
#include "installenv/installenv_constants.h"
#include "supportmail/supportmail_constants.h"
#include "supportmail/supportmail_resource.h"
#include "supportmail/support_mail.h"
#include "tests/installenv/installation_fixture.h"
#include "tests/support/ui_driver.h"

namespace {

const char kCaption[] = "VELORIXサポートデータ送信ツール";
const char kAboutCaption[] = "VELORIXサポートデータ送信ツールのバージョン情報";
const char kBoxCaption[] = "supportmail";  // the program's file name
const char kLoadFailed[] = "ﾒｰﾙ ｼｽﾃﾑ ｻﾎﾟｰﾄを読み込めません。";
const char kInvalidDll[] = "ﾒｰﾙ ｼｽﾃﾑ DLL が無効です。";
const char kSendFailed[] = "ﾒｰﾙの送信に失敗しました。";

using vrui::Hex;

const char kLoadOrderKey[] = "Software\\Wine\\AppDefaults\\supportmail.exe\\DllOverrides";

enum class Library { kStandIn, kWithoutSend, kNone };

// A copy of the program for each Library, in a folder of its own with that mail library beside it.
const struct {
  const char* folder;
  const char* dll;
} kPlaces[] = {{"standin", MAPI_STANDIN_DLL}, {"without_send", MAPI_WITHOUT_SEND_DLL}, {"none", nullptr}};

class SupportMailTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = vrtest::FreshFolder("supportmail");
    const std::string ctrl = folder_ + "\\ctrl", data = folder_ + "\\data";
    CreateDirectoryA(ctrl.c_str(), nullptr);
    CreateDirectoryA(data.c_str(), nullptr);
    installation_.SetValue(installenv::kCtrlFolderValue, ctrl);
    installation_.SetValue(installenv::kDataFolderValue, data);
    settings_ = supportmail::SettingsPathIn(ctrl);
    log_ = supportmail::LogPathIn(data);
    vrtest::WriteFileBytes(settings_, "[User]\r\nUserID=1\r\n");
    vrtest::WriteFileBytes(log_, std::string("\x01\x02\x00\x03", 4));
    mapiLog_ = folder_ + "\\mapi.log";
    for (const auto& place : kPlaces) {
      const std::string dir = folder_ + "\\" + place.folder;
      CreateDirectoryA(dir.c_str(), nullptr);
      CopyFileA(vrui::BuiltPath(SUPPORTMAIL_EXE).c_str(), (dir + "\\supportmail.exe").c_str(), FALSE);
      if (place.dll != nullptr) CopyFileA(vrui::BuiltPath(place.dll).c_str(), (dir + "\\MAPI32.DLL").c_str(), FALSE);
    }
  }

  vrui::Program Run(Library library, unsigned long result = 0) {
    std::string environment = "VR_MAPI_LOG=" + mapiLog_ + "\nVR_MAPI_CHECK_FILES=1\nVR_MAPI_RESULT=" +
                              std::to_string(result);
    // The DLL beside the program comes first; without one, Wine's built-in one must not stand in.
    // Wine takes per-program load orders from the registry when the process starts.
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kLoadOrderKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const std::string order = library == Library::kNone ? "" : "native,builtin";
    RegSetValueExA(key, "mapi32", 0, REG_SZ, reinterpret_cast<const BYTE*>(order.c_str()),
                   static_cast<DWORD>(order.size() + 1));
    RegCloseKey(key);
    return vrui::Start(folder_ + "\\" + kPlaces[static_cast<int>(library)].folder + "\\supportmail.exe", "", environment);
  }

  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kLoadOrderKey); }

  HWND Dialog(const vrui::Program& program) { return vrui::WaitForWindow(kCaption, program.pid); }

  // Expects a message box of the program with this text and dismisses it with OK.
  void ExpectBox(const vrui::Program& program, const std::string& text) {
    HWND box = vrui::WaitForWindow(kBoxCaption, program.pid);
    ASSERT_NE(box, nullptr) << text;
    EXPECT_EQ(vrui::MessageBoxText(box), text);
    EXPECT_TRUE(vrui::HasButton(box, IDOK));
    vrui::PressButton(box, IDOK);
    EXPECT_TRUE(vrui::WaitForWindowGone(box));
  }

  void ExpectEnds(vrui::Program& program) {
    EXPECT_TRUE(vrui::WaitForExit(program)) << "still running (a message box left open?)";
    vrui::Kill(program);
  }

  // The stand-in's log of one MAPISendMail call as supportmail must make it.
  std::string ExpectedCall(HWND dialog, bool withLog, unsigned long result) {
    std::string call = "call\nsession=0\nparent=" + std::to_string(reinterpret_cast<ULONG_PTR>(dialog)) +
                       "\nflags=9\nreserved=0\nmessage.reserved=0\nsubject=" + Hex(supportmail::kSubject) +
                       "\nnote=" + Hex(withLog ? supportmail::kNoteWithLog : supportmail::kNoteSettingsOnly) +
                       "\nmessageType=null\ndateReceived=null\nconversationID=null\nmessage.flags=0"
                       "\noriginator=null\nrecipients=1\nrecipient.0.class=1\nrecipient.0.name=" +
                       Hex(supportmail::kRecipientName) + "\nrecipient.0.address=" +
                       Hex(std::string(supportmail::kAddressPrefix) + supportmail::kSupportMailbox) +
                       "\nrecipient.0.eidSize=0\nrecipient.0.entryID=null\nfiles=" + (withLog ? "2" : "1") + "\n";
    const std::string paths[] = {settings_, log_};
    const char* names[] = {"vrw32.ini", "vrwlog3.bin"};
    for (int i = 0; i < (withLog ? 2 : 1); ++i) {
      const std::string at = "file." + std::to_string(i) + ".";
      call += at + "flags=0\n" + at + "position=" + std::to_string(i) + "\n" + at + "path=" + Hex(paths[i]) + "\n" +
              at + "fileName=" + Hex(names[i]) + "\n" + at + "fileType=null\n" + at + "opened=1\n";
    }
    return call + "result=" + std::to_string(result) + "\nend\n";
  }

  vrtest::Installation installation_;
  std::string folder_, settings_, log_, mapiLog_;
};

TEST_F(SupportMailTest, UncheckedSendsTheSettingsFileAlone) {
  vrui::Program tool = Run(Library::kStandIn);
  HWND dialog = Dialog(tool);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(vrui::IsChecked(dialog, IDC_SEND_LOG));
  EXPECT_FALSE(vrui::Screenshot("supportmail_main").empty());
  vrui::PressButton(dialog, IDOK);
  ExpectEnds(tool);
  EXPECT_EQ(vrtest::ReadFileBytes(mapiLog_), ExpectedCall(dialog, false, 0));
}

TEST_F(SupportMailTest, CheckedSendsTheLogSecond) {
  vrui::Program tool = Run(Library::kStandIn);
  HWND dialog = Dialog(tool);
  ASSERT_NE(dialog, nullptr);
  vrui::SetCheck(dialog, IDC_SEND_LOG, true);
  vrui::PressEnter(dialog);
  ExpectEnds(tool);
  EXPECT_EQ(vrtest::ReadFileBytes(mapiLog_), ExpectedCall(dialog, true, 0));
}

TEST_F(SupportMailTest, CheckedWithoutALogSaysSoOnceAndSendsTheSettingsFile) {
  DeleteFileA(log_.c_str());
  vrui::Program tool = Run(Library::kStandIn);
  HWND dialog = Dialog(tool);
  ASSERT_NE(dialog, nullptr);
  vrui::SetCheck(dialog, IDC_SEND_LOG, true);
  vrui::PressButton(dialog, IDOK);
  ExpectBox(tool, supportmail::WithPath(supportmail::kLogCannotBeSent, log_));
  ExpectEnds(tool);
  EXPECT_EQ(vrtest::ReadFileBytes(mapiLog_), ExpectedCall(dialog, false, 0));
}

TEST_F(SupportMailTest, SettingsFileThatCannotBeOpenedKeepsTheDialog) {
  struct Case { const char* what; bool remove; } cases[] = {{"missing", true}, {"held open by another process", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    vrtest::WriteFileBytes(settings_, "[User]\r\nUserID=1\r\n");
    HANDLE holder = INVALID_HANDLE_VALUE;
    if (c.remove) {
      DeleteFileA(settings_.c_str());
    } else {
      holder = CreateFileA(settings_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }
    DeleteFileA(mapiLog_.c_str());
    vrui::Program tool = Run(Library::kStandIn);
    HWND dialog = Dialog(tool);
    ASSERT_NE(dialog, nullptr);
    vrui::PressButton(dialog, IDOK);
    ExpectBox(tool, supportmail::WithPath(supportmail::kSettingsCannotBeOpened, settings_));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_FALSE(vrtest::PathExists(mapiLog_));
    // Put right, the same button sends.
    if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
    vrtest::WriteFileBytes(settings_, "[User]\r\nUserID=1\r\n");
    vrui::PressButton(dialog, IDOK);
    ExpectEnds(tool);
    EXPECT_EQ(vrtest::ReadFileBytes(mapiLog_), ExpectedCall(dialog, false, 0));
  }
}

TEST_F(SupportMailTest, MissingOrInvalidMailLibraryKeepsTheDialog) {
  struct Case { const char* what; Library library; const char* text; } cases[] = {
      {"no MAPI32.DLL", Library::kNone, kLoadFailed},
      {"MAPI32.DLL without MAPISendMail", Library::kWithoutSend, kInvalidDll},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    vrui::Program tool = Run(c.library);
    HWND dialog = Dialog(tool);
    ASSERT_NE(dialog, nullptr);
    vrui::PressButton(dialog, IDOK);
    ExpectBox(tool, c.text);
    EXPECT_TRUE(IsWindowVisible(dialog));
    vrui::PressButton(dialog, IDOK);  // again: the library is looked for anew
    ExpectBox(tool, c.text);
    vrui::PressButton(dialog, IDCANCEL);
    ExpectEnds(tool);
  }
  EXPECT_FALSE(vrtest::PathExists(mapiLog_));
}

TEST_F(SupportMailTest, OnlyResultsOtherThan0And1And3AreReported) {
  for (unsigned long result : {0ul, 1ul, 3ul, 2ul, 26ul}) {
    SCOPED_TRACE(result);
    DeleteFileA(mapiLog_.c_str());
    vrui::Program tool = Run(Library::kStandIn, result);
    HWND dialog = Dialog(tool);
    ASSERT_NE(dialog, nullptr);
    vrui::PressButton(dialog, IDOK);
    if (!supportmail::IsSilentResult(result)) {
      if (result == 2) {
        HWND box = vrui::WaitForWindow(kBoxCaption, tool.pid);
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(vrui::Screenshot("supportmail_send_failed").empty());
      }
      ExpectBox(tool, kSendFailed);
    }
    ExpectEnds(tool);
    EXPECT_EQ(vrtest::ReadFileBytes(mapiLog_), ExpectedCall(dialog, false, result));
  }
}

TEST_F(SupportMailTest, AboutBoxFromTheSystemMenu) {
  vrui::Program tool = Run(Library::kStandIn);
  HWND dialog = Dialog(tool);
  ASSERT_NE(dialog, nullptr);
  for (WPARAM command : {WPARAM{IDM_ABOUTBOX}, WPARAM{0x1F}}) {
    PostMessageA(dialog, WM_SYSCOMMAND, command, 0);
    HWND about = vrui::WaitForWindow(kAboutCaption, tool.pid);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), dialog);
    if (command == IDM_ABOUTBOX) {
      EXPECT_FALSE(vrui::Screenshot("supportmail_about").empty());
    }
    vrui::PressButton(about, IDOK);
    EXPECT_TRUE(vrui::WaitForWindowGone(about));
  }
  vrui::SendClose(dialog);
  ExpectEnds(tool);
  EXPECT_FALSE(vrtest::PathExists(mapiLog_));
}

}  // namespace
