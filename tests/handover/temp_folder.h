// A fresh folder under the temporary folder for one test, removed with everything in it.
#pragma once

#include <windows.h>

#include <string>

#include "tests/installenv/installation_fixture.h"

namespace handover {

class TempFolder {
 public:
  explicit TempFolder(const char* tag);
  ~TempFolder() { vrtest::RemoveTree(path_); }
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  std::string path_;
};

void MakeFolder(const std::string& path, DWORD attributes = 0);
void WriteFile(const std::string& path, const std::string& content, DWORD attributes = 0);
// Sets the last-write time to a fixed day plus `seconds`.
void SetWriteTime(const std::string& path, int seconds);

}  // namespace handover
