// The end of a job between real processes: the spooler hook in this process, the stand-in
// fax programs in their own, the stand-ins' logs as the evidence. The DLL under test is the
// build whose pause length comes from VR_PRINTHOOK_PAUSE_MS.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printhook/hook_constants.h"
#include "tests/handoff/fax_programs_run.h"
#include "tests/handoff/hook_job.h"
#include "tests/support/message_box_answerer.h"

namespace handofftest {
namespace {

using Lines = std::vector<std::string>;

const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// The boxes' texts as the shared UI driver reads them: code page 932.
std::string Ansi(const wchar_t* text) {
  char bytes[2048] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes - 1, nullptr, nullptr);
  return bytes;
}
const std::string kCaption = Ansi(W(printhook::kDriverBoxCaption));

const std::string kAsk1 = "msg=0x8000 wparam=1 answer=1";
const std::string kBusy1 = "msg=0x8000 wparam=1 answer=0";
const std::string kGoAhead = "msg=0x8000 wparam=2 answer=0";
const std::string kAborted = "msg=0x8000 wparam=3 answer=0";
const std::string kFileOutput = "msg=0x8F05 wparam=0 answer=0";
const std::string kNotTaken = "msg=0x8F07 wparam=0 answer=0";
const std::string kTaken = "msg=0x8F07 wparam=0 answer=1";
const std::string kStartSender = "msg=0x8F02 wparam=0 answer=0";
const std::string kNotRunning = "msg=0x8F04 wparam=0 answer=0";
const std::string kRunning = "msg=0x8F04 wparam=0 answer=1";

// How the driver started the sender, as the sender's start-up information shows it.
const std::string kPlainStart = "master=0 sender=1 flags=0x1 show=1 cmdline=\"\"";
const std::string kUserStart = "master=0 sender=1 flags=0x100 show=0 cmdline=\"\"";

Lines Repeat(const std::string& line, int count) { return Lines(count, line); }
Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::string PathInArea(const Lines& lines, const std::string& role) {
  for (const std::string& line : lines) {
    if (line.compare(0, role.size() + 1, role + " ") != 0) continue;
    std::size_t at = line.find(" path=\"");
    if (at != std::string::npos) return line.substr(at + 7, line.find('"', at + 7) - at - 7);
  }
  return std::string();
}

std::wstring TxFolder() {
  using Folder = int(WINAPI*)(wchar_t*, unsigned);
  auto get = reinterpret_cast<Folder>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"VR14DRT.dll"), "VRWENV_GetSysPath_DATA_TXPATH")));
  wchar_t folder[520] = {};
  if (get) get(folder, sizeof folder);
  return folder;
}

// Files of the transmit-data folder whose names start with prefix.
std::vector<std::wstring> OutputFiles(const std::wstring& prefix) {
  std::vector<std::wstring> found;
  std::wstring folder = TxFolder();
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW((folder + prefix + L"*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do found.push_back(folder + data.cFileName); while (FindNextFileW(search, &data));
  FindClose(search);
  return found;
}

// Files of earlier runs would be counted with this run's.
void RemoveOutputFiles(const std::wstring& prefix) {
  for (const std::wstring& file : OutputFiles(prefix)) DeleteFileW(file.c_str());
}

std::string FileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  return bytes;
}

class HandOff : public testing::Test {
 protected:
  void SetUp() override {
    jobs_ = &HookJobs::Get();
    ASSERT_NE(jobs_->module(), nullptr);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    log_ = std::string(temp) + "handoff_" +
           testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
    for (char& c : log_) if (c == '/') c = '_';
    DeleteFileA(log_.c_str());
    // A sender that the driver starts itself has no command line: it reads this instead.
    SenderStartsAs("--sender");
    idle_ = OpenEventW(EVENT_ALL_ACCESS, FALSE, W(printhook::kIdleEventName));
    ASSERT_NE(idle_, nullptr);
    HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, W(printhook::kHandOffMappingName));
    ASSERT_NE(mapping, nullptr);
    area_ = static_cast<unsigned char*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    CloseHandle(mapping);
  }
  void TearDown() override {
    CloseFaxPrograms();
    if (area_) UnmapViewOfFile(area_);
    if (idle_) CloseHandle(idle_);
  }

  void SenderStartsAs(const std::string& arguments) {
    SetEnvironmentVariableA("VR_FAX_STANDIN", (arguments + " --log \"" + log_ + "\"").c_str());
  }
  void Run(const std::string& arguments) { StartFaxPrograms(arguments, log_); }
  bool IdleSet() const { return WaitForSingleObject(idle_, 0) == WAIT_OBJECT_0; }
  Lines Log() const { return ReadLog(log_); }

  HookJobs* jobs_ = nullptr;
  std::string log_;
  HANDLE idle_ = nullptr;
  unsigned char* area_ = nullptr;
};

// --- to-file documents go to the master window only ---

struct ToFileCase {
  int takesOn;          // the master answers 0x8F07 non-zero from this question on; 0 never
  int questions;        // 0x8F07 questions the driver asks
};
class ToFile : public HandOff, public testing::WithParamInterface<ToFileCase> {};

TEST_P(ToFile, AnnouncesThePathWaitsForTheMasterAndClearsTheArea) {
  Run("--master --master-takes " + std::to_string(GetParam().takesOn));
  Run("--sender");
  ResetEvent(idle_);
  jobs_->Start({u"Minutes", true});
  jobs_->EndDoc();
  EXPECT_FALSE(IdleSet());
  jobs_->Close();
  EXPECT_FALSE(IdleSet()) << "to-file jobs leave the idle event alone";

  Lines log = Log();
  Lines expected = Lines{kFileOutput} + Repeat(kNotTaken, GetParam().questions - 1);
  expected.push_back(GetParam().takesOn ? kTaken : kNotTaken);
  EXPECT_EQ(Messages(log, "MASTER"), expected);
  std::string path = PathInArea(log, "MASTER");
  EXPECT_NE(path.find("Minutes("), std::string::npos);
  EXPECT_EQ(path.substr(path.size() - 4), ".VRD");
  EXPECT_EQ(Areas(log, "MASTER")[0], Hex(path + std::string(2, '\0')));
  EXPECT_EQ(area_[0], 0);
  EXPECT_EQ(area_[1], 0);
  EXPECT_TRUE(Messages(log, "SENDER").empty());
}

INSTANTIATE_TEST_SUITE_P(MasterAnswers, ToFile,
                         testing::Values(ToFileCase{1, 1}, ToFileCase{3, 3}, ToFileCase{16, 16},
                                         ToFileCase{0, 16}));

TEST_F(HandOff, ToFileWithEmptiedOutputPathAnnouncesTheKeptPath) {
  Run("--master");
  jobs_->Start({u"Kept", true});
  printhook::SpoolHeader refresh = jobs_->header();
  std::fill(std::begin(refresh.OutputPath), std::end(refresh.OutputPath), u'\0');
  jobs_->WriteHeader(refresh);
  jobs_->EndDoc();
  jobs_->Close();
  Lines log = Log();
  EXPECT_EQ(Messages(log, "MASTER"), (Lines{kFileOutput, kTaken}));
  std::string path = PathInArea(log, "MASTER");
  EXPECT_NE(path.find("Kept("), std::string::npos);
  EXPECT_EQ(Areas(log, "MASTER")[0], Hex(path + std::string(2, '\0')));
}

TEST_F(HandOff, ToFileAbortTellsNoOneAndLeavesTheIdleEvent) {
  Run("--master --sender");
  ResetEvent(idle_);
  jobs_->Start({u"Dropped", true});
  jobs_->Abort();
  EXPECT_FALSE(IdleSet());
  jobs_->Close();
  EXPECT_FALSE(IdleSet());
  EXPECT_TRUE(Messages(Log(), "MASTER").empty());
  EXPECT_TRUE(Messages(Log(), "SENDER").empty());
}

// --- documents to be faxed go to the sender ---

TEST_F(HandOff, RunningSenderTakesTheDocumentWithoutMasterOrStart) {
  Run("--master --master-reports 1");
  Run("--sender");
  jobs_->Start({u"Report 1.doc"});
  EXPECT_FALSE(IdleSet()) << "a job to be faxed resets the idle event when it starts";
  jobs_->EndDoc();
  EXPECT_TRUE(IdleSet());
  jobs_->Close();

  Lines log = Log();
  EXPECT_TRUE(Messages(log, "MASTER").empty());
  EXPECT_EQ(Messages(log, "SENDER"), (Lines{kAsk1, kGoAhead}));
  EXPECT_EQ(Starts(log).size(), 2u) << "no process was started by the driver";
  std::string path = PathInArea(log, "SENDER");
  EXPECT_NE(path.find("Report1_doc("), std::string::npos);
  EXPECT_EQ(path.substr(path.size() - 4), ".$$$");
  EXPECT_EQ(Areas(log, "SENDER")[0], Hex(path + '\0' + "Report 1.doc" + '\0'));
}

TEST_F(HandOff, DocumentWithoutNameGivesPathAndTwoZeroBytes) {
  Run("--sender");
  jobs_->Start({u""});
  jobs_->EndDoc();
  jobs_->Close();
  Lines log = Log();
  std::string path = PathInArea(log, "SENDER");
  EXPECT_NE(path.find("VELORIX("), std::string::npos);
  EXPECT_EQ(Areas(log, "SENDER")[0], Hex(path + std::string(2, '\0')));
}

struct MasterCase {
  int reportsOn;  // the master reports the sender running from this question on
};
class MasterStartsSender : public HandOff, public testing::WithParamInterface<MasterCase> {};

TEST_P(MasterStartsSender, DriverWaitsForTheWindowAndStartsNothing) {
  Run("--master --master-reports " + std::to_string(GetParam().reportsOn) +
      " --master-starts \"--sender --log " + log_ + "\"");
  jobs_->Start({u"Asked"});
  jobs_->EndDoc();
  EXPECT_TRUE(IdleSet());
  jobs_->Close();

  Lines log = Log();
  EXPECT_EQ(Messages(log, "MASTER"),
            Lines{kStartSender} + Repeat(kNotRunning, GetParam().reportsOn - 1) + Lines{kRunning});
  EXPECT_EQ(Messages(log, "SENDER"), (Lines{kAsk1, kGoAhead}));
  for (const std::string& start : Starts(log)) EXPECT_NE(start, kPlainStart);
  EXPECT_EQ(Starts(log).size(), 2u) << "the master and the sender it started";
}

INSTANTIATE_TEST_SUITE_P(Questions, MasterStartsSender,
                         testing::Values(MasterCase{1}, MasterCase{3}, MasterCase{16}));

TEST_F(HandOff, MasterThatNeverReportsMakesTheDriverStartTheSender) {
  Run("--master --master-reports 0");
  jobs_->Start({u"Silent"});
  jobs_->EndDoc();
  jobs_->Close();
  Lines log = Log();
  EXPECT_EQ(Messages(log, "MASTER"), Lines{kStartSender} + Repeat(kNotRunning, 16));
  EXPECT_EQ(Starts(log).back(), kPlainStart);
  EXPECT_EQ(Messages(log, "SENDER"), (Lines{kAsk1, kGoAhead}));
}

TEST_F(HandOff, NoMasterNoSenderStartsTheSenderWithANormalWindow) {
  jobs_->Start({u"Alone"});
  jobs_->EndDoc();
  EXPECT_TRUE(IdleSet());
  jobs_->Close();
  Lines log = Log();
  EXPECT_EQ(Starts(log), Lines{kPlainStart});
  EXPECT_EQ(Messages(log, "SENDER"), (Lines{kAsk1, kGoAhead}));
}

TEST_F(HandOff, ImpersonatingThreadStartsTheSenderAsTheUserAndImpersonatesAgain) {
  ASSERT_TRUE(ImpersonateSelf(SecurityImpersonation));
  jobs_->Start({u"AsUser"});
  jobs_->EndDoc();
  HANDLE token = nullptr;
  EXPECT_TRUE(OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token))
      << "the thread went on with the spooler's own identity";
  if (token) CloseHandle(token);
  RevertToSelf();
  jobs_->Close();
  Lines log = Log();
  EXPECT_EQ(Starts(log), Lines{kUserStart});
  EXPECT_EQ(Messages(log, "SENDER"), (Lines{kAsk1, kGoAhead}));
}

TEST_F(HandOff, SenderWindowThatNeverAppearsGivesUpSilently) {
  SenderStartsAs("--sender --no-window --lifetime-ms 3000");
  vrui::MessageBoxAnswerer boxes(kCaption, {});
  RemoveOutputFiles(L"Vanished(");
  jobs_->Start({u"Vanished"});
  jobs_->EndDoc();
  EXPECT_FALSE(IdleSet()) << "a given-up hand-off does not reach its last step";
  EXPECT_EQ(OutputFiles(L"Vanished(").size(), 1u) << "the output file stays";
  jobs_->Close();
  EXPECT_TRUE(IdleSet());
  EXPECT_EQ(Starts(Log()), Lines{kPlainStart});
  EXPECT_TRUE(Messages(Log(), "SENDER").empty());
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(HandOff, SenderThatCannotStartShowsTheErrorCodeAndGivesUp) {
  std::wstring sender = ProductFolder() + L"\\VRWFAX32.EXE";
  std::wstring moved = sender + L".away";
  ASSERT_TRUE(MoveFileW(sender.c_str(), moved.c_str()));
  vrui::MessageBoxAnswerer boxes(kCaption, {IDOK});
  RemoveOutputFiles(L"Unstarted(");
  jobs_->Start({u"Unstarted"});
  jobs_->EndDoc();
  MoveFileW(moved.c_str(), sender.c_str());
  EXPECT_FALSE(IdleSet());
  jobs_->Close();

  std::vector<vrui::SeenMessageBox> seen = boxes.Seen();
  ASSERT_EQ(seen.size(), 1u);
  wchar_t expected[1100];
  wsprintfW(expected, W(printhook::kStartErrorFormat), sender.c_str(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(seen[0].text, Ansi(expected));
  EXPECT_TRUE(seen[0].hasOk);
  EXPECT_FALSE(seen[0].hasRetry);
  EXPECT_EQ(OutputFiles(L"Unstarted(").size(), 1u);
}

// --- a busy sender: the user meets the Retry/Cancel box ---

class BusySender : public HandOff {
 protected:
  void SetUp() override {
    HandOff::SetUp();
    owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                             100, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(owner_);
  }
  void TearDown() override {
    DestroyWindow(owner_);
    HandOff::TearDown();
  }
  std::string BusyText() const {
    wchar_t text[256] = {};
    LoadStringW(jobs_->module(), IDS_SENDER_BUSY, text, 256);
    return Ansi(text);
  }
  HWND owner_ = nullptr;
};

TEST_F(BusySender, RetryTwiceThenAccepted) {
  Run("--sender --busy 2");
  vrui::MessageBoxAnswerer boxes(kCaption, {IDRETRY, IDRETRY});
  jobs_->Start({u"Busy"});
  ASSERT_EQ(GetActiveWindow(), owner_);
  jobs_->EndDoc();
  EXPECT_TRUE(IdleSet());
  jobs_->Close();

  EXPECT_EQ(Messages(Log(), "SENDER"), (Lines{kBusy1, kBusy1, kAsk1, kGoAhead}));
  std::vector<vrui::SeenMessageBox> seen = boxes.Seen();
  ASSERT_EQ(seen.size(), 2u);
  for (const vrui::SeenMessageBox& box : seen) {
    EXPECT_EQ(box.text, BusyText());
    EXPECT_TRUE(box.hasRetry && box.hasCancel);
    EXPECT_EQ(box.owner, owner_);
  }
  EXPECT_FALSE(BusyText().empty());
}

TEST_F(BusySender, CancelGivesUp) {
  Run("--sender --busy 9");
  vrui::MessageBoxAnswerer boxes(kCaption, {IDCANCEL});
  RemoveOutputFiles(L"Cancelled(");
  jobs_->Start({u"Cancelled"});
  jobs_->EndDoc();
  EXPECT_FALSE(IdleSet());
  jobs_->Close();
  EXPECT_EQ(Messages(Log(), "SENDER"), Lines{kBusy1});
  EXPECT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(OutputFiles(L"Cancelled(").size(), 1u);
}

// --- abort ---

TEST_F(HandOff, AbortNotifiesTheLastSenderAndCompletesTheFileOnce) {
  Run("--sender");
  jobs_->Start({u"Before"});
  jobs_->EndDoc();
  jobs_->Close();

  RemoveOutputFiles(L"Aborted(");
  jobs_->Start({u"Aborted"});
  EXPECT_FALSE(IdleSet());
  jobs_->Abort();
  EXPECT_TRUE(IdleSet());
  std::vector<std::wstring> files = OutputFiles(L"Aborted(");
  ASSERT_EQ(files.size(), 1u);
  std::string afterAbort = FileBytes(files[0]);
  jobs_->Close();
  EXPECT_EQ(FileBytes(files[0]), afterAbort) << "the second completion changes nothing";
  EXPECT_EQ(Messages(Log(), "SENDER"), (Lines{kAsk1, kGoAhead, kAborted}));
}

TEST_F(HandOff, LocalFaxDeviceSetsTheIdleEventOnlyAfterAHandOff) {
  Run("--sender");
  ResetEvent(idle_);
  jobs_->Start({u"LocalAbort", false, u"HALVERON LocalFAX"});
  jobs_->Abort();
  EXPECT_FALSE(IdleSet());
  jobs_->Close();
  EXPECT_FALSE(IdleSet());
  EXPECT_TRUE(Messages(Log(), "SENDER").empty()) << "no abort notice for the local device";

  jobs_->Start({u"LocalSent", false, u"HALVERON LocalFAX"});
  jobs_->EndDoc();
  EXPECT_TRUE(IdleSet());
  jobs_->Close();
  EXPECT_EQ(Messages(Log(), "SENDER"), (Lines{kAsk1, kGoAhead}));
  EXPECT_EQ(PathInArea(Log(), "SENDER").substr(PathInArea(Log(), "SENDER").size() - 4), ".VRD");
}

// --- a job the print-out control window takes ---

std::vector<std::pair<WPARAM, LPARAM>> g_ocxMessages;
std::string g_ocxPath;

LRESULT CALLBACK OcxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const UINT ocxMessage = RegisterWindowMessageW(W(printhook::kOcxMessageName));
  if (message != ocxMessage) return DefWindowProcW(window, message, wParam, lParam);
  g_ocxMessages.emplace_back(wParam, lParam);
  if (wParam == printhook::kOcxAskWaiting) return 1;
  if (wParam == printhook::kOcxReadOutputPath)
    return static_cast<std::size_t>(lParam) < g_ocxPath.size()
               ? static_cast<unsigned char>(g_ocxPath[lParam]) : 0;
  return 0;  // the document name it waits for is empty: it takes any job
}

TEST_F(HandOff, JobOfThePrintOutControlWindowGetsOnlyTheOutputEnded) {
  Run("--master --sender");
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = OcxProc;
  windowClass.lpszClassName = W(printhook::kOcxWindowClass);
  RegisterClassW(&windowClass);
  HWND ocx = CreateWindowExW(0, W(printhook::kOcxWindowClass), L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                             nullptr, nullptr, nullptr);
  ASSERT_NE(ocx, nullptr);
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  g_ocxPath = std::string(temp) + "ocx_job.tif";
  g_ocxMessages.clear();

  jobs_->Start({u"Ocx"});
  g_ocxMessages.clear();
  jobs_->EndDoc();
  EXPECT_EQ(g_ocxMessages, (std::vector<std::pair<WPARAM, LPARAM>>{{printhook::kOcxOutputState, 0}}));
  g_ocxMessages.clear();
  jobs_->WriteHeader(jobs_->header());
  EXPECT_TRUE(g_ocxMessages.empty()) << "the header was still seen: no new start of output";
  jobs_->Close();
  DestroyWindow(ocx);
  EXPECT_TRUE(Messages(Log(), "MASTER").empty());
  EXPECT_TRUE(Messages(Log(), "SENDER").empty());
}

// --- texts that do not fit the hand-off area ---

TEST_F(HandOff, PathThatDoesNotFitTheAreaGivesUpInsteadOfACutPath) {
  Run("--sender");
  jobs_->Start({std::u16string(240, u'資')});
  jobs_->EndDoc();
  EXPECT_FALSE(IdleSet());
  jobs_->Close();
  EXPECT_TRUE(Messages(Log(), "SENDER").empty());
}

}  // namespace
}  // namespace handofftest
