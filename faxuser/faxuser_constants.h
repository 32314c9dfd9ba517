// Names of the common data that a client PC reads, and the user settings it resolves.
#pragma once

namespace faxuser {

constexpr char kClientValue[] = "Client";
constexpr char kClientFolderName[] = "Client";
constexpr char kCommonFolderName[] = "Common";
constexpr char kCommonIniName[] = "Common.ini";
constexpr char kHeadFileName[] = "HEAD.dat";
constexpr char kUserIdFileName[] = "USERID.dat";

constexpr char kUserSection[] = "User";
constexpr char kUserInfoKey[] = "UserInfo";
constexpr char kUserFontKey[] = "UserFont";
constexpr char kUserIdKey[] = "UserID";
constexpr char kDefaultUserFont[] = "ＭＳ ゴシック";  // 13 bytes in code page 932

}  // namespace faxuser
