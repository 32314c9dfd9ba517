// The job's record stream through spoolrun: headers, refreshes, dropped blocks, failures and
// calls outside a job.
#include <gtest/gtest.h>

#include <cstring>

#include "standins/spoolrun/job_file.h"
#include "tests/installenv/installation_fixture.h"
#include "tests/printhook/print_run.h"

namespace phtest {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct JobBuilder {
  Bytes bytes = Bytes(spooljob::kMagic, spooljob::kMagic + 8);
  JobBuilder& Op(char op) {
    spooljob::AppendRecord(bytes, op);
    return *this;
  }
  JobBuilder& Start(std::uint32_t id = 7) {
    spooljob::AppendStartDoc(bytes, id);
    return *this;
  }
  JobBuilder& Write(const void* data, std::size_t size) {
    spooljob::AppendRecord(bytes, spooljob::kWrite, data, static_cast<std::uint32_t>(size));
    return *this;
  }
  JobBuilder& Header(const printhook::SpoolHeader& h) { return Write(&h, sizeof h); }
  JobBuilder& Page(const mkspool::SpoolPage& p) { return Op('P').Write(p.rows.data(), p.rows.size()).Op('E'); }
};

printhook::SpoolHeader HeaderFor(const mkspool::SpoolPage& page, bool toFile = false) {
  mkspool::JobSettings job;
  job.document = u"stream";
  job.toFile = toFile;
  return mkspool::MakeHeader(job, page);
}

std::vector<std::string> CallLines(PrintInstallation& install, const JobBuilder& job) {
  RunResult run = RunJob(WriteRawJob(install.root + "\\job.spl", job.bytes));
  EXPECT_EQ(run.exitCode, 0) << run.output;
  std::vector<std::string> lines = Lines(run.output);
  if (!lines.empty()) lines.pop_back();  // the timing line
  return lines;
}

std::string WriterLog(PrintInstallation& install) { return vrtest::ReadFileBytes(install.root + "\\writer.log"); }

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(RecordStream, BlocksThatAreNotHeadersOrPages) {
  PrintInstallation install;
  mkspool::SpoolPage page = TestPage(1700, 40);
  Bytes notHeader(3848, 'x'), shortBlock(10, 0), ddrvPage(4000, 0xFF);
  std::memcpy(ddrvPage.data(), "DDRV", 4);
  JobBuilder job;
  job.Start().Header(HeaderFor(page)).Op('P').Write(notHeader.data(), notHeader.size())
      .Write(shortBlock.data(), shortBlock.size()).Write(ddrvPage.data(), ddrvPage.size()).Op('E').Op('D').Op('C');
  std::vector<std::string> expected = {"S job=7 -> handle", "W 3848 -> TRUE taken=3848", "P -> TRUE",
                                       "W 3848 -> TRUE taken=3848", "W 10 -> TRUE taken=10",
                                       "W 4000 -> TRUE taken=4000", "E -> TRUE", "D -> done", "C -> done"};
  EXPECT_EQ(CallLines(install, job), expected);
  // Only the 4000-byte block became a page.
  EXPECT_EQ(Count(WriterLog(install), "tiffAppendPage"), 1) << WriterLog(install);
}

TEST(RecordStream, RefreshKeepsWriterFieldsAndToFileMode) {
  PrintInstallation install;
  mkspool::SpoolPage first = TestPage(1700, 40), second = TestPage(1600, 60);
  printhook::SpoolHeader refresh = HeaderFor(second, /*toFile=*/true);
  refresh.WriterHandle = 12345;
  refresh.WriterState = 99;
  refresh.PageCount = 40;
  JobBuilder job;
  job.Start().Header(HeaderFor(first)).Page(first).Op('P').Header(refresh)
      .Write(second.rows.data(), second.rows.size()).Op('E').Op('D').Op('C');
  for (const std::string& line : CallLines(install, job)) EXPECT_EQ(line.find("FALSE"), std::string::npos) << line;
  std::string log = WriterLog(install);
  EXPECT_NE(log.find("tiffAppendPage page=2 1728x60"), std::string::npos) << log;
  EXPECT_NE(log.find("tiffCompleteFile pages=2 -> 1"), std::string::npos) << log;
  std::vector<std::string> files = FilesIn(install.TxFolder());
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].substr(files[0].size() - 4), ".$$$");  // still a faxed job
}

TEST(RecordStream, FailedStartStillTakesTheHeaderAndRefusesEveryPage) {
  PrintInstallation install;
  SetEnv("VR14DRT_FAIL", "create");
  mkspool::SpoolPage page = TestPage(1700, 40);
  JobBuilder job;
  job.Start().Header(HeaderFor(page)).Page(page).Page(page).Op('D').Op('C');
  std::vector<std::string> lines = CallLines(install, job);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[1], "W 3848 -> TRUE taken=3848");
  EXPECT_EQ(lines[2], "P -> FALSE");
  EXPECT_EQ(lines[5], "P -> FALSE");
  EXPECT_EQ(lines[3], "W " + std::to_string(page.rows.size()) + " -> FALSE taken=0");
  EXPECT_EQ(Count(WriterLog(install), "tiffAppendPage"), 0);
}

TEST(RecordStream, FailedTiffPageDeletesTheFile) {
  PrintInstallation install;
  SetEnv("VR14DRT_FAIL", "append=2");
  mkspool::SpoolPage page = TestPage(1700, 40);
  JobBuilder job;
  job.Start().Header(HeaderFor(page)).Page(page).Page(page).Op('D').Op('C');
  std::vector<std::string> lines = CallLines(install, job);
  EXPECT_EQ(lines[3], "W " + std::to_string(page.rows.size()) + " -> TRUE taken=" + std::to_string(page.rows.size()));
  EXPECT_EQ(lines[6], "W " + std::to_string(page.rows.size()) + " -> FALSE taken=0");
  EXPECT_TRUE(FilesIn(install.TxFolder()).empty());
  EXPECT_NE(WriterLog(install).find("tiffCompleteFile pages=1 -> 1"), std::string::npos);
}

TEST(RecordStream, FailedDibPageKeepsEarlierPages) {
  PrintInstallation install;
  install.WriteSettings("FileFormat=Dib");
  SetEnv("VR14DRT_FAIL", "dib=2");
  mkspool::SpoolPage page = TestPage(1700, 40);
  JobBuilder job;
  job.Start().Header(HeaderFor(page)).Page(page).Page(page).Page(page).Op('D').Op('C');
  std::vector<std::string> lines = CallLines(install, job);
  EXPECT_NE(lines[6].find("FALSE taken=0"), std::string::npos);
  EXPECT_NE(lines[9].find("TRUE"), std::string::npos);
  EXPECT_EQ(FilesIn(install.TxFolder()), (std::vector<std::string>{"DIBPAGE0001.BMP", "DIBPAGE0003.BMP"}));
  EXPECT_EQ(Count(WriterLog(install), "tiff"), 0);
}

// Calls without an open job change nothing; a second job while one is open is refused.
TEST(RecordStream, CallsOutsideAJobAndASecondJob) {
  PrintInstallation install;
  mkspool::SpoolPage page = TestPage(1700, 40);
  printhook::SpoolHeader header = HeaderFor(page);
  JobBuilder job;
  job.Op('P').Op('E').Header(header).Write(page.rows.data(), page.rows.size()).Op('D').Op('A').Op('C');
  job.Start(1).Start(2).Header(header).Page(page).Op('D').Op('C');
  std::vector<std::string> expected = {
      "P -> FALSE", "E -> FALSE", "W 3848 -> FALSE taken=0",
      "W " + std::to_string(page.rows.size()) + " -> FALSE taken=0", "D -> done", "A -> done", "C -> done",
      "S job=1 -> handle", "S job=2 -> NULL", "W 3848 -> TRUE taken=3848", "P -> TRUE",
      "W " + std::to_string(page.rows.size()) + " -> TRUE taken=" + std::to_string(page.rows.size()),
      "E -> TRUE", "D -> done", "C -> done"};
  EXPECT_EQ(CallLines(install, job), expected);
  EXPECT_EQ(FilesIn(install.TxFolder()).size(), 1u);
}

TEST(RecordStream, AbortCompletesThePartFile) {
  PrintInstallation install;
  mkspool::SpoolPage page = TestPage(1700, 40);
  JobBuilder job;
  job.Start().Header(HeaderFor(page)).Page(page).Op('A').Op('C');
  CallLines(install, job);
  std::string log = WriterLog(install);
  EXPECT_EQ(Count(log, "tiffCompleteFile pages=1 -> 1"), 1) << log;
  EXPECT_EQ(Count(log, "tiffCompleteFile -> 0 (no open file)"), 1) << log;
  EXPECT_EQ(FilesIn(install.TxFolder()).size(), 1u);
}

TEST(RecordStream, MalformedJobFileIsReported) {
  PrintInstallation install;
  RunResult run = RunJob(WriteRawJob(install.root + "\\bad.spl", Bytes{'V', 'R', 'S', 'P', 'O', 'O', 'L', '1', 'W', 9, 0, 0, 0}));
  EXPECT_NE(run.exitCode, 0);
  EXPECT_NE(run.output.find("malformed job file"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace phtest
