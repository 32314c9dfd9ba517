// Resource and control numbers of the handover tool, shared by C++ sources and the resource
// script (hence plain #defines). The frame's own numbers are in dialogframe/frame_resource.h.
#pragma once

#define IDD_COPY_DONE 103      // finish dialog
#define IDC_MESSAGE_PANEL 1318  // the static control each dialog's panel paints
