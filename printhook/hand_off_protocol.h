// What the product's fax programs rely on at the end of a job: their window classes, the
// messages and codes they answer, the hand-off area and the texts of the end-of-job boxes.
// Shared with the stand-ins of those programs, so both ends use the same numbers. The named
// objects and string ids are in hook_constants.h.
#pragma once

#include <cstddef>
#include <cstdint>

#include "printhook/hook_constants.h"

namespace printhook {

// The fax manager's master window and the fax sender's window (top-level, found by class).
constexpr char16_t kMasterWindowClass[] = u"CLS_MASTER_ofVR14";
constexpr char16_t kSenderWindowClass[] = u"CLS_FAX32_ofVR14";

// Messages to the master window, all with wParam 0 and lParam 0.
constexpr unsigned kMasterFileOutput = 0x8F05;    // a to-file document is in the area
constexpr unsigned kMasterFileTaken = 0x8F07;     // non-zero answer: the document was taken
constexpr unsigned kMasterStartSender = 0x8F02;   // please start the fax sender
constexpr unsigned kMasterSenderRunning = 0x8F04; // non-zero answer: the sender is running

// The sender window gets WM_APP with one of these codes as wParam, lParam 0.
constexpr unsigned kSenderMessage = 0x8000;  // WM_APP
constexpr std::uintptr_t kSenderCanTake = 1;  // non-zero answer: accepted; zero: busy
constexpr std::uintptr_t kSenderGoAhead = 2;
constexpr std::uintptr_t kSenderJobAborted = 3;

// Waits: one pause is a second in the product; the master gets 15 pauses, the sender's window 5.
constexpr unsigned kPauseMilliseconds = 1000;
constexpr unsigned kMasterPauses = 15;
constexpr unsigned kSenderWindowPauses = 5;

// Caption of both end-of-job boxes, and the start-error text (%s the sender program, %d the
// platform's error code of the failed start).
constexpr char16_t kDriverBoxCaption[] = u"VELORIX ﾌﾟﾘﾝﾀﾄﾞﾗｲﾊﾞ";
constexpr char16_t kStartErrorFormat[] = u"%sの起動中にエラーが発生しました。(%d)";

}  // namespace printhook
