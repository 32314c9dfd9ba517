#include "formsave/list_file.h"

#include <windows.h>

#include "formsave/formsave_constants.h"

namespace formsave {

bool AppendListLine(const char* path, const std::string& text) {
  // Append-only access instead of read/write plus a move to the end: each write lands at the
  // end of the file as it is at that moment, and a second registration running at the same
  // moment can open the file too (sharing writing) instead of being shut out or overwriting.
  // Readers are still excluded both ways: sharing allows writing only.
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const std::string line = text + kListLineEnd;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);  // not examined
  CloseHandle(file);
  return true;
}

}  // namespace formsave
