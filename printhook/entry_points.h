// The entry points the print spooler calls, as printhook.dll exports them.
#pragma once

#include <windows.h>

extern "C" {
HANDLE WINAPI DrvSplStartDoc(HANDLE printer, DWORD jobId);
BOOL WINAPI DrvSplStartPage(HANDLE driver);
BOOL WINAPI DrvSplEndPage(HANDLE driver);
BOOL WINAPI DrvSplWritePrinter(HANDLE driver, LPVOID data, DWORD byteCount, LPDWORD bytesTaken);
VOID WINAPI DrvSplEndDoc(HANDLE driver);
VOID WINAPI DrvSplAbort(HANDLE driver);
VOID WINAPI DrvSplClose(HANDLE driver);
}

// The same entry points as pointer types, for programs that load the DLL.
using DrvSplStartDocFn = HANDLE(WINAPI*)(HANDLE, DWORD);
using DrvSplPageFn = BOOL(WINAPI*)(HANDLE);
using DrvSplWritePrinterFn = BOOL(WINAPI*)(HANDLE, LPVOID, DWORD, LPDWORD);
using DrvSplJobFn = VOID(WINAPI*)(HANDLE);
