// Stand-in of the mail system's "MAPI32.DLL": MAPISendMail logs everything it is handed and
// returns the result the test asks for. Behaviour from the host process's environment:
//   VR_MAPI_LOG          file the calls are appended to (one block per call)
//   VR_MAPI_RESULT       result code to return (default 0, success)
//   VR_MAPI_CHECK_FILES  1: try to open every attachment and log whether that worked
// Strings are logged as hex bytes ("null" for an absent one) so the log shows them exactly.
#include <windows.h>
#include <mapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Hex(const char* text) {
  if (text == nullptr) return "null";
  std::string hex;
  char byte[3];
  for (const char* p = text; *p != '\0'; ++p) {
    snprintf(byte, sizeof byte, "%02X", static_cast<unsigned char>(*p));
    hex += byte;
  }
  return hex;
}

std::string Environment(const char* name) {
  char value[1024] = {};
  GetEnvironmentVariableA(name, value, sizeof value);
  return value;
}

bool CanOpen(const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

void Line(std::string& log, const std::string& key, const std::string& value) { log += key + "=" + value + "\n"; }
void Line(std::string& log, const std::string& key, unsigned long long value) { Line(log, key, std::to_string(value)); }

}  // namespace

extern "C" __declspec(dllexport) ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR uiParam, lpMapiMessage message,
                                                            FLAGS flags, ULONG reserved) {
  const ULONG result = static_cast<ULONG>(std::strtoul(Environment("VR_MAPI_RESULT").c_str(), nullptr, 10));
  const bool checkFiles = Environment("VR_MAPI_CHECK_FILES") == "1";
  std::string log = "call\n";
  Line(log, "session", session);
  Line(log, "parent", uiParam);
  Line(log, "flags", flags);
  Line(log, "reserved", reserved);
  if (message != nullptr) {
    Line(log, "message.reserved", message->ulReserved);
    Line(log, "subject", Hex(message->lpszSubject));
    Line(log, "note", Hex(message->lpszNoteText));
    Line(log, "messageType", Hex(message->lpszMessageType));
    Line(log, "dateReceived", Hex(message->lpszDateReceived));
    Line(log, "conversationID", Hex(message->lpszConversationID));
    Line(log, "message.flags", message->flFlags);
    Line(log, "originator", message->lpOriginator == nullptr ? "null" : "present");
    Line(log, "recipients", message->nRecipCount);
    for (ULONG i = 0; i < message->nRecipCount && message->lpRecips != nullptr; ++i) {
      const MapiRecipDesc& r = message->lpRecips[i];
      const std::string at = "recipient." + std::to_string(i) + ".";
      Line(log, at + "class", r.ulRecipClass);
      Line(log, at + "name", Hex(r.lpszName));
      Line(log, at + "address", Hex(r.lpszAddress));
      Line(log, at + "eidSize", r.ulEIDSize);
      Line(log, at + "entryID", r.lpEntryID == nullptr ? "null" : "present");
    }
    Line(log, "files", message->nFileCount);
    for (ULONG i = 0; i < message->nFileCount && message->lpFiles != nullptr; ++i) {
      const MapiFileDesc& f = message->lpFiles[i];
      const std::string at = "file." + std::to_string(i) + ".";
      Line(log, at + "flags", f.flFlags);
      Line(log, at + "position", f.nPosition);
      Line(log, at + "path", Hex(f.lpszPathName));
      Line(log, at + "fileName", Hex(f.lpszFileName));
      Line(log, at + "fileType", f.lpFileType == nullptr ? "null" : "present");
      if (checkFiles) Line(log, at + "opened", CanOpen(f.lpszPathName) ? 1 : 0);
    }
  }
  Line(log, "result", result);
  log += "end\n";
  const std::string logPath = Environment("VR_MAPI_LOG");
  if (FILE* file = logPath.empty() ? nullptr : fopen(logPath.c_str(), "ab")) {
    fwrite(log.data(), 1, log.size(), file);
    fclose(file);
  }
  return result;
}
