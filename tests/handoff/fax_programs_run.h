// The fax programs' stand-in as the hand-off tests use it: started with a behaviour, its log
// read back line by line, and every window of it closed after each test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/ui_driver.h"

namespace handofftest {

// The folder that holds the DLL under test, its writer DLL and the sender "VRWFAX32.EXE".
std::wstring ProductFolder();

// Starts the stand-in with these arguments (its log given by --log) and waits until its
// windows exist.
void StartFaxPrograms(const std::string& arguments, const std::string& log);

// Closes every master and sender window on the desktop and waits for their processes.
void CloseFaxPrograms();

std::vector<std::string> ReadLog(const std::string& log);

// The log lines of one role ("MASTER" or "SENDER") that report a message, in order, each
// shortened to "msg=... wparam=... answer=..."; and the lines with the area's bytes.
std::vector<std::string> Messages(const std::vector<std::string>& lines, const std::string& role);
std::vector<std::string> Areas(const std::vector<std::string>& lines, const std::string& role);
std::vector<std::string> Starts(const std::vector<std::string>& lines);

using vrui::Hex;  // the hex form of bytes as the stand-in logs them

}  // namespace handofftest
