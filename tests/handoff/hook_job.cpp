#include "tests/handoff/hook_job.h"

#include <cstdio>

#include "tests/handoff/fax_programs_run.h"
#include "tools/mkspool/spool_builder.h"

namespace handofftest {

namespace {
template <class F>
void Bind(HMODULE module, const char* name, F* function) {
  *function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (!*function) std::fprintf(stderr, "printhook.dll lacks %s\n", name);
}
}  // namespace

HookJobs& HookJobs::Get() {
  static HookJobs jobs;
  return jobs;
}

HookJobs::HookJobs() {
  std::wstring path = ProductFolder() + L"\\printhook.dll";
  module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!module_) {
    std::fprintf(stderr, "cannot load printhook.dll (%lu)\n", GetLastError());
    return;
  }
  Bind(module_, "DrvSplStartDoc", &startDoc_);
  Bind(module_, "DrvSplWritePrinter", &writePrinter_);
  Bind(module_, "DrvSplEndDoc", &endDoc_);
  Bind(module_, "DrvSplAbort", &abort_);
  Bind(module_, "DrvSplClose", &close_);
}

void HookJobs::Start(const JobSpec& spec) {
  job_ = startDoc_(nullptr, 1);
  WriteHeader(MakeHeader(spec));
}

void HookJobs::WriteHeader(const printhook::SpoolHeader& header) {
  header_ = header;
  DWORD taken = 0;
  writePrinter_(job_, &header_, sizeof header_, &taken);
}

// A first header of an A4 page at 200 dpi.
printhook::SpoolHeader MakeHeader(const JobSpec& spec) {
  mkspool::JobSettings job;
  job.document = spec.document;
  job.device = spec.device;
  job.toFile = spec.toFile;
  mkspool::SpoolPage page;
  page.width = 1728;
  page.height = 2292;
  return mkspool::MakeHeader(job, page);
}

}  // namespace handofftest
