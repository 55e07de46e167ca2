#include "vxSkinCtrls.h"

#include <windows.h>

#include "tkForms.h"

namespace vx {

namespace {

// Caption text centred (or aligned) in r, in the control's default font.
void DrawCaption(tk::TCanvas& canvas, tk::TFont& font, const std::wstring& text, tk::TRect r,
                 unsigned align, bool enabled) {
  if (text.empty()) return;
  canvas.Font().Assign(font);
  if (!enabled) canvas.Font().SetColor(tk::clGrayText);
  canvas.Brush().SetStyle(tk::bsClear);
  canvas.DrawText(text, r, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

// --- check and radio box ---

TvxSkinCheckRadioBox::TvxSkinCheckRadioBox(tk::TComponent* owner) : TvxSkinControl(owner) {
  SetSkinDataName("checkbox");
  SetTabStop(true);
  SetBounds(0, 0, 121, 25);
}

void TvxSkinCheckRadioBox::SetState(TvxCheckBoxState state) {
  if (state == cbGrayed && (radio_ || !AllowGrayed)) state = cbChecked;
  if (state == state_) return;
  state_ = state;
  if (radio_ && state_ == cbChecked && Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TvxSkinCheckRadioBox*>(Parent()->Controls(i));
      if (other && other != this && other->radio_ && other->GroupIndex == GroupIndex) other->SetChecked(false);
    }
  }
  Invalidate();
}

void TvxSkinCheckRadioBox::SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }

void TvxSkinCheckRadioBox::SetRadio(bool radio) {
  radio_ = radio;
  if (radio_ && state_ == cbGrayed) state_ = cbChecked;
  Invalidate();
}

void TvxSkinCheckRadioBox::Click() {
  if (radio_)
    SetChecked(true);
  else if (state_ == cbUnchecked)
    SetState(cbChecked);
  else if (state_ == cbChecked && AllowGrayed)
    SetState(cbGrayed);
  else
    SetState(cbUnchecked);
  TvxSkinControl::Click();
}

bool TvxSkinCheckRadioBox::DoKeyDown(tk::TMessage& m) {
  if (TvxSkinControl::DoKeyDown(m)) return true;
  if (m.WParam == VK_SPACE) {
    Click();
    return true;
  }
  return false;
}

void TvxSkinCheckRadioBox::WndProc(tk::TMessage& m) {
  if (m.Msg == WM_LBUTTONDOWN && CanFocused && CanFocus()) SetFocus();
  if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) Invalidate();
  TvxSkinControl::WndProc(m);
}

void TvxSkinCheckRadioBox::Paint() {
  tk::TCanvas& c = Canvas();
  tk::TRect r = ClientRect();
  c.Brush().SetStyle(tk::bsSolid);
  c.Brush().SetColor(Color());
  c.FillRect(r);
  const int box = 13;
  const int top = (r.Height() - box) / 2;
  RECT br{r.Left + 2, top, r.Left + 2 + box, top + box};
  UINT state = radio_ ? DFCS_BUTTONRADIO : (state_ == cbGrayed ? DFCS_BUTTON3STATE : DFCS_BUTTONCHECK);
  if (state_ != cbUnchecked) state |= DFCS_CHECKED;
  if (Flat) state |= DFCS_FLAT;
  if (!Enabled()) state |= DFCS_INACTIVE;
  DrawFrameControl(c.Handle(), &br, DFC_BUTTON, state);
  tk::TRect text{br.right + 4, r.Top, r.Right, r.Bottom};
  DrawCaption(c, CaptionFont(), Caption(), text, DT_LEFT, Enabled());
  if (Focused()) {
    tk::TRect fr = text;
    c.DrawText(Caption(), fr, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    int h = fr.Height();
    RECT f{text.Left - 1, (r.Height() - h) / 2 - 1, text.Left + fr.Width() + 1, (r.Height() + h) / 2 + 1};
    DrawFocusRect(c.Handle(), &f);
  }
}

}  // namespace vx
