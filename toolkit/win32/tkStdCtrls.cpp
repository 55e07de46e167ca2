#include "tkStdCtrls.h"

namespace tk {

// ---- TCustomEdit ----

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
  ControlStyle &= ~csSetCaption;
  Font().SetColor(clWindowText);
  SetParentFont(true);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"TkEdit";
  p.SystemClassName = L"EDIT";
  p.Style |= ES_AUTOHSCROLL;
  static constexpr DWORD kAlign[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  p.Style |= kAlign[static_cast<int>(alignment_)];
  if (readOnly_) p.Style |= ES_READONLY;
  if (borderStyle_ == bsSingleBorder) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateHandleDone() {
  HWND h = Handle();
  SendMessageW(h, EM_LIMITTEXT, maxLength_, 0);
  SendMessageW(h, EM_SETSEL, selStart_, selStart_ + selLength_);
}

void TCustomEdit::SetReadOnly(bool v) {
  readOnly_ = v;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetAlignment(TAlignment v) {
  if (v == alignment_) return;
  alignment_ = v;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int v) {
  maxLength_ = std::max(0, v);
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  RecreateWnd();
}

int TCustomEdit::SelStart() const {
  auto* self = const_cast<TCustomEdit*>(this);
  if (!self->HandleAllocated()) return selStart_;
  DWORD start = 0, end = 0;
  SendMessageW(self->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int TCustomEdit::SelLength() const {
  auto* self = const_cast<TCustomEdit*>(this);
  if (!self->HandleAllocated()) return selLength_;
  DWORD start = 0, end = 0;
  SendMessageW(self->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelStart(int v) {
  selStart_ = std::max(0, v);
  selLength_ = 0;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, selStart_, selStart_);
}

void TCustomEdit::SetSelLength(int v) {
  selStart_ = SelStart();
  selLength_ = std::max(0, v);
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, selStart_, selStart_ + selLength_);
}

std::wstring TCustomEdit::SelText() const {
  std::wstring t = Text();
  int s = std::min<int>(SelStart(), static_cast<int>(t.size()));
  int n = std::min<int>(SelLength(), static_cast<int>(t.size()) - s);
  return t.substr(s, n);
}

void TCustomEdit::SetSelText(const std::wstring& text) {
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

bool TCustomEdit::Modified() const {
  auto* self = const_cast<TCustomEdit*>(this);
  return self->HandleAllocated() && SendMessageW(self->Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::Change() {
  if (!Loading() && OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == EN_CHANGE) Change();
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, ColorToRGB(Font().Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      m.Result = reinterpret_cast<intptr_t>(BrushHandle());
      return;
    }
    case WM_SETFOCUS:
      TWinControl::WndProc(m);
      if (AutoSelect && !(GetKeyState(VK_LBUTTON) < 0)) SelectAll();
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

// ---- TCustomPanel ----

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  ControlStyle |= csAcceptsControls | csOpaque;
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::SetBevelOuter(TPanelBevel v) {
  if (v == bevelOuter_) return;
  bevelOuter_ = v;
  Realign();
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment v) {
  alignment_ = v;
  Invalidate();
}

void TCustomPanel::AdjustClientRect(TRect& r) const {
  if (bevelOuter_ != bvNone) r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
}

void TCustomPanel::Paint() {
  TRect r = ClientRect();
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(r);
  if (bevelOuter_ != bvNone) {
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    DrawEdge(Canvas().Handle(), &rc, bevelOuter_ == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
             BF_RECT);
  }
  std::wstring caption = Caption();
  if (caption.empty()) return;
  static constexpr unsigned kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  Canvas().Brush().SetStyle(bsClear);
  Canvas().DrawText(caption, r,
                    kAlign[static_cast<int>(alignment_)] | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  Canvas().Brush().SetStyle(bsSolid);
}

}  // namespace tk
