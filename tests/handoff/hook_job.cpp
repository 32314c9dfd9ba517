#include "tests/handoff/hook_job.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "tests/handoff/fax_programs_run.h"

namespace handofftest {

namespace {
template <class F>
void Bind(HMODULE module, const char* name, F* function) {
  *function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (!*function) std::fprintf(stderr, "printhook.dll lacks %s\n", name);
}

template <std::size_t N>
void Put(char16_t (&field)[N], const std::u16string& text) {
  std::memset(field, 0, sizeof field);
  std::memcpy(field, text.data(), std::min(text.size(), N - 1) * sizeof(char16_t));
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

printhook::SpoolHeader MakeHeader(const JobSpec& spec) {
  printhook::SpoolHeader header = {};
  std::memcpy(header.Tag, printhook::kSpoolHeaderTag, 4);
  header.WriterHandle = -1;
  header.Width = 1728;
  header.Height = 2292;
  header.DevMode.dmSize = sizeof header.DevMode;
  header.DevMode.dmOrientation = 1;
  header.DevMode.dmPaperSize = 9;  // A4
  header.DevMode.dmPrintQuality = 200;
  header.DevMode.dmYResolution = 200;
  header.DevMode.dmColor = 1;
  header.ToFile = spec.toFile ? 1 : 0;
  Put(header.DevMode.dmDeviceName, spec.device);
  Put(header.DeviceName, spec.device);
  Put(header.PortName, u"VRFAX:");
  Put(header.DocumentName, spec.document);
  return header;
}

}  // namespace handofftest
