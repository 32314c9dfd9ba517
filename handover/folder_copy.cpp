#include "handover/folder_copy.h"

#include <cstring>

#include "handover/folder_walk.h"
#include "handover/path_tests.h"

namespace handover {

int CopyFolderTree(FileSystem& fs, char* dest, char* source, int mode, const char* suffix,
                   int subFolders) {
  if (suffix && *suffix == '\0') suffix = nullptr;
  if (!TrimAndTestFolder(fs, source)) return COPY_NO_SOURCE;
  if (!TrimAndTestFolder(fs, dest)) return COPY_NO_DEST;
  FolderWalk walk = {};
  walk.fs = &fs;
  walk.dest = dest;
  walk.source = source;
  walk.sourceLength = std::strlen(source);
  walk.mode = mode;
  walk.suffix = suffix;
  walk.subFolders = subFolders;
  return RunFolderWalk(walk);
}

}  // namespace handover
