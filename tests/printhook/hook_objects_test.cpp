// The named events seen from another process, the module start of a second process, the
// string resources, and the print-out control window protocol.
#include <gtest/gtest.h>

#include "printhook/hook_constants.h"
#include "tests/installenv/installation_fixture.h"
#include "tests/printhook/print_run.h"

namespace phtest {
namespace {

struct Events {
  HANDLE idle = CreateEventA(nullptr, TRUE, FALSE, "EVT_PRT_ofVR14");
  HANDLE start = CreateEventA(nullptr, TRUE, FALSE, "EVT_PRTDROP_ofVR14");
  ~Events() {
    CloseHandle(idle);
    CloseHandle(start);
  }
  static bool Signalled(HANDLE event) { return WaitForSingleObject(event, 0) == WAIT_OBJECT_0; }
};

// A job held open after its first page: the events as another process sees them, then after
// the close or the unload of the DLL.
TEST(HookObjects, EventsAroundAFaxedJob) {
  struct Case {
    const char* title;
    bool toFile;
    std::u16string device;
    bool close;
    bool idleWhileOpen, startWhileOpen, idleAfter;
  } cases[] = {
      {"faxed, unloaded open", false, u"VELORIX FAX", false, false, true, true},
      {"faxed, closed", false, u"VELORIX FAX", true, false, true, true},
      {"to file", true, u"VELORIX FAX", true, true, false, true},
      {"local fax device", false, u"HALVERON LocalFAX", true, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    PrintInstallation install;
    Events events;
    SetEvent(events.idle);  // idle before the job
    mkspool::JobSettings job;
    job.document = u"events";
    job.toFile = c.toFile;
    job.device = c.device;
    mkspool::SpoolPage page = TestPage(1700, 40);
    std::vector<std::uint8_t> bytes = mkspool::BuildJob(job, {page});
    // Cut the job after the first page's end.
    std::vector<std::uint8_t> open(bytes.begin(), bytes.end() - 10);
    SpoolRun run(WriteRawJob(install.root + "\\job.spl", c.close ? bytes : open), true);
    ASSERT_TRUE(run.WaitHolding());
    if (!c.close) {
      EXPECT_EQ(Events::Signalled(events.idle), c.idleWhileOpen);
      EXPECT_EQ(Events::Signalled(events.start), c.startWhileOpen);
    } else {
      // After the close the idle event is set again except for the cases that never reset it.
      EXPECT_TRUE(Events::Signalled(events.idle));
      EXPECT_EQ(Events::Signalled(events.start), c.startWhileOpen);
    }
    ResetEvent(events.idle);
    EXPECT_EQ(run.Finish().exitCode, 0);
    EXPECT_EQ(Events::Signalled(events.idle), c.idleAfter);  // the unload sets it
    ResetEvent(events.start);
  }
}

// A second process opens the objects that exist: the idle event keeps its state and the
// shared memory is the same.
TEST(HookObjects, SecondProcessOpensExistingObjects) {
  PrintInstallation install;
  Events events;  // exists, not signalled
  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 512, "MAP_PRT_ofVR14");
  ASSERT_NE(mapping, nullptr);
  SpoolRun run(WriteRawJob(install.root + "\\job.spl", {'V', 'R', 'S', 'P', 'O', 'O', 'L', '1'}), true);
  ASSERT_TRUE(run.WaitHolding());
  EXPECT_FALSE(Events::Signalled(events.idle));
  EXPECT_EQ(run.Finish().exitCode, 0);
  EXPECT_TRUE(Events::Signalled(events.idle));
  CloseHandle(mapping);
}

TEST(HookObjects, ModuleStartCreatesMissingObjects) {
  PrintInstallation install;
  SpoolRun run(WriteRawJob(install.root + "\\job.spl", {'V', 'R', 'S', 'P', 'O', 'O', 'L', '1'}), true);
  ASSERT_TRUE(run.WaitHolding());
  HANDLE idle = OpenEventA(SYNCHRONIZE, FALSE, "EVT_PRT_ofVR14");
  HANDLE start = OpenEventA(SYNCHRONIZE, FALSE, "EVT_PRTDROP_ofVR14");
  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, "MAP_PRT_ofVR14");
  ASSERT_NE(idle, nullptr);
  ASSERT_NE(start, nullptr);
  EXPECT_NE(mapping, nullptr);
  EXPECT_TRUE(Events::Signalled(idle));  // created signalled
  EXPECT_FALSE(Events::Signalled(start));
  run.Finish();
  CloseHandle(idle);
  CloseHandle(start);
  if (mapping) CloseHandle(mapping);
}

TEST(HookObjects, StringResourcesByNumber) {
  HMODULE dll = LoadLibraryExA((RunFolder() + "\\printhook.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(dll, nullptr);
  struct Case {
    UINT id;
    std::wstring text;
  } cases[] = {
      {IDS_SETTINGS_FILE, L"VRW32.INI"}, {IDS_SETTINGS_SECTION, L"VR14.DRV"}, {IDS_KEY_FILEFORMAT, L"FileFormat"},
      {IDS_KEY_COMPRESSION, L"Compression"}, {IDS_KEY_FILENAMEPROMPT, L"FilenamePrompt"},
      {IDS_KEY_DEBUG, L"Debug"}, {IDS_KEY_SENDER, L"Sender"}, {IDS_LOCAL_FAX_DEVICE, L"HALVERON LocalFAX"},
      {IDS_EXT_DOCUMENT, L".VRD"}, {IDS_EXT_TEMPORARY, L".$$$"},
      {IDS_SUFFIX_CHARS, L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ!#$%&'()-@^_`{}~+,;=[]"},
      {IDS_REMOVE_CHARS, L" \":/<>\\"},
  };
  for (const Case& c : cases) {
    wchar_t text[128] = {};
    LoadStringW(dll, c.id, text, 128);
    EXPECT_EQ(text, c.text) << c.id;
  }
  FreeLibrary(dll);
}

// The print-out control window stand-in, as its command line says.
class ControlWindow {
 public:
  ControlWindow(const std::string& log, const std::string& options) : log_(log) {
    std::string command = "\"" + RunFolder() + "\\ocxwindow.exe\" --log \"" + log + "\" --seconds 60 " + options;
    STARTUPINFOA startup = {sizeof startup};
    CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_);
    for (int i = 0; i < 200 && !FindWindowA("CLS_OCX_ofVR14", nullptr); ++i) Sleep(50);
  }
  ~ControlWindow() {
    HWND window = FindWindowA("CLS_OCX_ofVR14", nullptr);
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  std::string Log() const { return vrtest::ReadFileBytes(log_); }

 private:
  std::string log_;
  PROCESS_INFORMATION process_ = {};
};

TEST(HookObjects, ControlWindowTakesOrIsIgnored) {
  struct Case {
    const char* title;
    std::string options;
    bool takes;
  } cases[] = {
      {"waits for any job", "--path OWN", true},
      {"waits for this job, other case", "--document CTRL.DOC --path OWN", true},
      {"waits for another", "--document other --path OWN", false},
      {"answers 0", "--waiting 0 --path OWN", false},
      {"empty path", "--document ctrl.doc", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    PrintInstallation install;
    const std::string own = install.root + "\\own.tif";
    std::string options = c.options;
    std::size_t at = options.find("OWN");
    if (at != std::string::npos) options.replace(at, 3, "\"" + own + "\"");
    ControlWindow window(install.root + "\\ocx.log", options);
    ASSERT_NE(FindWindowA("CLS_OCX_ofVR14", nullptr), nullptr);
    mkspool::JobSettings job;
    job.document = u"ctrl.doc";
    RunResult run = RunJob(WriteJob(install.root + "\\job.spl", job, {TestPage(1700, 40)}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(vrtest::PathExists(own), c.takes);
    EXPECT_EQ(FilesIn(install.TxFolder()).size(), c.takes ? 0u : 1u);
    std::string log = window.Log();
    EXPECT_NE(log.find("wParam=100 lParam=0"), std::string::npos) << log;
    EXPECT_EQ(log.find("wParam=2 lParam=1") != std::string::npos, c.takes) << log;
  }
}

// A window text longer than the hook's buffer is cut, never overrun.
TEST(HookObjects, LongControlWindowTextIsCut) {
  PrintInstallation install;
  ControlWindow window(install.root + "\\ocx.log", "--document " + std::string(700, 'n') + " --path x");
  mkspool::JobSettings job;
  job.document = u"doc";
  RunResult run = RunJob(WriteJob(install.root + "\\job.spl", job, {TestPage(1700, 40)}));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::string log = window.Log();
  EXPECT_NE(log.find("wParam=3 lParam=542 "), std::string::npos);
  EXPECT_EQ(log.find("wParam=3 lParam=543 "), std::string::npos);
  EXPECT_EQ(FilesIn(install.TxFolder()).size(), 1u);
}

}  // namespace
}  // namespace phtest
