#include "supportmail/support_mail.h"

#include "supportmail/supportmail_constants.h"

namespace supportmail {

SupportMail ComposeSupportMail(const std::string& settingsPath, const std::string* logPath) {
  SupportMail mail;
  mail.subject = kSubject;
  mail.note = logPath != nullptr ? kNoteWithLog : kNoteSettingsOnly;
  mail.recipientName = kRecipientName;
  mail.recipientAddress = std::string(kAddressPrefix) + kSupportMailbox;
  mail.attachments.push_back({settingsPath, kSettingsFileName, kSettingsPosition});
  if (logPath != nullptr) mail.attachments.push_back({*logPath, kLogFileName, kLogPosition});
  return mail;
}

std::string SettingsPathIn(const std::string& ctrlFolder) { return ctrlFolder + "\\" + kSettingsFileName; }
std::string LogPathIn(const std::string& dataFolder) { return dataFolder + "\\" + kLogFileName; }

std::string WithPath(const char* format, const std::string& path) {
  std::string text = format;
  const auto at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, path);
  return text;
}

bool IsSilentResult(unsigned long result) {
  return result == kSuccess || result == kUserAbort || result == kLoginFailure;
}

}  // namespace supportmail
