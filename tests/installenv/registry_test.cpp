// Registry reads against Wine's real registry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "installenv/installenv.h"
#include "tests/installenv/installation_fixture.h"

namespace installenv {
namespace {

class RegistryTest : public ::testing::Test {
 protected:
  vrtest::Installation installation;
  char buffer[300];
};

TEST_F(RegistryTest, TrimsOneTrailingBackslashWithTheDoubleByteRule) {
  const struct { std::string value; std::string expected; } cases[] = {
      {"D:\\Fax\\", "D:\\Fax"}, {"C:\\", "C:"}, {"D:\\Fax\\\\", "D:\\Fax\\"},
      {"C:\\vr\x95\x5C", "C:\\vr\x95\x5C"}, {"\\", ""}, {"", ""}};
  for (const auto& c : cases) {
    installation.SetValue("CTRL Folder", c.value);
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(GetRegString("CTRL Folder", "", buffer, sizeof buffer), static_cast<int>(c.expected.size()));
    EXPECT_EQ(std::string(buffer), c.expected);
    EXPECT_EQ(buffer[sizeof buffer - 1], '\0') << "the whole buffer is zero-filled";
  }
}

TEST_F(RegistryTest, DefaultAppliesOnlyWhenTheKeyIsMissing) {
  installation.SetValue("Other", "x");
  EXPECT_EQ(GetRegString("CTRL Folder", "dflt", buffer, sizeof buffer), 0);  // key there, value missing
  EXPECT_STREQ(buffer, "");
  installation.RemoveProductKey();
  EXPECT_EQ(GetRegString("CTRL Folder", "dflt", buffer, sizeof buffer), 4);
  EXPECT_STREQ(buffer, "dflt");
  EXPECT_EQ(GetRegString("CTRL Folder", nullptr, buffer, sizeof buffer), 0);
}

TEST_F(RegistryTest, NonStringsUnterminatedAndOverlongValuesCountAsAbsent) {
  const DWORD number = 0x5C3A43;  // "C:\" as bytes, but a DWORD
  installation.SetRawValue("CTRL Folder", REG_DWORD, &number, sizeof number);
  EXPECT_EQ(GetRegString("CTRL Folder", "", buffer, sizeof buffer), 0);
  installation.SetRawValue("CTRL Folder", REG_SZ, "C:\\abc", 6);  // stored without terminator
  char exact[6];
  EXPECT_EQ(GetRegString("CTRL Folder", "", exact, sizeof exact), 0);
  EXPECT_EQ(std::string(exact, sizeof exact), std::string(6, '\0'));
  installation.SetValue("CTRL Folder", "C:\\" + std::string(270, 'a'));
  char large[400];
  EXPECT_EQ(GetRegString("CTRL Folder", "", large, sizeof large), 0);
  EXPECT_STREQ(large, "");
}

TEST_F(RegistryTest, ComSysKeepsBackslashesAndDefaultsForEmptyValues) {
  installation.SetComSys("Client", "C:\\");
  EXPECT_EQ(GetComSysString("Client", "d", buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "C:\\");
  installation.SetComSys("Client", "");
  EXPECT_EQ(GetComSysString("Client", "d", buffer, sizeof buffer), 1);
  EXPECT_STREQ(buffer, "d");
  EXPECT_EQ(GetComSysString("Missing", nullptr, buffer, sizeof buffer), 0);
}

TEST_F(RegistryTest, ComSysIntConvertsLikeTheStandardConversion) {
  const struct { const char* text; int expected; } cases[] = {
      {"1", 1}, {" 12x", 12}, {"abc", 0}, {"2", 2}, {" 1", 1}, {"", 7}};
  for (const auto& c : cases) {
    installation.SetComSys("Client", c.text);
    EXPECT_EQ(GetComSysInt("Client", 7), c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(GetComSysInt("Missing", 7), 7);
  installation.RemoveProductKey();
  EXPECT_EQ(GetComSysInt("Client", -3), -3);
}

TEST_F(RegistryTest, NullBufferOrSizeZeroWritesNothing) {
  installation.SetValue("CTRL Folder", "D:\\Fax");
  EXPECT_EQ(GetRegString("CTRL Folder", "", nullptr, 10), 0);
  buffer[0] = 'x';
  EXPECT_EQ(GetRegString("CTRL Folder", "", buffer, 0), 0);
  EXPECT_EQ(buffer[0], 'x');
}

}  // namespace
}  // namespace installenv
