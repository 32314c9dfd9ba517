// Names, numbers and texts of the spooler hook that other programs and the resource script
// rely on, each written once. The resource compiler reads only the #define part.
#pragma once

// String resources of printhook.dll, by number.
#define IDS_SETTINGS_FILE 250     // "VRW32.INI"
#define IDS_SETTINGS_SECTION 251  // "VR14.DRV"
#define IDS_KEY_FILEFORMAT 252
#define IDS_KEY_COMPRESSION 253
#define IDS_KEY_FILENAMEPROMPT 254
#define IDS_KEY_DEBUG 256
#define IDS_KEY_SENDER 257
#define IDS_LOCAL_FAX_DEVICE 261  // "HALVERON LocalFAX"
#define IDS_EXT_DOCUMENT 340      // ".VRD"
#define IDS_EXT_TEMPORARY 341     // ".$$$"
#define IDS_SUFFIX_CHARS 343
#define IDS_REMOVE_CHARS 344
#define IDS_SENDER_BUSY 352

#ifndef RC_INVOKED
#include <cstdint>

namespace printhook {

// Fixed texts (not resources).
constexpr char16_t kColorDocumentExt[] = u".VRE";
constexpr char16_t kDefaultDocumentName[] = u"VELORIX";
constexpr char16_t kOcxMessageName[] = u"WM_OCXPRTOUT_ofVR14";
constexpr char16_t kOcxWindowClass[] = u"CLS_OCX_ofVR14";
constexpr char16_t kDefaultSender[] = u"VRWFAX32.EXE";
constexpr char16_t kDibFormat[] = u"DIB";

// Named kernel objects shared with the fax programs.
constexpr char16_t kIdleEventName[] = u"EVT_PRT_ofVR14";
constexpr char16_t kStartEventName[] = u"EVT_PRTDROP_ofVR14";
constexpr char16_t kHandOffMappingName[] = u"MAP_PRT_ofVR14";
constexpr std::uint32_t kHandOffSize = 512;

// wParam codes of the print-out control window protocol.
constexpr std::uintptr_t kOcxAskWaiting = 100;
constexpr std::uintptr_t kOcxAcknowledge = 0;
constexpr std::uintptr_t kOcxReadDocumentName = 3;
constexpr std::uintptr_t kOcxReadOutputPath = 1;
constexpr std::uintptr_t kOcxOutputState = 2;     // lParam 1: about to create; 0: ended
constexpr std::uint32_t kOcxTextBufferBytes = 544;
constexpr std::uint32_t kOcxNameChars = 256;

// Tag of a job record in memory order.
constexpr char kJobRecordTag[4] = {'G', 'S', 'R', 'D'};


// End of job: the fax manager's master window and the fax sender's window (top-level, found
// by class), and what they answer.
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
#endif
