// The state of one tree copy and the steps it is made of (used by CopyFolderTree).
#pragma once

#include <cstdint>
#include <string>

#include "handover/file_system.h"
#include "handover/path_scan.h"
#include "handover/record_array.h"

namespace handover {

// The older tool kept 33 levels of pending sub-folders and ended with success when a deeper
// tree needed more, leaving folders uncopied; the level slots here grow instead.
constexpr int32_t kInitialLevelSlots = 33;
constexpr int32_t kPathRecordStep = 16;

struct FolderWalk {
  FileSystem* fs;
  const char* dest;
  const char* source;
  size_t sourceLength;
  int mode;
  const char* suffix;  // null: every file
  int subFolders;
  RecordArray* levelSlots;  // RecordArray* records, one per level
  int32_t level;
  RecordArray* current;
  char scratch[kPathRecordSize];
};

int ListFolder(FolderWalk& walk, const char* record);
int CreateMirrorFolder(FolderWalk& walk, const char* record);
int CopyOneFile(FolderWalk& walk, const char* path);
int RunFolderWalk(FolderWalk& walk);

}  // namespace handover
