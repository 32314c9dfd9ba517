// Where a print job's document lands and under which name, with spoolrun and printhook.dll
// as real processes and files under Wine.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

#include "standins/spoolrun/job_file.h"

#include "tests/installenv/installation_fixture.h"
#include "tests/printhook/print_run.h"

namespace phtest {
namespace {

mkspool::JobSettings Job(const std::string& document) {
  mkspool::JobSettings job;
  job.document = std::u16string(document.begin(), document.end());
  return job;
}

const std::string kStamp = R"(\(\d{15}\))";

TEST(OutputFile, NamesByDocumentModeAndDevice) {
  struct Case {
    const char* title;
    std::string document;
    bool toFile, color;
    std::u16string device;
    std::string pattern;
  } cases[] = {
      {"faxed", "Report 1.doc", false, false, u"VELORIX FAX", "Report1_doc" + kStamp + R"(\.\$\$\$)"},
      {"no name", "", false, false, u"VELORIX FAX", "VELORIX" + kStamp + R"(\.\$\$\$)"},
      {"to file", "Report 1.doc", true, false, u"VELORIX FAX", "Report1_doc" + kStamp + R"(\.VRD)"},
      {"to file colour", "Report 1.doc", true, true, u"VELORIX FAX", "Report1_doc" + kStamp + R"(\.VRE)"},
      {"local fax device", "a:b", false, false, u"HALVERON LocalFAX", "a_b" + kStamp + R"(\.VRD)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    PrintInstallation install;
    mkspool::JobSettings job = Job(c.document);
    job.toFile = c.toFile;
    job.device = c.device;
    mkspool::PageSettings settings;
    settings.color = c.color;
    RunResult run = RunJob(WriteJob(install.root + "\\job.spl", job, {TestPage(1700, 300, settings)}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::vector<std::string> files = FilesIn(install.TxFolder());
    ASSERT_EQ(files.size(), 1u) << run.output;
    EXPECT_TRUE(std::regex_match(files[0], std::regex(c.pattern))) << files[0];
    std::string log = vrtest::ReadFileBytes(install.root + "\\writer.log");
    // In to-file mode the header's output path carries the full path to the writer.
    std::string full = install.TxFolder() + "\\" + files[0];
    EXPECT_EQ(log.find("header-output-path=" + full + " ") != std::string::npos, c.toFile) << log;
  }
}

std::string StampAt(ULONGLONG fileTime) {
  FILETIME ft = {static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
  SYSTEMTIME s;
  FileTimeToSystemTime(&ft, &s);
  char stamp[32];
  wsprintfA(stamp, "(%02d%02d%02d%02d%02d%02d%03d)", s.wYear % 100, s.wMonth, s.wDay, s.wHour, s.wMinute,
            s.wSecond, s.wMilliseconds);
  return stamp;
}

ULONGLONG LocalNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  FILETIME ft;
  SystemTimeToFileTime(&now, &ft);
  return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

// A name taken at the job's time stamp (with any extension) gets the first free suffix. The
// job's millisecond cannot be known, so every stamp of a window ahead is taken beforehand and
// the job is started inside it (again with a new window if the clock ran past it).
TEST(OutputFile, TakenNamesGetSuffixes) {
  for (int takenSuffixes : {0, 1}) {
    SCOPED_TRACE(takenSuffixes);
    bool inWindow = false;
    for (int attempt = 0; attempt < 3 && !inWindow; ++attempt) {
      PrintInstallation install;
      vrtest::FreshFolder("print\\DATA\\TXDATA");
      const ULONGLONG ms = 10000, from = LocalNow() + 2500 * ms, to = from + 700 * ms;
      for (ULONGLONG t = from; t < to; t += ms) {
        std::string base = install.TxFolder() + "\\x" + StampAt(t);
        vrtest::WriteFileBytes(base + ".old", "");
        if (takenSuffixes) vrtest::WriteFileBytes(base + "~0.VRD", "");
      }
      while (LocalNow() < from) Sleep(10);
      if (LocalNow() > from + 300 * ms) continue;  // too late for this window
      RunResult run = RunJob(WriteJob(install.root + "\\job.spl", Job("x"), {TestPage(1700, 8)}));
      ASSERT_EQ(run.exitCode, 0) << run.output;
      for (const std::string& f : FilesIn(install.TxFolder())) {
        if (f.size() < 4 || f.substr(f.size() - 4) != ".$$$") continue;
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(f, parts, std::regex(R"(x(\(\d{15}\))(~.)?\.\$\$\$)"))) << f;
        inWindow = parts[1].str() >= StampAt(from) && parts[1].str() < StampAt(to);
        if (inWindow) {
          EXPECT_EQ(parts[2].str(), takenSuffixes ? "~1" : "~0") << f;
        }
      }
    }
    EXPECT_TRUE(inWindow) << "the job never started inside a prepared window";
  }
}

TEST(OutputFile, ExplicitOutputPathIsUsedAsGiven) {
  PrintInstallation install;
  CreateDirectoryA((install.root + "\\out").c_str(), nullptr);
  mkspool::JobSettings job = Job("doc");
  const std::string target = install.root + "\\out\\fax.tif";
  job.outputPath = std::u16string(target.begin(), target.end());
  RunResult run = RunJob(WriteJob(install.root + "\\job.spl", job, {TestPage(1700, 100)}));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(vrtest::PathExists(target)) << run.output;
  EXPECT_TRUE(FilesIn(install.TxFolder()).empty());
}

TEST(OutputFile, OutputPathEqualToThePortIsIgnored) {
  PrintInstallation install;
  mkspool::JobSettings job = Job("doc");
  job.outputPath = job.port;
  RunResult run = RunJob(WriteJob(install.root + "\\job.spl", job, {TestPage(1700, 100)}));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(FilesIn(install.TxFolder()).size(), 1u);
}

// Without a transmit-data folder the job is refused instead of writing a bare name anywhere.
TEST(OutputFile, NoTransmitFolderRefusesTheJob) {
  PrintInstallation install;
  vrtest::WriteFileBytes(install.root + "\\blocked", "a file where a folder should be");
  install.SetDataFolder(install.root + "\\blocked");
  RunResult run = RunJob(WriteJob(install.root + "\\job.spl", Job("doc"), {TestPage(1700, 100), TestPage(1700, 100)}));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::vector<std::string> lines = Lines(run.output);
  EXPECT_EQ(lines[1], "W 3848 -> TRUE taken=3848");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "P -> FALSE"), 2) << run.output;
  for (const std::string& f : FilesIn(RunFolder())) EXPECT_NE(f.find("doc"), 0u) << f;
  EXPECT_EQ(FilesIn(install.root), (std::vector<std::string>{"CTRL", "DATA", "blocked", "job.spl", "writer.log"}));
}

TEST(OutputFile, DibFormatWritesBitmapsAndNoTiff) {
  for (const char* format : {"dib", "DIB"}) {
    PrintInstallation install;
    install.WriteSettings(std::string("FileFormat=") + format);
    RunResult run = RunJob(WriteJob(install.root + "\\job.spl", Job("doc"), {TestPage(1700, 100), TestPage(1700, 120)}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(FilesIn(install.TxFolder()), (std::vector<std::string>{"DIBPAGE0001.BMP", "DIBPAGE0002.BMP"}));
    std::string log = vrtest::ReadFileBytes(install.root + "\\writer.log");
    EXPECT_EQ(log.find("tiff"), std::string::npos) << log;
  }
}

TEST(OutputFile, OtherFileFormatsWriteTiff) {
  for (const char* settings : {"FileFormat=TIFF", "FileFormat=1", "Sender=X.EXE"}) {
    PrintInstallation install;
    install.WriteSettings(settings);
    RunResult run = RunJob(WriteJob(install.root + "\\job.spl", Job("doc"), {TestPage(1700, 100)}));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::vector<std::string> files = FilesIn(install.TxFolder());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(vrtest::ReadFileBytes(install.TxFolder() + "\\" + files[0]).substr(0, 4), std::string("II*\0", 4));
  }
}

}  // namespace
}  // namespace phtest
