// The paths the flow builds: the share's probe and the destination inside the share, each
// refused when it would pass 260 bytes; and the panel texts' leading runs.
#include "handover/destination_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "handover/handover_texts.h"

namespace handover {
namespace {

TEST(DestinationPaths, DestinationLiesInsideTheShareNamedAfterTheComputer) {
  char base[kBuiltPathSize], dest[kBuiltPathSize], probe[kBuiltPathSize];
  ASSERT_TRUE(ComposeDestination("\\\\SERVER", "PC01", base, dest));
  EXPECT_STREQ(base, "\\\\SERVER\\Velorix$\\PC01");
  EXPECT_STREQ(dest, "\\\\SERVER\\Velorix$\\PC01\\TXDATA");
  ASSERT_TRUE(ComposeProbePath("C:\\srv\\", probe));  // the server name is used as it was read
  EXPECT_STREQ(probe, "C:\\srv\\\\Velorix$\\Server.log");
}

TEST(DestinationPaths, PathsPast260BytesAreRefused) {
  char out[kBuiltPathSize], base[kBuiltPathSize], dest[kBuiltPathSize];
  EXPECT_TRUE(JoinPath(out, std::string(253, 'a').c_str(), "TXDATA"));  // exactly 260
  EXPECT_FALSE(JoinPath(out, std::string(254, 'a').c_str(), "TXDATA"));
  EXPECT_STREQ(out, "");
  EXPECT_TRUE(ComposeProbePath(std::string(240, 's').c_str(), out));   // 260
  EXPECT_FALSE(ComposeProbePath(std::string(241, 's').c_str(), out));
  // 236 + "\Velorix$\" + 8 + "\TXDATA" = 261: the probe fits, the destination does not
  const std::string server(236, 's');
  EXPECT_TRUE(ComposeProbePath(server.c_str(), out));
  EXPECT_FALSE(ComposeDestination(server.c_str(), "COMPUTER", base, dest));
  EXPECT_TRUE(ComposeDestination(server.c_str(), "COMPUTE", base, dest));
  EXPECT_EQ(std::string(dest).size(), 260u);
}

std::string Repeat(const char* piece, int count) {
  std::string run;
  for (int i = 0; i < count; ++i) run += piece;
  return run;
}

TEST(PanelTexts, LeadingIdeographicSpacesAndLineFeeds) {
  const std::string consent = ConsentText(), finish = FinishText();
  EXPECT_EQ(consent.substr(0, 95), Repeat("\x81\x40", 47) + "\n");
  EXPECT_NE(consent.find(Repeat("\x81\x40", 12) + "\n"), std::string::npos);
  EXPECT_EQ(finish.substr(0, 91), Repeat("\x81\x40", 45) + "\n");
  EXPECT_NE(finish.find(Repeat("\x81\x40", 19) + "\n"), std::string::npos);
  EXPECT_EQ(std::count(consent.begin(), consent.end(), '\n'), 2);
  EXPECT_EQ(std::count(finish.begin(), finish.end(), '\n'), 3);
}

}  // namespace
}  // namespace handover
