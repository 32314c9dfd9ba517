// A growable array of fixed-size records in the heap; the folder walk keeps its pending
// sub-folder paths in these.
#pragma once

#include <cstdint>

namespace handover {

struct RecordArray {
  unsigned char* data;
  int32_t elementSize;   // bytes per record, 1 to 4096
  int32_t step;          // growth unit
  int32_t nextCapacity;  // 2 x capacity after each creation or growth
  int32_t count;         // records in use
  int32_t capacity;      // records the block holds
};

constexpr int32_t kMaxRecordSize = 4096;

// Null when the arguments are refused or memory is not available.
RecordArray* CreateRecordArray(int32_t elementSize, int32_t count, int32_t step);
void FreeRecordArray(RecordArray* array);
// Makes room for n records and sets count to n; false (and nothing changed) on failure.
bool GrowRecordArray(RecordArray* array, int32_t n);
// Each returns the number of records handled, 0 when a requirement fails.
int32_t GetRecords(const RecordArray* array, int32_t index, int32_t n, void* out);
int32_t InsertRecords(RecordArray* array, int32_t index, int32_t n, const void* in);
int32_t RemoveRecords(RecordArray* array, int32_t index, int32_t n);

}  // namespace handover
