// faxuser-query: loads faxuser.dll (from its own folder) as the product's programs do and prints
// what each export answers. Output bytes are code page 932.
#include <windows.h>

#include <cstdio>
#include <initializer_list>

int main() {
  HMODULE module = LoadLibraryA("faxuser.dll");
  if (module == nullptr) {
    std::printf("faxuser.dll cannot be loaded (error %lu)\n", GetLastError());
    return 1;
  }
  using Flag = int(WINAPI*)();
  using Text = int(WINAPI*)(char*, unsigned);
  auto isClientDial = reinterpret_cast<Flag>(reinterpret_cast<void*>(GetProcAddress(module, "FAXUSER_IsCLICMNDIAL")));
  std::printf("FAXUSER_IsCLICMNDIAL = %d\n", isClientDial ? isClientDial() : -1);
  for (const char* name : {"FAXUSER_GetUserInfo", "FAXUSER_GetUserFont", "FAXUSER_GetUserID"}) {
    auto get = reinterpret_cast<Text>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    char value[261] = {};
    const int length = get ? get(value, sizeof value) : -1;
    std::printf("%-20s = \"%s\" (%d bytes)\n", name, value, length);
  }
  FreeLibrary(module);
  return 0;
}
