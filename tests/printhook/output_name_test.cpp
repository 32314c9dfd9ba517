// The output name core: replacement, cleaning, time stamp and the suffix search.
#include "printhook/output_name.h"

#include <gtest/gtest.h>

#include <set>

namespace printhook {
namespace {

const NameRules kRules = {u" \":/<>\\", u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ!#$%&'()-@^_`{}~+,;=[]"};
const LocalTime kTime = {2009, 6, 30, 2, 48, 33, 123};

std::u16string Chosen(std::u16string name, const std::set<std::u16string>& taken,
                      const std::u16string& folder = u"C:\\TX") {
  name = ReplaceNameChars(name);
  EXPECT_TRUE(MakeUniqueNameCore(folder, true, name, kTime, kRules,
                                 [&](const std::u16string& c) { return taken.count(c) != 0; }));
  return name;
}

TEST(OutputName, DocumentNameIsReplacedCleanedAndStamped) {
  struct Case {
    std::u16string document, expected;
  } cases[] = {
      {u"Report 1.doc", u"C:\\TX\\Report1_doc(090630024833123)"},
      {u"a:b\\c", u"C:\\TX\\a_b_c(090630024833123)"},
      {u"\"*,./:;<>?\\^|", u"C:\\TX\\_____________(090630024833123)"},
      {u"見積書 第2版", u"C:\\TX\\見積書第2版(090630024833123)"},
  };
  for (const Case& c : cases) EXPECT_EQ(Chosen(c.document, {}), c.expected);
}

TEST(OutputName, FolderWithFinalBackslashGetsNoSecond) {
  EXPECT_EQ(Chosen(u"x", {}, u"C:\\TX\\"), u"C:\\TX\\x(090630024833123)");
}

TEST(OutputName, TakenNamesGetTheFirstFreeSuffix) {
  const std::u16string base = u"C:\\TX\\x(090630024833123)";
  EXPECT_EQ(Chosen(u"x", {base}), base + u"~0");
  EXPECT_EQ(Chosen(u"x", {base, base + u"~0", base + u"~1"}), base + u"~2");
}

TEST(OutputName, AllSuffixesTakenFailsWithTheCleanedName) {
  std::u16string name = u"a b";
  EXPECT_FALSE(MakeUniqueNameCore(u"C:\\TX", true, name, kTime, kRules,
                                  [](const std::u16string&) { return true; }));
  EXPECT_EQ(name, u"ab");
}

TEST(OutputName, NoFolderFailsAndLeavesTheName) {
  for (bool exists : {false, true}) {
    std::u16string name = u"a b";
    EXPECT_FALSE(MakeUniqueNameCore(exists ? u"" : u"C:\\none", exists, name, kTime, kRules,
                                    [](const std::u16string&) { return false; }));
    EXPECT_EQ(name, u"a b");
  }
}

TEST(OutputName, TimeStampUsesTwoDigitYearAndMilliseconds) {
  EXPECT_EQ(FormatTimeStamp({2010, 1, 2, 3, 4, 5, 6}), u"(100102030405006)");
  EXPECT_EQ(FormatTimeStamp({1999, 12, 31, 23, 59, 59, 999}), u"(991231235959999)");
}

TEST(OutputName, ExplicitOutputPathUnlessEmptyOrThePort) {
  struct Case {
    std::u16string path, port;
    bool explicitName;
  } cases[] = {
      {u"", u"VRFAX:", false},
      {u"VRFAX:", u"VRFAX:", false},
      {u"C:\\out\\fax.tif", u"VRFAX:", true},
      {u"VRFAX", u"VRFAX:", true},
      // Only the first 31 characters are compared with the port name.
      {std::u16string(31, u'p') + u"tail", std::u16string(31, u'p'), false},
      {std::u16string(31, u'p'), std::u16string(31, u'p') + u"q", true},
  };
  for (const Case& c : cases) {
    char16_t path[520] = {}, port[32] = {};
    c.path.copy(path, 519);
    c.port.copy(port, 32);
    EXPECT_EQ(IsExplicitOutputName(path, 520, port, 32), c.explicitName)
        << std::string(c.path.begin(), c.path.end());
  }
}

TEST(OutputName, WindowTextIsBoundedByItsBuffer) {
  auto endless = [](std::uint32_t index) { return static_cast<std::uint8_t>('a' + index % 26); };
  EXPECT_EQ(ReadWindowText(endless, 544).size(), 543u);
  auto shortText = [](std::uint32_t index) { return static_cast<std::uint8_t>(index < 3 ? 'x' : 0); };
  EXPECT_EQ(ReadWindowText(shortText, 544), "xxx");
}

}  // namespace
}  // namespace printhook
