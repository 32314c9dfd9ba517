// Finds the document path on formsave's command line: the first argument, optionally quoted;
// everything after it is ignored.
#pragma once

#include "formsave/formsave_constants.h"

namespace formsave {

// Copies the argument into argument (zero-filled first) and returns its length in bytes; 0 when
// there is none: no text, only blanks and tabs, a lone quote, an empty argument, or input that
// does not fit (a command line over 511 bytes, an argument over 260 bytes).
int ScanDocumentArgument(const char* commandLine, char (&argument)[kPathSize]);

}  // namespace formsave
