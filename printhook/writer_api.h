// The functions of the driver's rendering DLL "VR14DRT.dll" that the hook imports by name.
// The header record is passed by address; the writer keeps its own state in it.
#pragma once

#include <cstdint>

#include "printhook/spool_header.h"

#ifdef VR14DRT_BUILD
#define VR14DRT_API extern "C" __declspec(dllexport)
#else
#define VR14DRT_API extern "C" __declspec(dllimport)
#endif

VR14DRT_API int tiffCreateFile(printhook::SpoolHeader* header, const wchar_t* path);
VR14DRT_API int tiffAppendPage(printhook::SpoolHeader* header, const std::uint8_t* bits,
                               std::uint32_t byteCount, std::uint32_t compression,
                               std::uint32_t bitsPerPixel, std::uint32_t reserved);
VR14DRT_API int tiffCompleteFile(printhook::SpoolHeader* header);
VR14DRT_API int dibOutputFile(printhook::SpoolHeader* header, const std::uint8_t* bits,
                              std::uint32_t byteCount, std::uint32_t compression);
// buffer: 256 characters holding a bare file name; receives the file's full path in CTRL.
VR14DRT_API int VRWENV_GetCtrlFolderFile(wchar_t* buffer);
// size in bytes (1040 for 520 characters).
VR14DRT_API int VRWENV_GetVelorixFolder(wchar_t* buffer, std::uint32_t size);
VR14DRT_API int VRWENV_GetSysPath_DATA_TXPATH(wchar_t* buffer, std::uint32_t size);
