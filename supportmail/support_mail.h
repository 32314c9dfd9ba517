// The message supportmail hands to the mail program, composed from the two file paths.
#pragma once

#include <string>
#include <vector>

namespace supportmail {

struct MailAttachment {
  std::string path;
  std::string fileName;
  unsigned position;
};

struct SupportMail {
  std::string subject;
  std::string note;
  std::string recipientName;
  std::string recipientAddress;
  std::vector<MailAttachment> attachments;  // settings file first
};

// logPath null: the settings file alone, with the short note.
SupportMail ComposeSupportMail(const std::string& settingsPath, const std::string* logPath);

// folder + "\" + file name; an unresolved folder ("") gives a file in the root of the drive.
std::string SettingsPathIn(const std::string& ctrlFolder);
std::string LogPathIn(const std::string& dataFolder);

// The message text with the path in place of its %s.
std::string WithPath(const char* format, const std::string& path);

// Results of the mail program that need no message.
bool IsSilentResult(unsigned long result);

}  // namespace supportmail
