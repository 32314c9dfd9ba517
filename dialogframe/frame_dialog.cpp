#include "dialogframe/frame_dialog.h"

#include "dialogframe/dialog_template.h"
#include "dialogframe/frame_app.h"
#include "dialogframe/frame_resource.h"
#include "dialogframe/icon_origin.h"

namespace dialogframe {

CFrameDialog::CFrameDialog(UINT templateId, HWND parent, unsigned features)
    : templateId_(templateId), parent_(parent), features_(features) {
  // Loaded once at the system's icon size and kept for the life of the process.
  if (features_ & kAboutAndIcon) icon_ = LoadIconA(ResourceInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

INT_PTR CFrameDialog::DoModal() {
  HWND owner = parent_;
  if (owner == nullptr && App() != nullptr && App()->MainDialog() != this) owner = App()->MainWindow();
  // Opened from inside a dialog of this thread: that dialog owns it.
  if (owner == nullptr) owner = GetActiveWindow();
  const INT_PTR result = DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId_), owner,
                                         &CFrameDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  hwnd_ = nullptr;
  return result;
}

void CFrameDialog::EndDialog(int result) { ::EndDialog(hwnd_, result); }

bool CFrameDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(hwnd_, saveAndValidate);
  DoDataExchange(dx);
  return true;
}

void CFrameDialog::DoDataExchange(CDataExchange&) {}

bool CFrameDialog::OnInitDialog() {
  UpdateData(false);
  CentreIfTemplateAsks();
  if (features_ & kAboutAndIcon) {
    AddAboutEntry();
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  }
  return true;
}

void CFrameDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CFrameDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CFrameDialog::OnCommand(WORD, WORD, HWND) { return false; }

void CFrameDialog::AddAboutEntry() {
  HMENU menu = GetSystemMenu(hwnd_, FALSE);
  if (menu == nullptr) return;
  const std::string text = LoadResourceString(IDS_ABOUTBOX);
  if (text.empty()) return;
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text.c_str());
}

void CFrameDialog::CentreIfTemplateAsks() {
  HINSTANCE instance = ResourceInstance();
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(templateId_), MAKEINTRESOURCEA(5));  // RT_DIALOG
  HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  int x = -1, y = -1;
  if (data == nullptr ||
      !TemplatePosition(static_cast<const unsigned char*>(data), SizeofResource(instance, found), x, y) ||
      x != 0 || y != 0) {
    return;
  }
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  RECT around = area;
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
  RECT mine;
  GetWindowRect(hwnd_, &mine);
  const int width = mine.right - mine.left, height = mine.bottom - mine.top;
  int left = (around.left + around.right - width) / 2;
  int top = (around.top + around.bottom - height) / 2;
  // Keep the dialog on the work area when the owner sits near an edge.
  if (left + width > area.right) left = area.right - width;
  if (top + height > area.bottom) top = area.bottom - height;
  if (left < area.left) left = area.left;
  if (top < area.top) top = area.top;
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CFrameDialog::PaintMinimisedIcon() {
  if (!IsIconic(hwnd_)) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  SendMessageA(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(hwnd_, &client);
  const IconOrigin at = MinimisedIconOrigin(client.right - client.left, client.bottom - client.top,
                                            GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  DrawIcon(dc, at.x, at.y, icon_);
  EndPaint(hwnd_, &paint);
  return true;
}

bool CFrameDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_COMMAND: {
      const WORD id = LOWORD(wParam);
      if (id == IDOK) {
        OnOK();
      } else if (id == IDCANCEL) {
        OnCancel();
      } else if (id == ID_FRAME_HELP) {
        if (App() != nullptr) App()->OnHelp();
      } else {
        return OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      }
      result = TRUE;
      return true;
    }
    case WM_HELP:
      if (App() != nullptr) App()->OnHelp();
      result = TRUE;
      return true;
    case WM_DESTROY:
      OnDestroy();
      return false;
    default:
      break;
  }
  if (!(features_ & kAboutAndIcon)) return false;
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & FRAME_SYSCOMMAND_MASK) != IDM_ABOUTBOX) return false;
      {
        CFrameDialog about(IDD_ABOUTBOX);
        about.DoModal();
      }
      result = TRUE;
      return true;
    case WM_PAINT:
      result = PaintMinimisedIcon();
      return result != FALSE;
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<INT_PTR>(icon_);
      return true;
    default:
      return false;
  }
}

INT_PTR CALLBACK CFrameDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CFrameDialog* self;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<CFrameDialog*>(lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
    return self->OnInitDialog() ? TRUE : FALSE;
  }
  self = reinterpret_cast<CFrameDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  INT_PTR result = FALSE;
  if (!self->HandleMessage(message, wParam, lParam, result)) return FALSE;
  return result;
}

}  // namespace dialogframe
