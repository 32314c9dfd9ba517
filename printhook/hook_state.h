// The one process-wide state of the spooler hook and the job record handed to the spooler as
// its driver handle. The spooler calls one job at a time, so these are plain variables.
#pragma once

#include <windows.h>

#include <cstdint>

#include "printhook/spool_header.h"

namespace printhook {

struct JobRecord {
  char Tag[4];  // "GSRD"
  HANDLE Printer;
  std::uint32_t JobId;
  std::uint32_t Flags;  // 1 created, +2 end of job done, +4 aborted
  std::uint32_t PageWrites;
  std::uint32_t PagesStarted;
  std::uint32_t PagesEnded;
};

constexpr std::uint32_t kJobCreated = 1;
constexpr std::uint32_t kJobEnded = 2;
constexpr std::uint32_t kJobAborted = 4;

constexpr int kPathChars = 520;

struct HookState {
  HINSTANCE Module = nullptr;
  JobRecord* Job = nullptr;
  bool HeaderSeen = false;
  bool OutputFailed = false;
  SpoolHeader Header = {};
  bool ToFileMode = false;
  bool DibOutput = false;
  wchar_t OutputFile[kPathChars] = {};
  wchar_t KeptOutputFile[kPathChars] = {};
  wchar_t TxFolder[kPathChars] = {};
  wchar_t SenderPath[kPathChars] = {};
  wchar_t SettingsPath[256] = {};
  wchar_t SettingsSection[32] = {};
  wchar_t RemoveChars[16] = {};
  wchar_t SuffixChars[64] = {};
  HWND OcxWindow = nullptr;
  UINT OcxMessage = 0;
  HWND SenderWindow = nullptr;
  HANDLE IdleEvent = nullptr;
  HANDLE StartEvent = nullptr;
  HANDLE HandOffMapping = nullptr;
  std::uint8_t* HandOffView = nullptr;
};

extern HookState g_hook;

// Shared operations of the hook.
bool IsLocalFaxDevice();
bool StartOutput();
void LoadDriverSettings(HINSTANCE instance);

// Loads a string resource of the DLL into buffer (capacity in characters, cut to fit);
// an absent string leaves it empty. Returns the length.
int LoadHookString(UINT id, wchar_t* buffer, int capacity);

// Copies text into a field of capacity characters, cut to fit and terminated.
void CopyText(wchar_t* field, int capacity, const wchar_t* text);

template <int N>
void CopyText(wchar_t (&field)[N], const wchar_t* text) { CopyText(field, N, text); }

// Header texts are UTF-16 arrays of char16_t; the platform sees them as wchar_t.
inline wchar_t* Wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace printhook
