#include "handover/record_array.h"

#include <cstdlib>
#include <cstring>

namespace handover {

namespace {

// Byte size of n records, or 0 when it cannot be represented (the caller then fails).
size_t BlockBytes(int32_t elementSize, int64_t n) {
  const int64_t bytes = static_cast<int64_t>(elementSize) * n;
  if (n <= 0 || bytes <= 0 || static_cast<uint64_t>(bytes) > SIZE_MAX / 2) return 0;
  return static_cast<size_t>(bytes);
}

}  // namespace

RecordArray* CreateRecordArray(int32_t elementSize, int32_t count, int32_t step) {
  if (count < 0 || elementSize <= 0 || step <= 0 || step < count || elementSize > kMaxRecordSize)
    return nullptr;
  auto* array = static_cast<RecordArray*>(std::malloc(sizeof(RecordArray)));
  if (!array) return nullptr;
  const size_t bytes = BlockBytes(elementSize, step);
  array->data = bytes ? static_cast<unsigned char*>(std::calloc(1, bytes)) : nullptr;
  if (!array->data) {
    std::free(array);
    return nullptr;
  }
  array->elementSize = elementSize;
  array->step = step;
  array->nextCapacity = step > INT32_MAX / 2 ? INT32_MAX : 2 * step;
  array->count = count;
  array->capacity = step;
  return array;
}

void FreeRecordArray(RecordArray* array) {
  if (!array) return;
  std::free(array->data);
  std::free(array);
}

bool GrowRecordArray(RecordArray* array, int32_t n) {
  if (!array || n < 0) return false;
  int64_t capacity = array->nextCapacity;
  if (capacity <= n) capacity = (static_cast<int64_t>(n) / array->step + 1) * array->step;
  if (capacity > INT32_MAX) return false;
  const size_t bytes = BlockBytes(array->elementSize, capacity);
  void* block = bytes ? std::realloc(array->data, bytes) : nullptr;
  if (!block) return false;
  array->data = static_cast<unsigned char*>(block);
  array->count = n;
  array->capacity = static_cast<int32_t>(capacity);
  array->nextCapacity = capacity > INT32_MAX / 2 ? INT32_MAX : static_cast<int32_t>(2 * capacity);
  return true;
}

int32_t GetRecords(const RecordArray* array, int32_t index, int32_t n, void* out) {
  if (!array || index < 0 || index >= array->count || n <= 0) return 0;
  if (n > array->count - index) n = array->count - index;
  const size_t size = static_cast<size_t>(array->elementSize);
  std::memcpy(out, array->data + size * index, size * n);
  return n;
}

int32_t InsertRecords(RecordArray* array, int32_t index, int32_t n, const void* in) {
  if (!array || index < 0 || index > array->count || n <= 0) return 0;
  const int32_t before = array->count;
  if (n > INT32_MAX - before) return 0;
  if (before + n > array->capacity) {
    if (!GrowRecordArray(array, before + n)) return 0;
  } else {
    array->count = before + n;
  }
  const size_t size = static_cast<size_t>(array->elementSize);
  std::memmove(array->data + size * (index + n), array->data + size * index,
               size * (before - index));
  std::memcpy(array->data + size * index, in, size * n);
  return n;
}

int32_t RemoveRecords(RecordArray* array, int32_t index, int32_t n) {
  if (!array || index < 0 || index >= array->count || n <= 0) return 0;
  if (n > array->count - index) n = array->count - index;
  const size_t size = static_cast<size_t>(array->elementSize);
  std::memmove(array->data + size * index, array->data + size * (index + n),
               size * (array->count - index - n));
  array->count -= n;
  return n;
}

}  // namespace handover
