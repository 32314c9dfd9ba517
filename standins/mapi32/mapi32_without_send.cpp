// A "MAPI32.DLL" that lacks MAPISendMail: what a broken mail system installation looks like.
#include <windows.h>

extern "C" __declspec(dllexport) ULONG WINAPI MAPILogoff(ULONG_PTR, ULONG_PTR, ULONG, ULONG) { return 0; }
