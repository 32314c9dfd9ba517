// Wine test helpers for the spooler hook: an installation of the product in the registry's
// 32-bit view (as the rendering DLL reads it), job files made with mkspool's builder, and
// spoolrun started as a real process beside printhook.dll.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/mkspool/spool_builder.h"

namespace phtest {

// C:\vrtest\print with CTRL and DATA folders named in the registry; removed again after.
class PrintInstallation {
 public:
  PrintInstallation();
  ~PrintInstallation();
  std::string root, ctrl, data;
  std::string TxFolder() const { return data + "\\TXDATA"; }
  void WriteSettings(const std::string& driverSection);  // lines of [VR14.DRV]
  void SetDataFolder(const std::string& folder);
};

struct RunResult {
  int exitCode = -1;
  std::string output;
};

// Runs spoolrun on a job file. With hold, stops after the calls (DLL still loaded) until
// Release().
class SpoolRun {
 public:
  SpoolRun(const std::string& jobPath, bool hold);
  ~SpoolRun();
  bool WaitHolding();  // reads the output up to the "holding" line
  RunResult Finish();  // ends the hold and waits for the exit
 private:
  bool ReadSome();
  PROCESS_INFORMATION process_ = {};
  HANDLE out_ = nullptr, in_ = nullptr;
  std::string output_;
};

RunResult RunJob(const std::string& jobPath);

std::string WriteJob(const std::string& path, const mkspool::JobSettings& job,
                     const std::vector<mkspool::SpoolPage>& pages);
std::string WriteRawJob(const std::string& path, const std::vector<std::uint8_t>& bytes);

// A page of width x height with a few black bars, portrait A4 200 dpi unless settings say.
mkspool::SpoolPage TestPage(int width, int height, mkspool::PageSettings settings = {});

std::vector<std::string> FilesIn(const std::string& folder);  // names, sorted
std::string RunFolder();  // the folder of this test program, spoolrun.exe and the DLLs
void SetEnv(const char* name, const char* value);  // nullptr removes
std::vector<std::string> Lines(const std::string& text);

}  // namespace phtest
