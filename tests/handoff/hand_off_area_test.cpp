// The hand-off area's bytes and the ask-and-pause wait, natively.
#include "printhook/hand_off_area.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printhook/ask_with_pauses.h"
#include "printhook/hook_constants.h"

namespace printhook {
namespace {

constexpr unsigned char kUntouched = 0xAA;

std::vector<unsigned char> Compose(const std::string& path, const std::string& name,
                                   std::size_t size, bool* written) {
  std::vector<unsigned char> area(size + 8, kUntouched);  // 8 guard bytes past the area
  *written = ComposeHandOffArea(path, name, area.data(), size);
  return area;
}

std::string Bytes(const std::vector<unsigned char>& area, std::size_t count) {
  return std::string(area.begin(), area.begin() + count);
}

TEST(HandOffArea, PathZeroNameZeroAndTheRestLeftAlone) {
  bool written = false;
  auto area = Compose("C:\\TX\\a.$$$", "Report", kHandOffSize, &written);
  ASSERT_TRUE(written);
  EXPECT_EQ(Bytes(area, 19), std::string("C:\\TX\\a.$$$\0Report\0", 19));
  EXPECT_EQ(area[19], kUntouched);
}

TEST(HandOffArea, DocumentWithoutNameGivesPathAndTwoZeros) {
  bool written = false;
  auto area = Compose("C:\\TX\\VELORIX.$$$", "", kHandOffSize, &written);
  ASSERT_TRUE(written);
  EXPECT_EQ(Bytes(area, 19), std::string("C:\\TX\\VELORIX.$$$\0\0", 19));
}

// Sizes around the bound: the path needs its own zero and the second text's zero.
struct PathCase {
  std::size_t pathLength;
  bool fits;
};
class HandOffAreaPathBound : public testing::TestWithParam<PathCase> {};

TEST_P(HandOffAreaPathBound, PathIsNeverCutAndNothingPastTheArea) {
  const std::string path(GetParam().pathLength, 'p');
  bool written = true;
  auto area = Compose(path, "name", kHandOffSize, &written);
  EXPECT_EQ(written, GetParam().fits);
  if (written) {
    const std::string name = std::string("name").substr(0, kHandOffSize - path.size() - 2);
    EXPECT_EQ(Bytes(area, kHandOffSize),
              path + std::string(1, '\0') + name + std::string(1, '\0'));
  } else {
    EXPECT_EQ(area[0], kUntouched) << "nothing is written for a path that does not fit";
  }
  for (std::size_t i = kHandOffSize; i < area.size(); ++i) EXPECT_EQ(area[i], kUntouched);
}

INSTANTIATE_TEST_SUITE_P(Sizes, HandOffAreaPathBound,
                         testing::Values(PathCase{509, true}, PathCase{510, true},
                                         PathCase{511, false}, PathCase{512, false},
                                         PathCase{1023, false}));

TEST(HandOffArea, LongNameIsCutToFillTheAreaExactly) {
  const std::string path(100, 'p');
  const std::string name(1000, 'n');
  bool written = false;
  auto area = Compose(path, name, kHandOffSize, &written);
  ASSERT_TRUE(written);
  EXPECT_EQ(Bytes(area, kHandOffSize),
            path + std::string(1, '\0') + std::string(410, 'n') + std::string(1, '\0'));
  EXPECT_EQ(area[kHandOffSize], kUntouched);
}

TEST(HandOffArea, CutNameKeepsDoubleByteCharactersWhole) {
  // "資料" in code page 932 is 8E 91 97 BF; a room of 3 bytes holds only the first character.
  const std::string path(512 - 5, 'p');
  bool written = false;
  auto area = Compose(path, "\x8E\x91\x97\xBF", kHandOffSize, &written);
  ASSERT_TRUE(written);
  EXPECT_EQ(Bytes(area, kHandOffSize).substr(path.size()),
            std::string("\0\x8E\x91\0", 4) + std::string(1, static_cast<char>(kUntouched)));
}

struct CutCase {
  std::string text;
  std::size_t limit;
  std::size_t expected;
};
class WholeCharacters : public testing::TestWithParam<CutCase> {};

TEST_P(WholeCharacters, StopsBeforeASplitCharacter) {
  EXPECT_EQ(WholeCharactersWithin(GetParam().text, GetParam().limit), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeCharacters,
    testing::Values(CutCase{"abcdef", 4, 4}, CutCase{"abc", 10, 3}, CutCase{"a\x8E\x91", 2, 1},
                    CutCase{"a\x8E\x91", 3, 3}, CutCase{"\xE0\x5C" "b", 1, 0},
                    CutCase{"\xFE\x41" "b", 2, 2}, CutCase{"\x9F", 5, 0}, CutCase{"\xA1\xA2", 1, 1},
                    CutCase{"", 5, 0}));

struct PauseCase {
  int yesOnAsk;  // 1 = the first question; 0 = never
  unsigned pauses;
  bool answered;
  int asks;
  int pausesTaken;
};
class AskWithPausesCases : public testing::TestWithParam<PauseCase> {};

TEST_P(AskWithPausesCases, AsksAtOnceThenAfterEachPause) {
  int asks = 0, pausesTaken = 0;
  const PauseCase& c = GetParam();
  bool answered = AskWithPauses([&] { return ++asks == c.yesOnAsk; }, [&] { ++pausesTaken; },
                                c.pauses);
  EXPECT_EQ(answered, c.answered);
  EXPECT_EQ(asks, c.asks);
  EXPECT_EQ(pausesTaken, c.pausesTaken);
}

INSTANTIATE_TEST_SUITE_P(Waits, AskWithPausesCases,
                         testing::Values(PauseCase{1, 15, true, 1, 0}, PauseCase{3, 15, true, 3, 2},
                                         PauseCase{16, 15, true, 16, 15},
                                         PauseCase{17, 15, false, 16, 15},
                                         PauseCase{0, 5, false, 6, 5}, PauseCase{0, 0, false, 1, 0}));

}  // namespace
}  // namespace printhook
