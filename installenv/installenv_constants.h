// Names and limits of the product's installation, as other programs of the product use them.
#pragma once

namespace installenv {

constexpr unsigned kMaxPath = 260;                   // the platform's path limit, in bytes
constexpr unsigned kPathBufferSize = kMaxPath + 1;   // a path and its terminator

constexpr char kProductKey[] = "Software\\HALVERON\\VELORIX 14";
constexpr char kComSysKey[] = "Software\\HALVERON\\VELORIX 14\\ComSys";
constexpr char kCtrlFolderValue[] = "CTRL Folder";
constexpr char kDataFolderValue[] = "DATA Folder";
constexpr char kFolderTail[] = "\\HALVERON\\VELORIX 14";
constexpr char kSettingsFileName[] = "Vrw32.ini";

constexpr unsigned long kKeyRead = 0x20019;          // KEY_READ
constexpr int kCsidlCommonAppData = 0x0023;
constexpr int kCsidlCommonDocuments = 0x002E;

}  // namespace installenv
