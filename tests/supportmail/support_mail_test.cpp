// The support mail's composition: note texts byte for byte, attachment order and positions.
#include <gtest/gtest.h>

#include "supportmail/support_mail.h"
#include "supportmail/supportmail_constants.h"

namespace {

using supportmail::ComposeSupportMail;

TEST(ComposeSupportMail, SettingsFileAlone) {
  const auto mail = ComposeSupportMail("C:\\ctrl\\vrw32.ini", nullptr);
  EXPECT_EQ(mail.subject, "VELORIX\x83\x54\x83\x7C\x81\x5B\x83\x67");  // VELORIXサポート
  // "  添付ファイル：VRW32.INI": two blanks, then the full-width colon 0x81 0x46.
  EXPECT_EQ(mail.note, "  \x93\x59\x95\x74\x83\x74\x83\x40\x83\x43\x83\x8B\x81\x46VRW32.INI");
  EXPECT_EQ(mail.recipientName, "VELORIX Support");
  EXPECT_EQ(mail.recipientAddress, std::string("SMTP:") + supportmail::kSupportMailbox);
  ASSERT_EQ(mail.attachments.size(), 1u);
  EXPECT_EQ(mail.attachments[0].path, "C:\\ctrl\\vrw32.ini");
  EXPECT_EQ(mail.attachments[0].fileName, "vrw32.ini");
  EXPECT_EQ(mail.attachments[0].position, 0u);
}

TEST(ComposeSupportMail, WithTheLogSecond) {
  const std::string log = "D:\\data\\vrwlog3.bin";
  const auto mail = ComposeSupportMail("C:\\ctrl\\vrw32.ini", &log);
  EXPECT_EQ(mail.note, "  \x93\x59\x95\x74\x83\x74\x83\x40\x83\x43\x83\x8B\x81\x46VRW32.INI, VRWLOG3.BIN");
  ASSERT_EQ(mail.attachments.size(), 2u);
  EXPECT_EQ(mail.attachments[0].fileName, "vrw32.ini");
  EXPECT_EQ(mail.attachments[1].path, log);
  EXPECT_EQ(mail.attachments[1].fileName, "vrwlog3.bin");
  EXPECT_EQ(mail.attachments[1].position, 1u);
  // Each attachment takes the place of one of the note's two leading blanks.
  for (const auto& attachment : mail.attachments) EXPECT_EQ(mail.note[attachment.position], ' ');
}

TEST(SupportMailPaths, FileNamesGoBehindTheFolder) {
  EXPECT_EQ(supportmail::SettingsPathIn("C:\\ctrl"), "C:\\ctrl\\vrw32.ini");
  EXPECT_EQ(supportmail::SettingsPathIn(""), "\\vrw32.ini");
  EXPECT_EQ(supportmail::LogPathIn("D:\\data"), "D:\\data\\vrwlog3.bin");
  EXPECT_EQ(supportmail::WithPath(supportmail::kSettingsCannotBeOpened, "C:\\x\\vrw32.ini"),
            "C:\\x\\vrw32.ini\x82\xF0\x8A\x4A\x82\xAF\x82\xC8\x82\xA2\x82\xBD\x82\xDF\x81\x41"
            "\x83\x81\x81\x5B\x83\x8B\x91\x97\x90\x4D\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1");
}

TEST(SupportMailResults, OnlySuccessAbortAndLogonFailureAreSilent) {
  for (unsigned long result = 0; result < 30; ++result) {
    EXPECT_EQ(supportmail::IsSilentResult(result), result == 0 || result == 1 || result == 3) << result;
  }
}

}  // namespace
