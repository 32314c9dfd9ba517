// Starting the fax sender on the printing user's desktop. The spooler thread impersonates the
// printing user; the sender is started with that user's token when there is one.
#include "printhook/hand_off.h"

#include "printhook/hook_state.h"

namespace printhook {

namespace {

// TOKEN_ASSIGN_PRIMARY | TOKEN_DUPLICATE | TOKEN_IMPERSONATE | TOKEN_QUERY | READ_CONTROL
constexpr DWORD kPrimaryTokenAccess = 0x2000F;

bool StartAsUser(HANDLE primary, wchar_t* commandLine, DWORD* error) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = INVALID_HANDLE_VALUE;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessAsUserW(primary, g_hook.SenderPath, commandLine, nullptr, nullptr, TRUE, 0,
                            nullptr, nullptr, &startup, &process)) {
    *error = GetLastError();
    return false;
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return true;
}

bool StartPlain(wchar_t* commandLine, DWORD* error) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(g_hook.SenderPath, commandLine, nullptr, nullptr, FALSE, DETACHED_PROCESS,
                      nullptr, nullptr, &startup, &process)) {
    *error = GetLastError();
    return false;
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return true;
}

}  // namespace

bool StartSender(DWORD* error) {
  wchar_t commandLine[1] = {0};  // the start calls want a writable command line
  *error = 0;

  HANDLE threadToken = nullptr;
  HANDLE primary = nullptr;
  bool reverted = false;
  // TOKEN_IMPERSONATE as well, so that the thread can take the user's identity back below.
  if (OpenThreadToken(GetCurrentThread(), TOKEN_DUPLICATE | TOKEN_IMPERSONATE, TRUE,
                      &threadToken)) {
    if (DuplicateTokenEx(threadToken, kPrimaryTokenAccess, nullptr, SecurityImpersonation,
                         TokenPrimary, &primary)) {
      reverted = RevertToSelf() != FALSE;
    }
  }

  bool started = false;
  if (primary) {
    started = StartAsUser(primary, commandLine, error);
    CloseHandle(primary);
  }
  // The rest of the job runs as the printing user again, not as the spooler.
  if (reverted) SetThreadToken(nullptr, threadToken);
  if (threadToken) CloseHandle(threadToken);

  if (!started) started = StartPlain(commandLine, error);
  if (started) *error = 0;
  return started;
}

}  // namespace printhook
