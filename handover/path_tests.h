// Existence and kind tests on paths, each a directory search for the exact path.
#pragma once

#include "handover/file_system.h"
#include "handover/path_scan.h"

namespace handover {

bool PathExists(FileSystem& fs, const char* path);
bool IsFolder(FileSystem& fs, const char* path);
// Exists and is neither a folder nor a system file.
bool IsPlainFile(FileSystem& fs, const char* path);
// Both are plain files and first was last written strictly later than second.
bool IsNewerFile(FileSystem& fs, const char* first, const char* second);
// RemoveTrailingBackslash in place, then IsFolder.
bool TrimAndTestFolder(FileSystem& fs, char* path);
// output (kPathRecordSize bytes) = Windows folder, a backslash where needed, name; true when
// that path exists. A path that would exceed kMaxPath is refused (false, output empty).
bool FindSettingsFile(FileSystem& fs, const char* name, char* output);

}  // namespace handover
