// The few file-system calls that the path tests and the tree copy make, behind a seam so that
// their order and results can be checked against an in-memory tree as well as the real API.
#pragma once

#include <cstdint>

namespace handover {

// Attribute bits as the system reports them.
constexpr uint32_t kAttrReadOnly = 0x01;
constexpr uint32_t kAttrHidden = 0x02;
constexpr uint32_t kAttrSystem = 0x04;
constexpr uint32_t kAttrDirectory = 0x10;

constexpr uint32_t kErrorNoMoreFiles = 18;

struct FolderEntry {
  char name[261];
  uint32_t attributes;
  uint32_t writeHigh;  // last-write time, high and low 32 bits
  uint32_t writeLow;
};

class FileSystem {
 public:
  using Search = uintptr_t;  // 0: no search
  virtual ~FileSystem() = default;
  // Starts a directory search for a path or pattern and gives its first entry.
  virtual Search FindFirst(const char* pattern, FolderEntry& entry) = 0;
  // 0 with the next entry, or the error that ended the search (kErrorNoMoreFiles normally).
  virtual uint32_t FindNext(Search search, FolderEntry& entry) = 0;
  virtual bool FindClose(Search search) = 0;
  virtual bool CreateFolder(const char* path) = 0;
  virtual bool CopyFileTo(const char* from, const char* to, bool failIfExists) = 0;
  // Writes the Windows folder; returns its length (0 on failure, or more than size - 1 when
  // the buffer is too small).
  virtual uint32_t WindowsFolder(char* buffer, uint32_t size) = 0;
};

}  // namespace handover
