// Copies a folder tree into an existing folder without recursion, reporting the first failure.
#pragma once

#include "handover/file_system.h"

namespace handover {

enum CopyMode { COPY_MODE_ADD = 0, COPY_MODE_UPDATE = 1, COPY_MODE_OVERWRITE = 2 };

enum CopyResult {
  COPY_OK = 0,
  COPY_NO_SOURCE = 1,
  COPY_NO_DEST = 2,
  COPY_LIST_FAILED = 3,
  COPY_MKDIR_FAILED = 4,
  COPY_FILE_FAILED = 5,
  COPY_NO_MEMORY = 10,
  COPY_CLOSE_FAILED = -1,
};

// dest and source are path records; one trailing backslash is removed from each in place.
// suffix: null or "" for every file. subFolders 0: only the files directly in source.
int CopyFolderTree(FileSystem& fs, char* dest, char* source, int mode, const char* suffix,
                   int subFolders);

}  // namespace handover
