// formsave as the product runs it: a real process under Wine with a document on its command
// line, driven through its dialog, checked on disk and by a window of another process that
// listens for the broadcast.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "formsave/formsave_constants.h"
#include "formsave/formsave_resource.h"
#include "installenv/installenv_constants.h"
#include "tests/installenv/installation_fixture.h"
#include "tests/support/ui_driver.h"

namespace {

const char kCaption[] = "VELORIX プリンタドライバ";
const char kListenerCaption[] = "formsave broadcast listener";

class FormSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = vrtest::FreshFolder("formsave");
    data_ = folder_ + "\\data";
    CreateDirectoryA(data_.c_str(), nullptr);
    installation_.SetValue(installenv::kDataFolderValue, data_);
    pathList_ = data_ + "\\" + formsave::kPathListName;
    nameList_ = data_ + "\\" + formsave::kNameListName;
    listenerLog_ = folder_ + "\\broadcasts.log";
    listener_ = vrui::Start(vrui::BuiltPath(LISTENER_EXE), listenerLog_);
    listenerWindow_ = vrui::WaitForWindow(kListenerCaption, listener_.pid);
    ASSERT_NE(listenerWindow_, nullptr);
  }

  void TearDown() override {
    PostMessageA(listenerWindow_, WM_CLOSE, 0, 0);
    vrui::WaitForExit(listener_);
    vrui::Kill(listener_);
  }

  std::string Document(const std::string& name) {
    const std::string path = folder_ + "\\" + name;
    vrtest::WriteFileBytes(path, "document " + name);
    return path;
  }

  vrui::Program Run(const std::string& args, const std::string& workingFolder = "") {
    return vrui::Start(vrui::BuiltPath(FORMSAVE_EXE), args, "", workingFolder);
  }

  HWND Dialog(const vrui::Program& program) { return vrui::WaitForWindow(kCaption, program.pid); }

  void ExpectEnds(vrui::Program& program) {
    EXPECT_TRUE(vrui::WaitForExit(program));
    vrui::Kill(program);
  }

  // Runs formsave on document and presses OK on its dialog.
  void RegisterWithDefaultName(const std::string& document) {
    vrui::Program tool = Run(document);
    HWND dialog = Dialog(tool);
    ASSERT_NE(dialog, nullptr);
    vrui::PressButton(dialog, IDOK);
    ExpectEnds(tool);
  }

  // Every broadcast the listener received so far, one "wParam lParam" line each.
  std::string Broadcasts() {
    const std::string before = vrtest::ReadFileBytes(listenerLog_);
    PostMessageA(listenerWindow_, WM_APP, 0, 0);
    std::string log;
    for (int i = 0; i < 200; ++i) {
      log = vrtest::ReadFileBytes(listenerLog_);
      if (log.size() >= before.size() + 5 && log.compare(log.size() - 5, 5, "sync\n") == 0) break;
      Sleep(50);
    }
    std::string broadcasts;
    for (std::string::size_type at = 0; at < log.size();) {
      const auto end = log.find('\n', at) + 1;
      const std::string line = log.substr(at, end - at);
      if (line != "sync\n") broadcasts += line;
      at = end;
    }
    return broadcasts;
  }

  vrtest::Installation installation_;
  std::string folder_, data_, pathList_, nameList_, listenerLog_;
  vrui::Program listener_;
  HWND listenerWindow_ = nullptr;
};

TEST_F(FormSaveTest, CommandLinesNameTheDocumentOrEndSilently) {
  std::string dots;
  while ((folder_ + dots).size() < 290) dots += "\\.";
  struct Case {
    const char* what;
    std::string args;
    std::string opened;  // the document the dialog deletes on cancel; empty: no dialog
    std::string workingFolder;
  } cases[] = {
      {"plain path", folder_ + "\\plain.vrd", "plain.vrd", ""},
      {"quoted path with blanks and more words", "\"" + folder_ + "\\doc 1.vrd\" more words", "doc 1.vrd", ""},
      {"unquoted path with a blank", folder_ + "\\doc 1.vrd", "", ""},
      {"unclosed quote", "\"" + folder_ + "\\doc 1.vrd", "doc 1.vrd", ""},
      {"lone quote", "\"", "", ""},
      {"blanks and tabs", "  \t \t ", "", ""},
      {"empty", "", "", ""},
      {"double-byte first character, unquoted", "\x81\x81 more", "\x81\x81", folder_},
      {"argument over 260 bytes", "\"" + folder_ + dots + "\\plain.vrd\"", "", ""},
      {"command line over 511 bytes", folder_ + "\\plain.vrd " + std::string(600, 'w'), "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string documents[] = {Document("plain.vrd"), Document("doc 1.vrd"), Document("\x81\x81")};
    vrui::Program tool = Run(c.args, c.workingFolder);
    ASSERT_NE(tool.process, nullptr);
    if (!c.opened.empty()) {
      HWND dialog = Dialog(tool);
      ASSERT_NE(dialog, nullptr);
      HWND edit = GetDlgItem(dialog, IDC_DOCUMENT_NAME);
      EXPECT_EQ(vrui::ControlText(dialog, IDC_DOCUMENT_NAME), formsave::kDefaultDocumentName);
      DWORD from = 1, to = 0;
      SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
      EXPECT_EQ(from, 0u);
      EXPECT_EQ(to, static_cast<DWORD>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0)));  // the whole text
      GUITHREADINFO info = {};
      info.cbSize = sizeof info;
      GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
      EXPECT_EQ(info.hwndFocus, edit);
      vrui::PressButton(dialog, IDCANCEL);
    }
    ExpectEnds(tool);
    for (const auto& document : documents) {
      const bool isOpened = !c.opened.empty() && document == folder_ + "\\" + c.opened;
      EXPECT_EQ(vrtest::PathExists(document), !isOpened) << document;
    }
    EXPECT_FALSE(vrtest::PathExists(pathList_));
    EXPECT_FALSE(vrtest::PathExists(nameList_));
  }
  EXPECT_EQ(Broadcasts(), "");
}

TEST_F(FormSaveTest, EveryEndingOtherThanOkDeletesTheDocument) {
  struct Case { const char* what; void (*end)(HWND); } cases[] = {
      {"cancel button", [](HWND d) { vrui::PressButton(d, IDCANCEL); }},
      {"Esc", vrui::PressEscape},
      {"close box", vrui::SendClose},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string document = Document("doc 1.vrd");
    vrui::Program tool = Run("\"" + document + "\"");
    HWND dialog = Dialog(tool);
    ASSERT_NE(dialog, nullptr);
    c.end(dialog);
    ExpectEnds(tool);
    EXPECT_FALSE(vrtest::PathExists(document));
    EXPECT_FALSE(vrtest::PathExists(pathList_));
    EXPECT_FALSE(vrtest::PathExists(nameList_));
  }
  EXPECT_EQ(Broadcasts(), "");
}

TEST_F(FormSaveTest, OkWithTheDefaultNameCreatesBothListsAndBroadcasts) {
  const std::string document = Document("doc 1.vrd");
  vrui::Program tool = Run("\"" + document + "\" more");
  HWND dialog = Dialog(tool);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0), 0);  // formsave sets no icon
  EXPECT_EQ(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_FALSE(vrui::Screenshot("formsave_main").empty());
  vrui::PressEnter(dialog);
  ExpectEnds(tool);
  EXPECT_EQ(vrtest::ReadFileBytes(pathList_), document + "\r\n");
  EXPECT_EQ(vrtest::ReadFileBytes(nameList_), std::string(formsave::kDefaultDocumentName) + "\r\n");
  EXPECT_EQ(Broadcasts(), "121 0\n");
  EXPECT_TRUE(vrtest::PathExists(document));
}

TEST_F(FormSaveTest, OkAppendsTheTypedNameToExistingLists) {
  const std::string earlier = "C:\\earlier.vrd\r\n";
  const std::string earlierName = "\x8C\xA9\x90\xCF\r\n";  // 見積
  struct Case { const char* what; std::string typed, written; } cases[] = {
      {"empty name", "", ""},
      {"300-byte name", std::string(300, 'n'), std::string(260, 'n')},
      {"Japanese name", "\x90\xBF\x8B\x81\x8F\x91", "\x90\xBF\x8B\x81\x8F\x91"},  // 請求書
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    vrtest::WriteFileBytes(pathList_, earlier);
    vrtest::WriteFileBytes(nameList_, earlierName);
    const std::string document = Document("plain.vrd");
    vrui::Program tool = Run(document);
    HWND dialog = Dialog(tool);
    ASSERT_NE(dialog, nullptr);
    vrui::SetControlText(dialog, IDC_DOCUMENT_NAME, c.typed);
    vrui::PressButton(dialog, IDOK);
    ExpectEnds(tool);
    EXPECT_EQ(vrtest::ReadFileBytes(pathList_), earlier + document + "\r\n");
    EXPECT_EQ(vrtest::ReadFileBytes(nameList_), earlierName + c.written + "\r\n");
    EXPECT_TRUE(vrtest::PathExists(document));
  }
  EXPECT_EQ(Broadcasts(), "121 0\n121 0\n121 0\n");
}

TEST_F(FormSaveTest, NameListHeldOpenForReadingGetsNoLineAndNoBroadcast) {
  HANDLE reader = CreateFileA(nameList_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  const std::string document = Document("plain.vrd");
  ASSERT_NO_FATAL_FAILURE(RegisterWithDefaultName(document));
  CloseHandle(reader);
  EXPECT_EQ(vrtest::ReadFileBytes(pathList_), document + "\r\n");
  EXPECT_EQ(vrtest::ReadFileBytes(nameList_), "");
  EXPECT_EQ(Broadcasts(), "");
  EXPECT_TRUE(vrtest::PathExists(document));
}

TEST_F(FormSaveTest, ListPathsOverThePathLimitWriteNothing) {
  // The list names do not fit behind this folder: the registration ends as if no document had
  // been named, and the document stays.
  const std::string longFolder = data_ + "\\" + std::string(255 - data_.size(), 'L');
  installation_.SetValue(installenv::kDataFolderValue, longFolder);
  const std::string document = Document("plain.vrd");
  ASSERT_NO_FATAL_FAILURE(RegisterWithDefaultName(document));
  EXPECT_EQ(Broadcasts(), "");
  EXPECT_TRUE(vrtest::PathExists(document));
  EXPECT_FALSE(vrtest::PathExists(pathList_));
}

}  // namespace
