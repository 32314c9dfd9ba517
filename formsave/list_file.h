// Appends one line to a list file of the DATA folder.
#pragma once

#include <string>

namespace formsave {

// Opens path (created when missing) and adds text and CR LF at its end. The file is opened for
// appending, sharing only writing, so the open fails while another process reads it and others
// cannot read it meanwhile. The line goes out in one append-only write: two registrations at the
// same moment cannot overwrite each other's lines. False when the file could not be opened.
bool AppendListLine(const char* path, const std::string& text);

}  // namespace formsave
