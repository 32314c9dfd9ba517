// The file-system seam over the real API.
#pragma once

#include "handover/file_system.h"

namespace handover {

class Win32FileSystem : public FileSystem {
 public:
  Search FindFirst(const char* pattern, FolderEntry& entry) override;
  uint32_t FindNext(Search search, FolderEntry& entry) override;
  bool FindClose(Search search) override;
  bool CreateFolder(const char* path) override;
  bool CopyFileTo(const char* from, const char* to, bool failIfExists) override;
  uint32_t WindowsFolder(char* buffer, uint32_t size) override;
};

}  // namespace handover
