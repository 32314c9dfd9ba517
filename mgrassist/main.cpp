// mgrassist: records the phone file named on the command line as [Path] PhoneFile of VRW32.INI
// and starts the fax manager beside this program with " -GETTEL". No window, no waiting.
#include <windows.h>
#include <shellapi.h>

#include "installenv/installenv.h"
#include "mgrassist/mgrassist_constants.h"
#include "mgrassist/program_folder.h"

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "the start record of the x86 program is 60 bytes");
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandTail, int) {
  char folder[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, folder, MAX_PATH);
  mgrassist::CutFileName(folder);
  // The manager is named without a folder: the one beside this program is found first.
  SetCurrentDirectoryA(folder);

  if (commandTail == nullptr || commandTail[0] == '\0') return 0;

  installenv::WriteSettingString(mgrassist::kPathSection, mgrassist::kPhoneFileKey, commandTail);
  installenv::FlushSettings();
  Sleep(10);

  SHELLEXECUTEINFOA start = {};
  start.cbSize = sizeof start;
  start.fMask = mgrassist::kStartMask;
  start.lpFile = mgrassist::kManagerProgram;
  start.lpParameters = mgrassist::kGetTelOption;
  start.nShow = SW_SHOW;
  ShellExecuteExA(&start);  // the process handle is left to the end of this process
  return 0;
}
