#include "tkUpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "tkImgList.h"

namespace tk {

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner) {
  ControlStyle &= ~csSetCaption;
  SetBounds(0, 0, 17, 25);
}

void TCustomUpDown::CreateParams(TCreateParams& p) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(p);
  p.WinClassName = L"TkUpDown";
  p.SystemClassName = UPDOWN_CLASSW;
  if (orientation_ == udHorizontal) p.Style |= UDS_HORZ;
  // Arrow keys and wrapping stay ours: the platform's own wrap would step
  // without asking OnChanging.
}

void TCustomUpDown::CreateHandleDone() {
  SendRange();
  SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TCustomUpDown::SendRange() {
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, min_, max_);
}

void TCustomUpDown::SetMin(int v) {
  min_ = v;
  if (max_ < min_) max_ = min_;
  SendRange();
  SetPosition(position_);
}

void TCustomUpDown::SetMax(int v) {
  max_ = v;
  if (min_ > max_) min_ = max_;
  SendRange();
  SetPosition(position_);
}

int TCustomUpDown::Position() const { return position_; }

void TCustomUpDown::SetPosition(int v) {
  position_ = std::clamp(v, min_, max_);
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::SetIncrement(int v) {
  increment_ = std::max(1, v);
  if (HandleAllocated()) {
    UDACCEL accel{0, static_cast<UINT>(increment_)};
    SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  }
}

void TCustomUpDown::SetOrientation(TUDOrientation v) {
  if (v == orientation_) return;
  orientation_ = v;
  RecreateWnd();
}

bool TCustomUpDown::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomUpDown::Click(TUDBtnType button) {
  if (OnClick) OnClick(this, button);
}

void TCustomUpDown::Step(int delta) {
  if (delta == 0 || !CanChange()) return;
  int next = position_ + delta;
  if (next > max_) next = wrap_ ? min_ : max_;
  if (next < min_) next = wrap_ ? max_ : min_;
  SetPosition(next);
  Click(delta > 0 ? btNext : btPrev);
}

void TCustomUpDown::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
    if (hdr->code == static_cast<UINT>(UDN_DELTAPOS)) {
      auto* ud = reinterpret_cast<NMUPDOWN*>(m.LParam);
      // The platform's step is refused; ours takes its place.
      m.Result = TRUE;
      Step(ud->iDelta > 0 ? increment_ : -increment_);
      return;
    }
  }
  TWinControl::WndProc(m);
}

}  // namespace tk
