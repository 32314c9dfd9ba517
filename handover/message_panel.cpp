#include "handover/message_panel.h"

#include "handover/handover_texts.h"

namespace handover {

namespace {

constexpr char kPanelProperty[] = "CMessagePanel";

HFONT MakePanelFont(int weight) {
  return CreateFontA(-12, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FIXED_PITCH | FF_ROMAN, kPanelFace);
}

class GdiTextDevice : public TextDevice {
 public:
  explicit GdiTextDevice(HDC dc) : dc_(dc) {}
  TextSize Extent(const std::string& text) override {
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
  }
  void DrawAt(int x, int y, const std::string& text) override {
    TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
  }

 private:
  HDC dc_;
};

void FillColour(HDC dc, int x, int y, int width, int height, int colourIndex) {
  RECT area = {x, y, x + width, y + height};
  FillRect(dc, &area, GetSysColorBrush(colourIndex));
}

// One-pixel frame: top and left in the highlight colour, bottom and right in the shadow colour.
void Draw3dFrame(HDC dc, int x, int y, int width, int height) {
  FillColour(dc, x, y, width - 1, 1, COLOR_BTNHIGHLIGHT);
  FillColour(dc, x, y, 1, height - 1, COLOR_BTNHIGHLIGHT);
  FillColour(dc, x + width - 1, y, 1, height, COLOR_BTNSHADOW);
  FillColour(dc, x, y + height - 1, width, 1, COLOR_BTNSHADOW);
}

}  // namespace

CMessagePanel::CMessagePanel()
    : boldFont_(nullptr), normalFont_(MakePanelFont(FW_NORMAL)) {
  boldFont_ = MakePanelFont(FW_BOLD);
  paragraph_.SetText("");
}

CMessagePanel::~CMessagePanel() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    RemovePropA(hwnd_, kPanelProperty);
  }
  DeleteObject(boldFont_);
  DeleteObject(normalFont_);
}

void CMessagePanel::Bind(HWND dialog, int controlId) {
  if (hwnd_) return;
  hwnd_ = GetDlgItem(dialog, controlId);
  if (!hwnd_) return;
  SetPropA(hwnd_, kPanelProperty, this);
  previousProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CMessagePanel::WindowProc)));
}

void CMessagePanel::Invalidate() const {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void CMessagePanel::SetTitle(const std::string& title) {
  title_ = title;
  Invalidate();
}

void CMessagePanel::SetText(const std::string& text) {
  paragraph_.SetText(text);
  Invalidate();
}

void CMessagePanel::SetIcon(unsigned number) {
  number &= 0xFFFF;
  icon_ = number ? LoadIconA(nullptr, MAKEINTRESOURCEA(number)) : nullptr;
  Invalidate();
}

void CMessagePanel::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT client;
  GetClientRect(hwnd_, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  // The frame and fill are two pixels wider than the control, so the right edge lies outside it.
  Draw3dFrame(dc, client.left, client.top, width + 2, height);
  FillColour(dc, client.left, client.top, width + 2, height - 1, COLOR_WINDOW);
  if (icon_) DrawIcon(dc, margin_, margin_, icon_);
  SelectObject(dc, boldFont_);
  TextOutA(dc, client.left + textIndent_ + 2, client.top + margin_, title_.data(), static_cast<int>(title_.size()));
  SelectObject(dc, normalFont_);
  paragraph_.SetPosition(client.left + textIndent_, client.top + margin_ + 11);
  paragraph_.SetWidth(width - textIndent_ - 1);
  paragraph_.SetHeight(height - margin_);
  GdiTextDevice device(dc);
  paragraph_.Draw(device);
  EndPaint(hwnd_, &paint);
}

LRESULT CALLBACK CMessagePanel::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* panel = static_cast<CMessagePanel*>(GetPropA(hwnd, kPanelProperty));
  if (!panel) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      panel->Paint();
      return 0;
    case WM_ERASEBKGND:
      return TRUE;  // the paint covers the whole control
    default:
      return CallWindowProcA(panel->previousProc_, hwnd, message, wParam, lParam);
  }
}

}  // namespace handover
