#include "vxSkinBoxCtrls.h"

#include "vxSkinCtrls.h"

#include <windowsx.h>

#include "FrameRecords.h"
#include "vxCopy.h"

// ---- up-down ----

namespace vx {

namespace {

using frame::UpDownEvent;
using K = UpDownEvent::Kind;
constexpr UINT_PTR kRepeatTimer = 1;
constexpr tk::TColor kNavy = 0x800000, kHotFace = 0xD2BDB6, kPressedFace = 0xB59285;

tk::TRect ToTk(const frame::Rect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

// The arrow of button `index` in r: up/down for vertical, right/left for
// horizontal controls; all ends included.
void DrawArrow(tk::TCanvas& c, const tk::TRect& r, int index, bool vertical, tk::TColor color) {
  const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
  c.Pen().SetStyle(tk::psSolid);
  c.Pen().SetWidth(1);
  c.Pen().SetColor(color);
  auto line = [&](int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    if (y1 == y2)
      c.LineTo(x2 + 1, y2);  // the end pixel too
    else
      c.LineTo(x2, y2 + 1);
  };
  for (int i = 0; i <= 3; ++i) {
    if (vertical && index == 0) line(cx - i, cy - 2 + i, cx + i, cy - 2 + i);
    if (vertical && index == 1) line(cx - (3 - i), cy + 2 - (3 - i), cx + (3 - i), cy + 2 - (3 - i));
    if (!vertical && index == 0) line(cx + 2 - (3 - i), cy - (3 - i), cx + 2 - (3 - i), cy + (3 - i));
    if (!vertical && index == 1) line(cx - 2 + i, cy - i, cx - 2 + i, cy + i);
  }
}

}  // namespace

TvxSkinUpDown::TvxSkinUpDown(tk::TComponent* owner) : TvxSkinCustomControl(owner) {
  ControlStyle &= ~tk::csClickEvents;
  SetSkinDataName("hupdown");
  SetBounds(0, 0, 50, 25);
  Relayout();
}

TvxSkinUpDown::~TvxSkinUpDown() {
  *alive_ = false;
  if (timer_ && HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
}

void TvxSkinUpDown::CreateParams(tk::TCreateParams& p) {
  TvxSkinCustomControl::CreateParams(p);
  p.WinClassName = L"TvxSkinUpDown";
}

void TvxSkinUpDown::SetUseSkinSize(bool v) {
  useSkinSize_ = v;
  rules_.SetUseSkinSize(v);
  Relayout();
  Invalidate();
}

void TvxSkinUpDown::SetOrientation(frame::TUDOrientation o) {
  orientation_ = o;
  rules_.SetOrientation(o);
  // Only while designing does the record follow the orientation.
  if (Designing() && !Loading()) SetSkinDataName(o == frame::TUDOrientation::udVertical ? "vupdown" : "hupdown");
  Relayout();
  Invalidate();
}

void TvxSkinUpDown::SetPosition(int v) { Run(rules_.SetPosition(v)); }

void TvxSkinUpDown::Relayout() { rules_.Layout(Width(), Height()); }

void TvxSkinUpDown::Resize() {
  Relayout();
  TvxSkinCustomControl::Resize();
}

void TvxSkinUpDown::FindSkinRecord() {
  TvxSkinCustomControl::FindSkinRecord();
  std::optional<frame::UpDownRecord> record;
  if (recordIndex_ >= 0) record = frame::UpDownRecordFromSkinData(*SkinData(), SkinDataName());
  rules_.SetRecord(record);
  if (record) {
    // Always one fixed-size image.
    geometry_.layout.lt = geometry_.layout.rt = geometry_.layout.lb = geometry_.layout.rb = {0, 0};
    geometry_.layout.client = {};
    geometry_.current = geometry_.layout;
    geometry_.sizingMode = 0;
  }
  Relayout();
}

void TvxSkinUpDown::FitSkinSize(int& width, int& height) {
  if (useSkinSize_) TvxSkinCustomControl::FitSkinSize(width, height);
}

void TvxSkinUpDown::UpdateSkinRegion() {
  if (useSkinSize_) TvxSkinCustomControl::UpdateSkinRegion();
}

bool TvxSkinUpDown::Run(const frame::UpDownEvents& events) {
  const std::weak_ptr<bool> alive = alive_;
  for (const UpDownEvent& e : events) {
    switch (e.kind) {
      case K::Repaint:
        Invalidate();
        break;
      case K::StartTimer:
        if (HandleAllocated()) {
          SetTimer(Handle(), kRepeatTimer, static_cast<UINT>(e.value), nullptr);
          timer_ = true;
        }
        break;
      case K::StopTimer:
        if (timer_ && HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
        timer_ = false;
        break;
      case K::OnChange:
        if (OnChange) OnChange(this);
        break;
      case K::OnUpButtonClick:
        if (OnUpButtonClick) OnUpButtonClick(this);
        break;
      case K::OnDownButtonClick:
        if (OnDownButtonClick) OnDownButtonClick(this);
        break;
    }
    if (alive.expired()) return false;
  }
  return true;
}

void TvxSkinUpDown::WndProc(tk::TMessage& m) {
  if (Designing()) {
    TvxSkinCustomControl::WndProc(m);
    return;
  }
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  switch (m.Msg) {
    case tk::CM_MOUSEENTER:
      TvxSkinCustomControl::WndProc(m);
      rules_.MouseEnter();
      return;
    case tk::CM_MOUSELEAVE:
      TvxSkinCustomControl::WndProc(m);
      // While a button is held the pointer's moves decide.
      if (rules_.PressedIndex() < 0) Run(rules_.MouseLeave());
      return;
    case WM_MOUSEMOVE:
      if (!Run(rules_.MouseMove(x, y))) return;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!Enabled()) break;
      if (!Run(rules_.Press(x, y))) return;
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (!Run(rules_.Release())) return;
      break;
    case WM_TIMER:
      if (m.WParam == kRepeatTimer) {
        Run(rules_.TimerTick());
        return;
      }
      break;
    default:
      break;
  }
  TvxSkinCustomControl::WndProc(m);
}

void TvxSkinUpDown::DrawDefaultImage(tk::TBitmap& bitmap) {
  Relayout();
  tk::TCanvas& c = bitmap.Canvas();
  c.Brush().SetStyle(tk::bsSolid);
  c.Brush().SetColor(tk::clBtnFace);
  c.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
  const bool vertical = orientation_ == frame::TUDOrientation::udVertical;
  for (int i = 0; i < 2; ++i) {
    const tk::TRect r = ToTk(rules_.ButtonRect(i));
    if (r.IsEmpty()) continue;
    const bool hot = rules_.ButtonHot(i), pressed = rules_.ButtonPressed(i);
    c.Brush().SetColor(hot && pressed ? kPressedFace : hot ? kHotFace : tk::clBtnFace);
    c.FillRect(r);
    c.Brush().SetColor(hot ? kNavy : tk::clBtnShadow);
    c.FrameRect(r);
    DrawArrow(c, r, i, vertical, tk::clBlack);
  }
}

void TvxSkinUpDown::DrawSkinImage(tk::TBitmap& bitmap) {
  if (!rules_.Record() || !useSkinSize_ || !Picture()) {
    // Without the record's own image (another kind of record, or a size of
    // the control's own) the arrows take the plain look.
    DrawDefaultImage(bitmap);
    return;
  }
  TvxSkinCustomControl::DrawSkinImage(bitmap);
  GdiFlush();
  for (int i = 0; i < 2; ++i) {
    const frame::Rect from = rules_.StateImage(i);
    const frame::Rect to = rules_.ButtonRect(i);
    if (from.IsEmpty() || to.IsEmpty()) continue;
    CopyRect(*Picture(), {from.Left, from.Top, from.Right, from.Bottom}, bitmap.Pixmap(),
             {to.Left, to.Top, to.Right, to.Bottom});
  }
}

}  // namespace vx
