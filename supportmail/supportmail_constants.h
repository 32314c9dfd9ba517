// The support mail as the support centre receives it, and the texts supportmail shows.
#pragma once

namespace supportmail {

// The support centre's mailbox.
constexpr char kSupportMailbox[] = "support@halveron.example";
constexpr char kAddressPrefix[] = "SMTP:";
constexpr char kRecipientName[] = "VELORIX Support";
constexpr char kSubject[] = "VELORIXサポート";
// Two leading blanks: the attachments stand in for them (positions 0 and 1).
constexpr char kNoteWithLog[] = "  添付ファイル：VRW32.INI, VRWLOG3.BIN";
constexpr char kNoteSettingsOnly[] = "  添付ファイル：VRW32.INI";

constexpr char kSettingsFileName[] = "vrw32.ini";
constexpr char kLogFileName[] = "vrwlog3.bin";
constexpr unsigned kSettingsPosition = 0;
constexpr unsigned kLogPosition = 1;

constexpr char kSettingsCannotBeOpened[] = "%sを開けないため、メール送信できません";
constexpr char kLogCannotBeSent[] = "通信記録ファイル%sはメール送信できません";

constexpr char kMailLibrary[] = "MAPI32.DLL";
constexpr char kSendMailEntry[] = "MAPISendMail";
constexpr unsigned long kSendFlags = 0x00000001 | 0x00000008;  // logon UI, compose dialog
constexpr unsigned long kSuccess = 0, kUserAbort = 1, kLoginFailure = 3;

constexpr unsigned kFolderBufferSize = 512;
constexpr unsigned kFolderLookupSize = 510;
constexpr unsigned kSettleMs = 500;  // after the mail program's window closes

}  // namespace supportmail
