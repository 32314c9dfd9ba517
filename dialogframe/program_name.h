// Names the application object derives from the program's own path and command line.
#pragma once

#include <string>

namespace dialogframe {

// "C:\Tools\supportmail.exe" -> "supportmail": the caption of every application message box.
std::string ProgramNameFromPath(const std::string& modulePath);

// "C:\Tools\supportmail.exe" -> "C:\Tools\supportmail.HLP": the file the Help command opens.
std::string HelpFileFromPath(const std::string& modulePath);

// The command line after the program name and the white space behind it (the program name may
// be quoted). The result points into commandLine.
const char* CommandLineTail(const char* commandLine);

// The message-box style an application box uses: an OK or OK/Cancel box that names no icon gets
// the exclamation icon, a Yes/No box the question icon.
unsigned MessageBoxStyleWithDefaultIcon(unsigned style);

}  // namespace dialogframe
