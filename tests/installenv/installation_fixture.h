// Test fixture for the product's installation under Wine: the registry key with its values,
// the default folders under the platform's common folders, and small file helpers. Every
// Installation starts from a machine without the product and leaves none behind.
#pragma once

#include <windows.h>

#include <string>

namespace vrtest {

class Installation {
 public:
  Installation();   // removes the product key and the default folders
  ~Installation();  // the same, so that the next test starts clean
  Installation(const Installation&) = delete;
  Installation& operator=(const Installation&) = delete;

  void SetValue(const char* name, const std::string& value);                   // REG_SZ
  void SetRawValue(const char* name, DWORD type, const void* data, DWORD size);
  void SetComSys(const char* name, const std::string& value);
  void RemoveProductKey();

  static std::string CommonAppData();    // e.g. C:\ProgramData
  static std::string CommonDocuments();  // e.g. C:\users\Public\Documents
  static std::string DefaultCtrlFolder();
  static std::string DefaultDataFolder();
};

// The folder of the running test program (where the build puts what the test starts).
std::string ProgramFolder();
// A fresh, empty folder C:\vrtest\<name> (removed with its contents first).
std::string FreshFolder(const std::string& name);
void RemoveTree(const std::string& path);
bool PathExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace vrtest
