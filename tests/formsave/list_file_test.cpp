// Appends to a list file from several writers at once: no line may be lost or torn.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "formsave/list_file.h"
#include "tests/installenv/installation_fixture.h"

namespace {

TEST(AppendListLine, WritersAtTheSameMomentKeepEveryLine) {
  const std::string list = vrtest::FreshFolder("formsave_append") + "\\send.lnk";
  constexpr int kWriters = 4, kLines = 200;
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back([&list, w] {
      for (int i = 0; i < kLines; ++i) {
        const std::string line = "C:\\writer" + std::to_string(w) + "\\document" + std::to_string(i) + ".vrd";
        EXPECT_TRUE(formsave::AppendListLine(list.c_str(), line));
      }
    });
  }
  for (auto& writer : writers) writer.join();

  const std::string bytes = vrtest::ReadFileBytes(list);
  std::set<std::string> lines;
  std::size_t count = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto end = bytes.find("\r\n", at);
    ASSERT_NE(end, std::string::npos) << "torn last line";
    lines.insert(bytes.substr(at, end - at));
    ++count;
    at = end + 2;
  }
  EXPECT_EQ(count, static_cast<std::size_t>(kWriters * kLines));
  EXPECT_EQ(lines.size(), static_cast<std::size_t>(kWriters * kLines));
}

TEST(AppendListLine, AppendsBehindWhatIsThereAndCreatesMissingFiles) {
  const std::string folder = vrtest::FreshFolder("formsave_append");
  const std::string list = folder + "\\sendALi.lnk";
  EXPECT_TRUE(formsave::AppendListLine(list.c_str(), ""));
  EXPECT_TRUE(formsave::AppendListLine(list.c_str(), "\x90\x56\x8B\x4B"));
  EXPECT_EQ(vrtest::ReadFileBytes(list), "\r\n\x90\x56\x8B\x4B\r\n");
  EXPECT_FALSE(formsave::AppendListLine((folder + "\\missing\\x.lnk").c_str(), "x"));
}

}  // namespace
