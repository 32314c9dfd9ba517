#include "dialogframe/frame_dialog.h"
#include "handover/handover_dlg.h"
#include "handover/handover_resource.h"
#include "handover/handover_texts.h"

namespace handover {

CCopyDoneDlg::CCopyDoneDlg() : CFrameDialog(IDD_COPY_DONE) {}

void CCopyDoneDlg::DoDataExchange(dialogframe::CDataExchange& dx) { panel_.Bind(dx.Dialog(), IDC_MESSAGE_PANEL); }

bool CCopyDoneDlg::OnInitDialog() {
  CFrameDialog::OnInitDialog();
  panel_.SetIcon(kInformationIcon);
  panel_.SetTitle(kFinishTitle);
  panel_.SetText(FinishText());
  return true;
}

}  // namespace handover
