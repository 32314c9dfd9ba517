#include "handover/record_array.h"

#include <gtest/gtest.h>

#include <vector>

namespace handover {
namespace {

struct CreateCase {
  int32_t elementSize, count, step;
  bool made;
};

TEST(RecordArray, CreateRefusesWhatTheRulesForbid) {
  const CreateCase cases[] = {
      {261, 0, 16, true},  {1, 0, 1, true},     {4096, 4, 4, true},  {4097, 0, 16, false},
      {0, 0, 16, false},   {-1, 0, 16, false},  {261, -1, 16, false}, {261, 0, 0, false},
      {261, 17, 16, false}, {261, 0, -3, false},
  };
  for (const CreateCase& c : cases) {
    RecordArray* array = CreateRecordArray(c.elementSize, c.count, c.step);
    EXPECT_EQ(array != nullptr, c.made) << c.elementSize << " " << c.count << " " << c.step;
    if (array) {
      EXPECT_EQ(array->capacity, c.step);
      EXPECT_EQ(array->nextCapacity, 2 * c.step);
      EXPECT_EQ(array->count, c.count);
    }
    FreeRecordArray(array);
  }
  FreeRecordArray(nullptr);  // no array is ignored
}

struct GrowCase {
  int32_t step, grows[3];
  int32_t capacities[3];
};

TEST(RecordArray, GrowthTakesNextCapacityOrWholeStepsAboveTheCount) {
  const GrowCase cases[] = {
      {16, {17, 20, 40}, {32, 64, 128}},  // next capacity each time
      {16, {40, 64, 300}, {48, 96, 304}},  // 40/16+1 = 3 steps; 64 < 96; 300 >= 192: 19 steps
      {4, {8, 16, 32}, {12, 24, 48}},      // n equal to next capacity is not "greater than n"
  };
  for (const GrowCase& c : cases) {
    RecordArray* array = CreateRecordArray(4, 0, c.step);
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(GrowRecordArray(array, c.grows[i]));
      EXPECT_EQ(array->count, c.grows[i]);
      EXPECT_EQ(array->capacity, c.capacities[i]) << "step " << c.step << " grow " << i;
      EXPECT_EQ(array->nextCapacity, 2 * c.capacities[i]);
    }
    FreeRecordArray(array);
  }
}

std::vector<int32_t> Contents(const RecordArray* array) {
  std::vector<int32_t> out(array->count);
  if (!out.empty()) {
    EXPECT_EQ(GetRecords(array, 0, array->count, out.data()), array->count);
  }
  return out;
}

TEST(RecordArray, InsertAtTheEndsAndInTheMiddleMovesLaterRecordsUp) {
  RecordArray* array = CreateRecordArray(sizeof(int32_t), 0, 2);
  const int32_t a[] = {1, 2}, b[] = {9}, c[] = {7, 8}, d[] = {0};
  EXPECT_EQ(InsertRecords(array, 0, 2, a), 2);
  EXPECT_EQ(InsertRecords(array, 2, 1, b), 1);  // grows past capacity 2
  EXPECT_EQ(array->capacity, 4);
  EXPECT_EQ(InsertRecords(array, 1, 2, c), 2);  // grows again: 5 > 4
  EXPECT_EQ(InsertRecords(array, 0, 1, d), 1);
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{0, 1, 7, 8, 2, 9}));
  EXPECT_EQ(InsertRecords(array, 7, 1, d), 0);   // beyond the count
  EXPECT_EQ(InsertRecords(array, -1, 1, d), 0);
  EXPECT_EQ(InsertRecords(array, 0, 0, d), 0);
  EXPECT_EQ(array->count, 6);
  FreeRecordArray(array);
}

TEST(RecordArray, RemoveAndGetCutTheCountToWhatIsThere) {
  RecordArray* array = CreateRecordArray(sizeof(int32_t), 0, 16);
  const int32_t in[] = {10, 11, 12, 13, 14, 15};
  InsertRecords(array, 0, 6, in);
  int32_t out[6] = {};
  EXPECT_EQ(GetRecords(array, 4, 5, out), 2);
  EXPECT_EQ(out[0], 14);
  EXPECT_EQ(out[1], 15);
  EXPECT_EQ(GetRecords(array, 6, 1, out), 0);
  EXPECT_EQ(GetRecords(array, 0, 0, out), 0);
  EXPECT_EQ(RemoveRecords(array, 0, 1), 1);         // first
  EXPECT_EQ(RemoveRecords(array, 1, 2), 2);         // middle
  EXPECT_EQ(RemoveRecords(array, 2, 9), 1);         // last, cut to what is left
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{11, 14}));
  EXPECT_EQ(RemoveRecords(array, 2, 1), 0);
  EXPECT_EQ(RemoveRecords(array, -1, 1), 0);
  EXPECT_EQ(array->capacity, 16);  // never shrunk
  FreeRecordArray(array);
}

}  // namespace
}  // namespace handover
