// Data exchange between a dialog's controls and its members, in both directions.
#pragma once

#include <windows.h>

namespace dialogframe {

class CDataExchange {
 public:
  CDataExchange(HWND dialog, bool saveAndValidate) : dialog_(dialog), save_(saveAndValidate) {}
  HWND Dialog() const { return dialog_; }
  // true: controls to members; false: members to controls.
  bool Saving() const { return save_; }

 private:
  HWND dialog_;
  bool save_;
};

// Binds a member to the control's window handle (no value is exchanged).
void BindControl(CDataExchange& dx, int controlId, HWND& control);
// Check box state to and from an int member (0 unchecked, 1 checked).
void ExchangeCheck(CDataExchange& dx, int controlId, int& value);

}  // namespace dialogframe
