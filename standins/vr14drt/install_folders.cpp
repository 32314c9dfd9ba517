#include "standins/vr14drt/install_folders.h"

#include <windows.h>
#include <shlobj.h>

namespace vr14drt {
namespace {

const wchar_t kProductKey[] = L"Software\\HALVERON\\VELORIX 14";
const wchar_t kFolderTail[] = L"\\HALVERON\\VELORIX 14";

std::wstring ProductValue(const wchar_t* name) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProductKey, 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
    return {};
  wchar_t value[MAX_PATH + 1] = {};
  DWORD size = sizeof(value) - sizeof(wchar_t);
  RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  std::wstring text = value;
  if (!text.empty() && text.back() == L'\\') text.pop_back();
  return text;
}

std::wstring DefaultFolder(int csidl) {
  wchar_t common[MAX_PATH + 1] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, common)) || !common[0]) return {};
  std::wstring folder = common;
  if (folder.back() == L'\\') folder.pop_back();
  folder += kFolderTail;
  return MakeFolderTree(folder) ? folder : std::wstring();
}

}  // namespace

bool MakeFolderTree(const std::wstring& path) {
  for (std::size_t at = path.find(L'\\', 3); ; at = path.find(L'\\', at + 1)) {
    std::wstring level = path.substr(0, at);
    DWORD attributes = GetFileAttributesW(level.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      if (!CreateDirectoryW(level.c_str(), nullptr)) return false;
    } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return false;
    }
    if (at == std::wstring::npos) return true;
  }
}

std::wstring CtrlFolder() {
  std::wstring folder = ProductValue(L"CTRL Folder");
  return folder.empty() ? DefaultFolder(CSIDL_COMMON_APPDATA) : folder;
}

std::wstring DataFolder() {
  std::wstring folder = ProductValue(L"DATA Folder");
  if (!folder.empty()) return folder;
  wchar_t common[MAX_PATH + 1] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_COMMON_DOCUMENTS, nullptr, 0, common)) || !common[0])
    return CtrlFolder();
  return DefaultFolder(CSIDL_COMMON_DOCUMENTS);
}

std::wstring ProductFolder() {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ProductFolder), &self);
  wchar_t path[MAX_PATH + 1] = {};
  GetModuleFileNameW(self, path, MAX_PATH);
  std::wstring folder = path;
  std::size_t slash = folder.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash);
}

}  // namespace vr14drt
