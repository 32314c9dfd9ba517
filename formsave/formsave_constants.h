// What formsave shares with the product's other programs: the list files, the broadcast, the
// default document name, and the sizes of its buffers.
#pragma once

namespace formsave {

constexpr char kPathListName[] = "send.lnk";     // one validated document path per line
constexpr char kNameListName[] = "sendALi.lnk";  // the matching document name per line
constexpr char kListLineEnd[] = "\r\n";
constexpr char kListPathFormat[] = "%s\\%s";

constexpr char kBroadcastMessageName[] = "WM_MAINCTL_ofVR14";
constexpr unsigned kBroadcastWParam = 121;

constexpr char kDefaultDocumentName[] = "新規作成";

constexpr unsigned kCommandLineAreaSize = 512;  // command lines of up to 511 bytes are scanned
constexpr unsigned kPathSize = 261;             // 260 bytes of path and a terminator
constexpr unsigned kMaxPathLength = kPathSize - 1;
constexpr unsigned kListPathSize = 264;
constexpr unsigned kNameSize = 261;             // at most 260 bytes of the name are taken

}  // namespace formsave
