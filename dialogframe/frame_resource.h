// Resource and command numbers of the dialog frame, shared by C++ sources and resource scripts
// (hence plain #defines). The three dialog tools use the same numbers.
#pragma once

#define IDD_ABOUTBOX 100          // About box template
#define IDS_ABOUTBOX 101          // text of the About entry in the system menu
#define IDD_MAIN_DIALOG 102       // each tool's main dialog template
#define IDR_MAINFRAME 128         // the tool's icon
#define IDM_ABOUTBOX 0x0010       // system-menu command of the About entry
#define FRAME_SYSCOMMAND_MASK 0xFFF0
#define ID_FRAME_HELP 57670       // the Help command, routed to the application's help handler

// Texts the mail support of the frame shows, carried in frame_strings.rc.
#define IDS_FRAME_MAPI_LOAD_FAILED 61840
#define IDS_FRAME_MAPI_INVALID_DLL 61841
#define IDS_FRAME_MAPI_SEND_FAILED 61842
