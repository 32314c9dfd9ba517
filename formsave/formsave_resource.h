// Resource numbers of formsave (plain #defines: shared by the resource script and the sources).
#pragma once

#include "dialogframe/frame_resource.h"

#define IDC_DOCUMENT_NAME 1006  // the name edit of dialog 102
