// formsave's application object: runs the main dialog with the command line and ends.
#include "dialogframe/frame_app.h"
#include "formsave/formsave_dialog.h"

namespace {

class CFormSaveApp : public dialogframe::CFrameApp {
 public:
  bool InitInstance() override {
    Enable3dControls();
    formsave::CFormSaveDialog dialog;
    dialog.SetCommandLine(CommandLine());
    SetMainWindow(&dialog);
    dialog.DoModal();  // every ending ends the program the same way
    return false;
  }
};

CFormSaveApp theApp;

}  // namespace
