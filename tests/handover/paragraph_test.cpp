// Word cutting and layout of the paragraph over a device whose every byte is 10 units wide.
#include "handover/paragraph.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace handover {
namespace {

using Drawn = std::tuple<int, int, std::string>;

class FixedWidthDevice : public TextDevice {
 public:
  TextSize Extent(const std::string& text) override { return {10 * static_cast<int>(text.size()), 10}; }
  void DrawAt(int x, int y, const std::string& text) override { drawn.emplace_back(x, y, text); }
  std::vector<Drawn> drawn;
};

using Words = std::vector<std::string>;

TEST(ParagraphWords, CuttingAtSpacesAndLineFeeds) {
  const std::pair<const char*, Words> cases[] = {
      {"a b", {"a ", "b"}},
      {"a   b", {"a ", "b"}},
      {"a\nb", {"a ", "b"}},
      {"a\r\nb", {"a ", "b"}},
      {"a \nb", {"a ", " ", "b"}},     // a line feed beside a space leaves two spaces
      {"a\n b", {"a ", " ", "b"}},
      {"a \n b", {"a ", " ", "b"}},    // the counter still stands at 1 after the line feed
      {"a\n\nb", {"a ", " ", "b"}},
      {"", {""}},
      {"a ", {"a ", ""}},
      {"　　a b", {"　　a ", "b"}},    // ideographic spaces belong to their word
  };
  for (const auto& c : cases) {
    CParagraph paragraph;
    paragraph.SetText(c.first);
    EXPECT_EQ(paragraph.Words(), c.second) << c.first;
    EXPECT_EQ(paragraph.Text(), c.first);
  }
}

struct LayoutCase {
  const char* text;
  int width, height;
  std::vector<Drawn> drawn;
};

TEST(ParagraphLayout, BreaksAtTheBoxWidthAndEndsFullBoxesWithDots) {
  const LayoutCase cases[] = {
      {"aaaa bbbbb c", 102, 100, {{12, 22, "aaaa "}, {12, 32, "bbbbb c"}}},
      // a word ending exactly at the width stays on its line
      {"aaaaaaaaa b", 102, 100, {{12, 22, "aaaaaaaaa "}, {12, 32, "b"}}},
      // one unit narrower: the over-wide first word leaves an empty line
      {"aaaaaaaaa b", 101, 100, {{12, 22, ""}, {12, 32, "aaaaaaaaa "}, {12, 42, "b"}}},
      // full box, the word and its dots fit: "c ..."
      {"aaaaaaaaa b c dddddddddd", 102, 30, {{12, 22, "aaaaaaaaa "}, {12, 32, "b c ..."}}},
      // full box, only the dots fit after the gathered words
      {"aaaa aaaa aaaa aaaa aaaa", 102, 30, {{12, 22, "aaaa aaaa "}, {12, 32, "aaaa ..."}}},
      // the last word itself does not fit: dots after the line
      {"aaaaaaaaa b ccccccccc", 102, 30, {{12, 22, "aaaaaaaaa "}, {12, 32, "b ..."}}},
      // not even the dots fit: that line is not drawn at all
      {"aaaaaaaaa bbbbbbb cccccccccc", 102, 30, {{12, 22, "aaaaaaaaa "}}},
      {"", 102, 100, {}},
  };
  for (const LayoutCase& c : cases) {
    CParagraph paragraph;
    paragraph.SetPosition(10, 20);
    paragraph.SetWidth(c.width);
    paragraph.SetHeight(c.height);
    paragraph.SetText(c.text);
    FixedWidthDevice device;
    paragraph.Draw(device);
    EXPECT_EQ(device.drawn, c.drawn) << c.text << " in " << c.width << "x" << c.height;
  }
}

TEST(ParagraphLayout, CarriageReturnLineFeedLaysOutLikeLineFeed) {
  std::vector<Drawn> results[2];
  const char* texts[2] = {"aaaa\r\nbbbb\r\n\r\ncc dd", "aaaa\nbbbb\n\ncc dd"};
  for (int i = 0; i < 2; ++i) {
    CParagraph paragraph;
    paragraph.SetWidth(70);
    paragraph.SetHeight(200);
    paragraph.SetText(texts[i]);
    FixedWidthDevice device;
    paragraph.Draw(device);
    results[i] = device.drawn;
  }
  EXPECT_EQ(results[0], results[1]);
  EXPECT_EQ(results[0], (std::vector<Drawn>{{2, 2, "aaaa "}, {2, 12, "bbbb  "}, {2, 22, "cc dd"}}));
}

TEST(ParagraphLayout, CentredAndRightAlignmentArithmetic) {
  struct { int align; const char* text; std::vector<Drawn> drawn; } cases[] = {
      {ALIGN_CENTER, "aaaa", {{10 + 2 + (103 - 42) / 2, 22, "aaaa"}}},
      {ALIGN_RIGHT, "aaaa", {{10 + 103 - 42 - 2, 22, "aaaa"}}},
      {9, "aaaa", {{12, 22, "aaaa"}}},  // unknown values act as left
      // wider than the box: (103 - 152) / 2 truncates toward zero to -24
      {ALIGN_CENTER, "aaaaaaaaaaaaaaa", {{62, 22, ""}, {12 - 24, 32, "aaaaaaaaaaaaaaa"}}},
      {ALIGN_RIGHT, "aaaaaaaaaaaaaaa", {{10 + 103 - 2 - 2, 22, ""}, {10 + 103 - 152 - 2, 32, "aaaaaaaaaaaaaaa"}}},
  };
  for (const auto& c : cases) {
    CParagraph paragraph;
    paragraph.SetAlign(c.align);
    paragraph.SetPosition(10, 20);
    paragraph.SetWidth(103);
    paragraph.SetHeight(100);
    paragraph.SetText(c.text);
    FixedWidthDevice device;
    paragraph.Draw(device);
    EXPECT_EQ(device.drawn, c.drawn) << c.align << " " << c.text;
  }
}

TEST(ParagraphLayout, NeverGivenATextDrawsNothingAndBoxKeepsLow16Bits) {
  CParagraph paragraph;
  paragraph.SetWidth(0x10064);
  paragraph.SetHeight(0x20032);
  EXPECT_EQ(paragraph.Width(), 100);
  EXPECT_EQ(paragraph.Height(), 50);
  FixedWidthDevice device;
  paragraph.Draw(device);
  EXPECT_TRUE(device.drawn.empty());
  paragraph.SetFont("face", 12, 1);
  EXPECT_EQ(paragraph.FontWeight(), 700);
  paragraph.SetFont("face", 12, 2);
  EXPECT_EQ(paragraph.FontWeight(), 400);
}

}  // namespace
}  // namespace handover
