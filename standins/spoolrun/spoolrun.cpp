// Stand-in print spooler: spoolrun JOBFILE loads printhook.dll from its own folder and makes
// the job file's calls in order, one line per call with its result.
//   spoolrun [--hold] JOBFILE
// --hold: after the last call print "holding" and keep the DLL loaded until standard input
// ends, so that another process can look at the named objects while a job is open.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "printhook/entry_points.h"
#include "standins/spoolrun/job_file.h"

namespace {

struct Hook {
  DrvSplStartDocFn startDoc;
  DrvSplPageFn startPage, endPage;
  DrvSplWritePrinterFn writePrinter;
  DrvSplJobFn endDoc, abort, close;
};

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

bool ReadWholeFile(const wchar_t* path, std::vector<std::uint8_t>& bytes) {
  return spooljob::ReadAndClose(_wfopen(path, L"rb"), bytes);
}

template <class T>
bool Find(HMODULE dll, const char* name, T& function) {
  function = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
  if (!function) std::printf("spoolrun: printhook.dll has no entry point %s\n", name);
  return function != nullptr;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool hold = argc == 3 && std::wstring(argv[1]) == L"--hold";
  if (argc != 2 && !hold) {
    std::printf("usage: spoolrun [--hold] JOBFILE\n");
    return 2;
  }
  const wchar_t* jobPath = argv[argc - 1];
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(jobPath, bytes)) {
    std::printf("spoolrun: cannot read the job file\n");
    return 2;
  }
  std::vector<spooljob::Record> records;
  std::string error;
  if (!spooljob::ParseJob(bytes, records, error)) {
    std::printf("spoolrun: malformed job file: %s\n", error.c_str());
    return 3;
  }

  std::wstring dllPath = OwnFolder() + L"printhook.dll";
  HMODULE dll = LoadLibraryW(dllPath.c_str());
  if (!dll) {
    DWORD code = GetLastError();
    wchar_t reason[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   reason, 511, nullptr);
    char narrow[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, reason, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
    std::printf("spoolrun: printhook.dll did not load: error %lu %s\n", code, narrow);
    return 4;
  }
  Hook hook;
  if (!Find(dll, "DrvSplStartDoc", hook.startDoc) || !Find(dll, "DrvSplStartPage", hook.startPage) ||
      !Find(dll, "DrvSplEndPage", hook.endPage) || !Find(dll, "DrvSplWritePrinter", hook.writePrinter) ||
      !Find(dll, "DrvSplEndDoc", hook.endDoc) || !Find(dll, "DrvSplAbort", hook.abort) ||
      !Find(dll, "DrvSplClose", hook.close))
    return 4;

  HANDLE printer = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x5052));
  HANDLE driver = nullptr;
  LARGE_INTEGER started, ended;
  QueryPerformanceCounter(&started);
  for (spooljob::Record& record : records) {
    switch (record.op) {
      case spooljob::kStartDoc: {
        DWORD id = record.payload[0] | record.payload[1] << 8 | record.payload[2] << 16 |
                   static_cast<DWORD>(record.payload[3]) << 24;
        driver = hook.startDoc(printer, id);
        std::printf("S job=%lu -> %s\n", id, driver ? "handle" : "NULL");
        break;
      }
      case spooljob::kStartPage:
        std::printf("P -> %s\n", hook.startPage(driver) ? "TRUE" : "FALSE");
        break;
      case spooljob::kEndPage:
        std::printf("E -> %s\n", hook.endPage(driver) ? "TRUE" : "FALSE");
        break;
      case spooljob::kWrite: {
        DWORD taken = 0xFFFFFFFF;
        BOOL ok = hook.writePrinter(driver, record.payload.empty() ? nullptr : record.payload.data(),
                                    static_cast<DWORD>(record.payload.size()), &taken);
        std::printf("W %zu -> %s taken=%lu\n", record.payload.size(), ok ? "TRUE" : "FALSE", taken);
        break;
      }
      case spooljob::kEndDoc:
        hook.endDoc(driver);
        std::printf("D -> done\n");
        break;
      case spooljob::kAbort:
        hook.abort(driver);
        std::printf("A -> done\n");
        break;
      case spooljob::kClose:
        hook.close(driver);
        std::printf("C -> done\n");
        break;
    }
    std::fflush(stdout);
  }
  QueryPerformanceCounter(&ended);
  std::printf("calls: %zu in %.3f s\n", records.size(), Seconds(started, ended));
  if (hold) {
    std::printf("holding\n");
    std::fflush(stdout);
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
    }
  }
  FreeLibrary(dll);
  return 0;
}
