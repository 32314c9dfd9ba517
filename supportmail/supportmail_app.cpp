// supportmail's application object: runs the main dialog and ends.
#include "dialogframe/frame_app.h"
#include "supportmail/supportmail_dialog.h"

namespace {

class CSupportMailApp : public dialogframe::CFrameApp {
 public:
  bool InitInstance() override {
    EnableControlHosting();
    Enable3dControls();
    supportmail::CSupportMailDialog dialog;
    SetMainWindow(&dialog);
    dialog.DoModal();  // every ending ends the program the same way
    return false;
  }
};

CSupportMailApp theApp;

}  // namespace
