// The page tool: PBM/PPM in and out, options, and clear failures on bad input.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tools/pagecompose/page_tool.h"
#include "tools/pagecompose/pnm_image.h"

namespace pagecompose {
namespace {

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "pagecompose_" + name;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct ToolRun {
  int code;
  std::string out, err;
};

ToolRun RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunPageCompose(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(ParsePnm, InvertsPbmBitsAndPadsRowsBlank) {
  const std::string pbm = std::string("P4\n# comment\n10 2\n") + std::string("\x80\x40\x00\xC0", 4);
  PageImage image;
  ASSERT_EQ("", ParsePnm(std::vector<std::uint8_t>(pbm.begin(), pbm.end()), image));
  EXPECT_FALSE(image.colour);
  EXPECT_EQ(image.width, 10u);
  EXPECT_EQ(image.height, 2u);
  const std::vector<std::uint8_t> expected = {0x7F, 0xBF, 0xFF, 0xFF, 0xFF, 0x3F, 0xFF, 0xFF};
  EXPECT_EQ(image.bytes, expected);
}

TEST(ParsePnm, RefusesBadFiles) {
  const struct {
    std::string file;
    const char* message;
  } kCases[] = {
      {"P1\n1 1\n1", "not a binary PBM (P4) or PPM (P6) file"},
      {"", "not a binary PBM (P4) or PPM (P6) file"},
      {"P4\n8", "bad PBM/PPM header"},
      {"P4\n0 5\n", "image has no pixels"},
      {"P6\n2 1\n65535\n", "only PPM files with one byte per sample are read"},
      {"P4\n16 2\n\x01\x02\x03", "truncated image data"},
      {"P6\n2 2\n255\n123456789AB", "truncated image data"},
  };
  for (const auto& c : kCases) {
    PageImage image;
    EXPECT_EQ(c.message, ParsePnm(std::vector<std::uint8_t>(c.file.begin(), c.file.end()), image))
        << c.file;
  }
}

TEST(PageTool, ComposesALandscapePbm) {
  // 16 x 8, all black: turned to 16 rows of 8 pixels on an A4 line (1728, margin 856 pixels).
  const std::string in = TempPath("in.pbm"), out = TempPath("out.pbm");
  WriteFile(in, "P4\n16 8\n" + std::string(16, '\xFF'));
  const ToolRun run = RunTool({"--landscape", "--xdpi", "300", "--ydpi", "200", in, out});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "width 1728\nheight 16\nbits per pixel 1\ncompression 32773\n"
            "resolution 200 x 300 dpi\nquality 75\n");
  const std::string result = ReadFile(out);
  const std::string head = "P4\n1728 16\n";
  ASSERT_EQ(result.size(), head.size() + 16 * 216);
  EXPECT_EQ(result.substr(0, head.size()), head);
  for (std::size_t r = 0; r < 16; ++r)
    for (std::size_t k = 0; k < 216; ++k)
      ASSERT_EQ(static_cast<std::uint8_t>(result[head.size() + r * 216 + k]), k == 107 ? 0xFF : 0)
          << r << " " << k;
}

TEST(PageTool, ComposesAColourPpmWithItsByteOrder) {
  const std::string in = TempPath("in.ppm"), out = TempPath("out.ppm");
  WriteFile(in, "P6\n1 1\n255\n\x11\x22\x33");
  const ToolRun run = RunTool({"--paper", "6", "--quality-selector", "1", in, out});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "width 1056\nheight 1\nbits per pixel 24\ncompression 7\n"
            "resolution 200 x 200 dpi\nquality 50\n");
  const std::string result = ReadFile(out);
  const std::string head = "P6\n1056 1\n255\n";
  ASSERT_EQ(result.size(), head.size() + 3 * 1056);
  // Margin (1056 - 1) / 16 * 8 = 520 pixels.
  EXPECT_EQ(result.substr(head.size() + 3 * 520, 3), "\x11\x22\x33");
  EXPECT_EQ(result.substr(head.size(), 3), "\xFF\xFF\xFF");
}

TEST(PageTool, FailsClearly) {
  const std::string bad = TempPath("bad.pbm"), out = TempPath("never.pbm");
  WriteFile(bad, "P4\n64 64\n\x00");
  std::remove(out.c_str());
  const struct {
    std::vector<std::string> args;
    int code;
    std::string message;
  } kCases[] = {
      {{TempPath("missing.pbm"), out}, kExitFailed, "cannot read"},
      {{bad, out}, kExitFailed, "truncated image data"},
      {{bad}, kExitUsage, "usage:"},
      {{"--paper", "x", bad, out}, kExitUsage, "usage:"},
      {{"--bogus", bad, out}, kExitUsage, "usage:"},
  };
  for (const auto& c : kCases) {
    const ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.code, c.code);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_TRUE(ReadFile(out).empty());
  }
}

}  // namespace
}  // namespace pagecompose
