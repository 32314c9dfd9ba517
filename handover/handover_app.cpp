// The handover tool's application object: runs the consent dialog and ends.
#include "dialogframe/frame_app.h"
#include "handover/handover_dlg.h"

namespace handover {
namespace {

class CHandoverApp : public dialogframe::CFrameApp {
 public:
  bool InitInstance() override {
    Enable3dControls();
    CHandoverDlg dialog;
    SetMainWindow(&dialog);
    dialog.DoModal();
    return false;
  }
};

CHandoverApp theApp;

}  // namespace
}  // namespace handover
