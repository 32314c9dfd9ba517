#include "handover/path_tests.h"

#include <cstring>
#include <string>

#include "handover/path_scan.h"

namespace handover {

namespace {

bool FindExact(FileSystem& fs, const char* path, FolderEntry& entry) {
  const FileSystem::Search search = fs.FindFirst(path, entry);
  if (!search) return false;
  fs.FindClose(search);
  return true;
}

}  // namespace

bool PathExists(FileSystem& fs, const char* path) {
  FolderEntry entry;
  return FindExact(fs, path, entry);
}

bool IsFolder(FileSystem& fs, const char* path) {
  FolderEntry entry;
  return FindExact(fs, path, entry) && (entry.attributes & kAttrDirectory);
}

bool IsPlainFile(FileSystem& fs, const char* path) {
  FolderEntry entry;
  return FindExact(fs, path, entry) && !(entry.attributes & (kAttrDirectory | kAttrSystem));
}

bool IsNewerFile(FileSystem& fs, const char* first, const char* second) {
  FolderEntry a, b;
  if (!FindExact(fs, first, a) || (a.attributes & (kAttrDirectory | kAttrSystem))) return false;
  if (!FindExact(fs, second, b) || (b.attributes & (kAttrDirectory | kAttrSystem))) return false;
  if (a.writeHigh != b.writeHigh) return a.writeHigh > b.writeHigh;
  return a.writeLow > b.writeLow;
}

bool TrimAndTestFolder(FileSystem& fs, char* path) {
  RemoveTrailingBackslash(path);
  return IsFolder(fs, path);
}

bool FindSettingsFile(FileSystem& fs, const char* name, char* output) {
  std::memset(output, 0, kPathRecordSize);
  char folder[kPathRecordSize] = {};
  const uint32_t length = fs.WindowsFolder(folder, sizeof folder);
  if (length == 0 || length > kMaxPath) return false;
  std::string path(folder, length);
  if (path.back() != '\\') path += '\\';
  path += name;
  return StorePath(output, path) && PathExists(fs, output);
}

}  // namespace handover
