// Where the installation lives: the CTRL and DATA folders from the product's registry key,
// or the machine-wide defaults. The key is read in the 32-bit view, which the product's x86
// programs see, so that both share one installation.
#pragma once

#include <string>

namespace vr14drt {
std::wstring CtrlFolder();      // without a final backslash; empty when none can be had
std::wstring DataFolder();
std::wstring ProductFolder();   // the folder that holds this DLL
bool MakeFolderTree(const std::wstring& path);
}
