// The common data of a client PC: the folder chain below the DATA folder and Common.ini.
#pragma once

#include <cstdint>

namespace faxuser {

constexpr unsigned kTextFieldSize = 33;  // 32 bytes of text and a terminator

struct CommonIniRecord {
  char Tel[kTextFieldSize];
  char Quick[kTextFieldSize];
  char Head[kTextFieldSize];
  char Sender[kTextFieldSize];
  char Cover[kTextFieldSize];
  char Doc[kTextFieldSize];
  char Viewer[kTextFieldSize];
  char UserId[kTextFieldSize];
  std::int32_t CmnTel;
  std::int32_t CmnQuick;
  std::int32_t CmnDial;
  std::int32_t CmnHead;
  std::int32_t CmnSender;
  std::int32_t CmnCover;
  std::int32_t CmnDoc;
  std::int32_t CmnViewer;
  std::int32_t CmnUserId;
};

// Each returns the composed length, or 0 with the buffer empty.
int GetClientFolder(char* buffer, unsigned size);
int GetCommonFolder(char* buffer, unsigned size);
int GetCommonIniPath(char* buffer, unsigned size);

// Fills record from the Common.ini at path; an empty path leaves it all empty and 0. Returns 1.
int ReadCommonIni(CommonIniRecord& record, const char* path);

// Reads [User] key of file into the caller's buffer (the platform's profile read). A file path
// that is empty reads nothing and yields the default, as a missing file does.
int ReadUserEntry(const char* file, const char* key, const char* defaultText, char* buffer, unsigned size);

}  // namespace faxuser
