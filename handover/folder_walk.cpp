#include "handover/folder_walk.h"

#include <cstring>

#include "handover/folder_copy.h"
#include "handover/path_tests.h"

namespace handover {

namespace {

// Destination path for a source path below the walk's source. Longer than kMaxPath: empty.
std::string MirrorPath(const FolderWalk& walk, const char* path) {
  std::string target = walk.dest;
  target += path + walk.sourceLength;
  if (target.size() > kMaxPath) target.clear();
  return target;
}

bool IsDotEntry(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

int HandleFolderEntry(FolderWalk& walk, const char* record, const char* name) {
  std::string path = record;
  AddTrailingBackslash(path);
  path += name;
  AddTrailingBackslash(path);
  if (!StorePath(walk.scratch, path)) return COPY_OK;  // too long: skipped silently
  if (!InsertRecords(walk.current, walk.current->count, 1, walk.scratch)) return COPY_NO_MEMORY;
  return CreateMirrorFolder(walk, walk.scratch);
}

int HandleFileEntry(FolderWalk& walk, const char* record, const char* name) {
  std::string path = record;
  AddTrailingBackslash(path);
  path += name;
  if (!StorePath(walk.scratch, path)) return COPY_OK;
  if (walk.suffix && !EndsWithSuffix(path, walk.suffix)) return COPY_OK;
  return CopyOneFile(walk, walk.scratch);
}

int HandleEntry(FolderWalk& walk, const char* record, const FolderEntry& entry) {
  if (entry.attributes & (kAttrHidden | kAttrSystem)) return COPY_OK;
  if (entry.attributes & kAttrDirectory) {
    if (!walk.subFolders || IsDotEntry(entry.name)) return COPY_OK;
    return HandleFolderEntry(walk, record, entry.name);
  }
  return HandleFileEntry(walk, record, entry.name);
}

bool NewCurrentArray(FolderWalk& walk) {
  walk.current = CreateRecordArray(static_cast<int32_t>(kPathRecordSize), 0, kPathRecordStep);
  return walk.current != nullptr;
}

RecordArray* SlotAt(const FolderWalk& walk, int32_t level) {
  RecordArray* slot = nullptr;
  GetRecords(walk.levelSlots, level, 1, &slot);
  return slot;
}

void ReleaseWalk(FolderWalk& walk) {
  FreeRecordArray(walk.current);
  walk.current = nullptr;
  if (!walk.levelSlots) return;
  for (int32_t i = 0; i < walk.levelSlots->count; ++i) FreeRecordArray(SlotAt(walk, i));
  FreeRecordArray(walk.levelSlots);
  walk.levelSlots = nullptr;
}

// The pending sub-folders found by the last listing become the deepest level.
bool Push(FolderWalk& walk) {
  if (!InsertRecords(walk.levelSlots, walk.level + 1, 1, &walk.current)) return false;
  ++walk.level;
  walk.current = nullptr;
  return true;
}

// Takes the next pending folder in depth-first order; false when none is left.
bool TakeNext(FolderWalk& walk, char* record) {
  for (;;) {
    RecordArray* deepest = SlotAt(walk, walk.level);
    if (GetRecords(deepest, 0, 1, record)) {
      RemoveRecords(deepest, 0, 1);
      return true;
    }
    if (walk.level == 0) return false;
    FreeRecordArray(deepest);
    RemoveRecords(walk.levelSlots, walk.level, 1);
    --walk.level;
  }
}

int Walk(FolderWalk& walk) {
  std::string root = walk.source;
  root += '\\';
  char record[kPathRecordSize];
  if (!StorePath(record, root)) return COPY_LIST_FAILED;
  walk.levelSlots = CreateRecordArray(sizeof(RecordArray*), 0, kInitialLevelSlots);
  walk.level = -1;
  if (!walk.levelSlots || !NewCurrentArray(walk)) return COPY_NO_MEMORY;
  int result = ListFolder(walk, record);
  if (result != COPY_OK || !walk.subFolders) return result;
  for (;;) {
    if (!Push(walk)) return COPY_NO_MEMORY;
    if (!TakeNext(walk, record)) return COPY_OK;
    if (!NewCurrentArray(walk)) return COPY_NO_MEMORY;
    result = ListFolder(walk, record);
    if (result != COPY_OK) return result;
  }
}

}  // namespace

int ListFolder(FolderWalk& walk, const char* record) {
  std::string pattern = record;
  pattern += "*.*";
  FolderEntry entry;
  const FileSystem::Search search = walk.fs->FindFirst(pattern.c_str(), entry);
  if (!search) return COPY_LIST_FAILED;
  int result = COPY_OK;
  for (;;) {
    result = HandleEntry(walk, record, entry);
    if (result != COPY_OK) break;
    const uint32_t error = walk.fs->FindNext(search, entry);
    if (error == 0) continue;
    result = error == kErrorNoMoreFiles ? COPY_OK : COPY_LIST_FAILED;
    break;
  }
  if (!walk.fs->FindClose(search)) return COPY_CLOSE_FAILED;
  return result;
}

int CreateMirrorFolder(FolderWalk& walk, const char* record) {
  const std::string path = MirrorPath(walk, record);
  if (path.empty()) return COPY_MKDIR_FAILED;  // longer than a path may be: refused
  char target[kPathRecordSize];
  StorePath(target, path);
  if (TrimAndTestFolder(*walk.fs, target)) return COPY_OK;
  return walk.fs->CreateFolder(target) ? COPY_OK : COPY_MKDIR_FAILED;
}

int CopyOneFile(FolderWalk& walk, const char* path) {
  const std::string target = MirrorPath(walk, path);
  if (target.empty()) return COPY_FILE_FAILED;  // longer than a path may be: refused
  const char* to = target.c_str();
  FileSystem& fs = *walk.fs;
  if (walk.mode == COPY_MODE_OVERWRITE) return fs.CopyFileTo(path, to, false) ? COPY_OK : COPY_FILE_FAILED;
  if (!IsPlainFile(fs, to)) return fs.CopyFileTo(path, to, true) ? COPY_OK : COPY_FILE_FAILED;
  if (walk.mode == COPY_MODE_UPDATE && IsNewerFile(fs, path, to))
    return fs.CopyFileTo(path, to, false) ? COPY_OK : COPY_FILE_FAILED;
  return COPY_OK;
}

int RunFolderWalk(FolderWalk& walk) {
  const int result = Walk(walk);
  ReleaseWalk(walk);
  return result;
}

}  // namespace handover
