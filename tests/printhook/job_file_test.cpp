// Job files of the stand-in spooler, as mkspool writes them and spoolrun reads them.
#include "standins/spoolrun/job_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tools/mkspool/spool_builder.h"

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(JobFile, WrittenRecordsReadBack) {
  std::vector<std::uint8_t> job(spooljob::kMagic, spooljob::kMagic + 8);
  spooljob::AppendStartDoc(job, 0x01020304);
  spooljob::AppendRecord(job, spooljob::kWrite, "abc", 3);
  spooljob::AppendRecord(job, spooljob::kClose);
  std::vector<spooljob::Record> records;
  std::string error;
  ASSERT_TRUE(spooljob::ParseJob(job, records, error)) << error;
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].op, 'S');
  EXPECT_EQ(records[0].payload, (std::vector<std::uint8_t>{4, 3, 2, 1}));
  EXPECT_EQ(records[1].payload, Bytes("abc"));
  EXPECT_TRUE(records[2].payload.empty());
}

TEST(JobFile, MalformedFilesAreRefusedWithAReason) {
  struct Case {
    std::string bytes, reason;
  } cases[] = {
      {"VRSPOOL0", "VRSPOOL1"},
      {"VRSPOOL1C\0\0", "cut short"},
      {std::string("VRSPOOL1W\x05\0\0\0abc", 16), "ends first"},
      {std::string("VRSPOOL1X\0\0\0\0", 13), "unknown op"},
      {std::string("VRSPOOL1S\x02\0\0\0ab", 15), "job id"},
  };
  for (const Case& c : cases) {
    std::vector<spooljob::Record> records;
    std::string error;
    EXPECT_FALSE(spooljob::ParseJob(Bytes(c.bytes), records, error));
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
}

TEST(JobFile, BuiltJobRefreshesTheHeaderWhenTheGeometryChanges) {
  mkspool::PageSettings portrait, landscape;
  landscape.landscape = true;
  std::string error;
  mkspool::SpoolPage a, b, c;
  ASSERT_TRUE(mkspool::ReadPortableImage(Bytes("P1 2 1 1 0"), portrait, a, error)) << error;
  ASSERT_TRUE(mkspool::ReadPortableImage(Bytes("P1 2 1 0 1"), portrait, b, error)) << error;
  ASSERT_TRUE(mkspool::ReadPortableImage(Bytes("P1 2 1 0 0"), landscape, c, error)) << error;
  mkspool::JobSettings job;
  job.document = u"doc";
  std::vector<spooljob::Record> records;
  ASSERT_TRUE(spooljob::ParseJob(mkspool::BuildJob(job, {a, b, c}), records, error)) << error;
  std::string ops;
  for (const auto& r : records) ops += r.op;
  EXPECT_EQ(ops, "SWPWEPWEPWWEDC");
  const auto& refresh = records[9].payload;
  ASSERT_EQ(refresh.size(), printhook::kSpoolHeaderSize);
  printhook::SpoolHeader header;
  std::memcpy(&header, refresh.data(), sizeof header);
  EXPECT_EQ(header.DevMode.dmOrientation, printhook::kOrientLandscape);
  EXPECT_EQ(std::u16string(header.DocumentName), u"doc");
}

TEST(JobFile, PortableImagesBecomeSpoolRows) {
  mkspool::PageSettings settings;
  mkspool::SpoolPage page;
  std::string error;
  // Black pixels are 0 bits; the row is padded to 4 bytes of blank.
  ASSERT_TRUE(mkspool::ReadPortableImage(Bytes(std::string("P4 9 1 \x80\x80", 9)), settings, page, error));
  EXPECT_EQ(page.rows, (std::vector<std::uint8_t>{0x7F, 0x7F, 0xFF, 0xFF}));
  // Colour pixels are stored blue, green, red.
  ASSERT_TRUE(mkspool::ReadPortableImage(Bytes("P3 1 1 255 1 2 3"), settings, page, error));
  EXPECT_TRUE(page.settings.color);
  EXPECT_EQ(page.rows, (std::vector<std::uint8_t>{3, 2, 1, 0}));
  EXPECT_FALSE(mkspool::ReadPortableImage(Bytes("P6 2 2 255 abc"), settings, page, error));
}

}  // namespace
