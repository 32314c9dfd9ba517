// Stand-in for the fax manager Vrw32.exe: appends one line to Vrw32.log beside itself with the
// whole command line it was started with, the tail after its name and its current folder.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandTail, int) {
  char log[MAX_PATH + 16] = {};
  GetModuleFileNameA(nullptr, log, MAX_PATH);
  char* slash = std::strrchr(log, '\\');
  std::strcpy(slash ? slash + 1 : log, "Vrw32.log");
  char folder[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  if (FILE* out = std::fopen(log, "ab")) {
    std::fprintf(out, "cmdline=[%s] tail=[%s] folder=[%s]\r\n", GetCommandLineA(), commandTail, folder);
    std::fclose(out);
  }
  return 0;
}
