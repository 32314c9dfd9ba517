#include "formsave/list_file.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "formsave/formsave_constants.h"

namespace formsave {
namespace {

// One name per list file (its path, upper-cased, hashed), shared by every formsave process.
void AppendMutexName(const char* path, char (&name)[48]) {
  std::uint32_t hash = 2166136261u;
  for (const char* p = path; *p; ++p) {
    const auto byte = static_cast<unsigned char>(*p);
    hash = (hash ^ (byte >= 'a' && byte <= 'z' ? byte - 32 : byte)) * 16777619u;
  }
  std::snprintf(name, sizeof name, "VR_formsave_append_%08X", static_cast<unsigned>(hash));
}

}  // namespace

bool AppendListLine(const char* path, const std::string& text) {
  // Append-only access instead of read/write plus a move to the end: each write lands at the
  // end of the file as it is at that moment, and a second registration running at the same
  // moment can open the file too (sharing writing) instead of being shut out or overwriting.
  // Readers are still excluded both ways: sharing allows writing only.
  // Where the platform does not make an append-only write atomic (Wine finds the end and writes
  // in two steps), a named mutex keeps two registrations from landing on the same offset.
  char mutexName[48];
  AppendMutexName(path, mutexName);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, mutexName);
  if (mutex != nullptr) WaitForSingleObject(mutex, 5000);
  bool opened = false;
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    opened = true;
    const std::string line = text + kListLineEnd;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);  // not examined
    CloseHandle(file);
  }
  if (mutex != nullptr) {
    ReleaseMutex(mutex);
    CloseHandle(mutex);
  }
  return opened;
}

}  // namespace formsave
