// What mgrassist writes and starts: the fax manager reads the entry back when it gets the option.
#pragma once

namespace mgrassist {

constexpr char kPathSection[] = "Path";
constexpr char kPhoneFileKey[] = "PhoneFile";
constexpr char kManagerProgram[] = "Vrw32.exe";
constexpr char kGetTelOption[] = " -GETTEL";
constexpr unsigned long kStartMask = 0x440;  // SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI

}  // namespace mgrassist
