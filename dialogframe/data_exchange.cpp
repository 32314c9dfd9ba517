#include "dialogframe/data_exchange.h"

namespace dialogframe {

void BindControl(CDataExchange& dx, int controlId, HWND& control) {
  if (control == nullptr) control = GetDlgItem(dx.Dialog(), controlId);
}

void ExchangeCheck(CDataExchange& dx, int controlId, int& value) {
  if (dx.Saving()) {
    value = static_cast<int>(IsDlgButtonChecked(dx.Dialog(), controlId));
  } else {
    CheckDlgButton(dx.Dialog(), controlId, value != 0 ? BST_CHECKED : BST_UNCHECKED);
  }
}

}  // namespace dialogframe
