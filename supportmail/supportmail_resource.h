// Resource numbers of supportmail (plain #defines: shared by the resource script and the sources).
#pragma once

#include "dialogframe/frame_resource.h"

#define IDC_SEND_LOG 1001  // "also send the communication log" check box of dialog 102
