// Print jobs through the spooler hook DLL loaded into this process, as the spooler would
// call it: start, one header, end or abort, close.
#pragma once

#include <windows.h>

#include <string>

#include "printhook/entry_points.h"
#include "printhook/spool_header.h"

namespace handofftest {

struct JobSpec {
  std::u16string document = u"Report";
  bool toFile = false;
  std::u16string device = u"VELORIX FAX";
};

class HookJobs {
 public:
  // Loads the DLL from the product folder once per process.
  static HookJobs& Get();

  HMODULE module() const { return module_; }
  void Start(const JobSpec& spec);
  void WriteHeader(const printhook::SpoolHeader& header);
  void EndDoc() { endDoc_(job_); }
  void Abort() { abort_(job_); }
  void Close() { close_(job_); }
  const printhook::SpoolHeader& header() const { return header_; }

 private:
  HookJobs();
  HMODULE module_ = nullptr;
  HANDLE job_ = nullptr;
  printhook::SpoolHeader header_ = {};
  DrvSplStartDocFn startDoc_ = nullptr;
  DrvSplWritePrinterFn writePrinter_ = nullptr;
  DrvSplJobFn endDoc_ = nullptr;
  DrvSplJobFn abort_ = nullptr;
  DrvSplJobFn close_ = nullptr;
};

printhook::SpoolHeader MakeHeader(const JobSpec& spec);

}  // namespace handofftest
