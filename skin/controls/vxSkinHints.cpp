#include "vxSkinHints.h"

#include <algorithm>
#include <vector>

#include "vxCopy.h"
#include "vxPlatform.h"
#include "vxResourceStrings.h"
#include "vxSkinControlBase.h"

namespace vx {
namespace {

constexpr UINT_PTR kFadeTimerId = 1;
// The platform's timers fire no faster than this; the fade's own clock
// decides when a step is due.
constexpr UINT kFadeTickMs = 10;
// Hint components that took over the application's show-hint event: the
// event must not outlive the one it calls.
TvxSkinHint* g_showHintOwner = nullptr;

// How far the current pointer's drawn part reaches below its hot spot; the
// system's cursor height when the pointer's image cannot be read.
int CursorDrop() {
  const int fallback = GetSystemMetrics(SM_CYCURSOR);
  CURSORINFO ci{};
  ci.cbSize = sizeof(ci);
  if (!GetCursorInfo(&ci) || !ci.hCursor) return fallback;
  ICONINFO ii{};
  if (!GetIconInfo(ci.hCursor, &ii)) return fallback;
  int drop = fallback;
  BITMAP bm{};
  if (ii.hbmMask && GetObjectW(ii.hbmMask, sizeof(bm), &bm) && bm.bmWidth > 0 && bm.bmHeight > 0 &&
      bm.bmWidth <= 1024 && bm.bmHeight <= 2048) {
    // A monochrome cursor's mask holds the AND half above the XOR half.
    const bool mono = ii.hbmColor == nullptr;
    const int w = bm.bmWidth, full = bm.bmHeight, h = mono ? full / 2 : full;
    std::vector<uint32_t> bits(static_cast<size_t>(w) * full);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -full;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    HDC dc = GetDC(nullptr);
    if (GetDIBits(dc, ii.hbmMask, 0, full, bits.data(), &bi, DIB_RGB_COLORS) == full) {
      std::vector<bool> rows(h, false);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w && !rows[y]; ++x) {
          const bool andClear = (bits[static_cast<size_t>(y) * w + x] & 0xFFFFFF) == 0;
          const bool xorSet = mono && (bits[static_cast<size_t>(y + h) * w + x] & 0xFFFFFF) != 0;
          rows[y] = andClear || xorSet;
        }
      drop = frame::CursorDropBelowHotSpot(rows, static_cast<int>(ii.yHotspot));
    }
    ReleaseDC(nullptr, dc);
  }
  if (ii.hbmMask) DeleteObject(ii.hbmMask);
  if (ii.hbmColor) DeleteObject(ii.hbmColor);
  return drop;
}

tk::TRect ToTRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

// ---- TvxSkinHintWindow ----

TvxSkinHintWindow::TvxSkinHintWindow(tk::TComponent* owner) : tk::THintWindow(owner) {}

TvxSkinHintWindow::~TvxSkinHintWindow() { StopFade(); }

void TvxSkinHintWindow::CreateParams(tk::TCreateParams& p) {
  tk::THintWindow::CreateParams(p);
  p.Style &= ~static_cast<DWORD>(WS_BORDER);
  const TvxPlatform& platform = TvxPlatform::Get();
  const bool shadow = frame::HintHasDropShadow(platform.Major(), platform.Minor());
  // The class style belongs to the class: one class for each.
  p.WinClassName = shadow ? L"VxSkinHintWindowShadow" : L"VxSkinHintWindow";
  p.ClassStyle = shadow ? CS_DROPSHADOW : 0;
}

TvxSkinHint* TvxSkinHintWindow::Component() const {
  if (auto* own = dynamic_cast<TvxSkinHint*>(Owner())) return own;
  return FindActiveSkinHint();
}

void TvxSkinHintWindow::Prepare(TvxSkinHint& component, const std::wstring& hint) {
  const TvxSkinData* data = component.SkinData();
  skin_ = frame::HintSkinFromSkinData(data);
  textFont_.Assign(component.DefaultFont());
  textColor_ = tk::clInfoText;
  if (skin_.present) {
    if (component.UseSkinFont) {
      textFont_.SetName(tk::Utf8ToWide(skin_.fontName));
      textFont_.SetHeight(skin_.fontHeight);
      textFont_.SetStyle(skin_.fontStyle);
    }
    textColor_ = static_cast<tk::TColor>(skin_.fontColor & 0xFFFFFF);
  }
  if (data && data->ResourceStrData()) textFont_.SetCharset(data->ResourceStrData()->CharSet);
  text_ = frame::ReplaceHintSeparator(hint, component.LineSeparator, std::wstring(L"\r\n"));
  if (!component.HintTitle().empty()) text_ = component.HintTitle() + L"\r\n" + text_;

  RECT r{0, 0, 0, 0};
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, textFont_.Handle());
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r, DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  geometry_ = frame::ComputeHintGeometry(skin_, r.right - r.left, r.bottom - r.top);
  background_ = data && skin_.present ? frame::RenderHintBackground(*data, skin_, geometry_) : TvxPixmap{};
}

tk::TRect TvxSkinHintWindow::CalcHintRect(int, const std::wstring& hint) {
  TvxSkinHint* component = Component();
  if (!component) return {};
  Prepare(*component, hint);
  return tk::Bounds(0, 0, geometry_.width, geometry_.height);
}

// The active form's monitor, else the visible main form's, else the screen.
tk::TRect TvxSkinHintWindow::WorkArea() const {
  const TvxPlatform& platform = TvxPlatform::Get();
  if (tk::Screen && tk::Screen->ActiveForm() && tk::Screen->ActiveForm()->HandleAllocated())
    return ToTRect(platform.WorkArea(tk::Screen->ActiveForm()->Handle()));
  tk::TCustomForm* main = tk::Application ? tk::Application->MainForm() : nullptr;
  if (main && main->HandleAllocated() && IsWindowVisible(main->Handle()))
    return ToTRect(platform.WorkArea(main->Handle()));
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void TvxSkinHintWindow::ActivateHint(const tk::TRect& r, const std::wstring& hint) {
  TvxSkinHint* component = Component();
  if (!component) {
    ReleaseHint();
    return;
  }
  Prepare(*component, hint);
  const tk::TRect area = WorkArea();
  const PixRect place = frame::PlaceHint(r.Left, r.Top, geometry_.width, geometry_.height,
                                         {area.Left, area.Top, area.Right, area.Bottom});
  SetCaption(hint);
  SetBounds(place.left, place.top, place.Width(), place.Height());
  HWND h = Handle();
  ApplyAlpha(*component, h);
  ApplyRegion(component->SkinData(), h);
  SetWindowPos(h, HWND_TOPMOST, place.left, place.top, place.Width(), place.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetVisible(true);
  Invalidate();
  Update();
}

void TvxSkinHintWindow::ApplyAlpha(TvxSkinHint& component, HWND h) {
  const TvxPlatform& platform = TvxPlatform::Get();
  if (!platform.LayeredWindowsAvailable()) return;
  const LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
  if (!component.AlphaBlend) {
    StopFade();
    if (ex & WS_EX_LAYERED) SetWindowLongPtrW(h, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    layered_ = false;
    appliedAlpha_ = -1;
    return;
  }
  if (!(ex & WS_EX_LAYERED)) {
    SetWindowLongPtrW(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    appliedAlpha_ = -1;  // a new layered window has no opacity yet
  }
  layered_ = true;
  const int value = std::clamp(component.AlphaBlendValue, 0, 255);
  if (component.AlphaBlendAnimation) {
    fade_.Start(value, TvxWindowFade::kHintGapMs);
    platform.SetOpacity(h, 0);
    appliedAlpha_ = 0;
    if (fade_.Running()) fadeTimer_ = SetTimer(h, kFadeTimerId, kFadeTickMs, nullptr) != 0;
    return;
  }
  StopFade();
  if (value != appliedAlpha_) {
    platform.SetOpacity(h, static_cast<BYTE>(value));
    appliedAlpha_ = value;
  }
}

void TvxSkinHintWindow::ApplyRegion(const TvxSkinData* data, HWND h) {
  const auto sized = data ? frame::HintRegion(*data, skin_, geometry_) : std::nullopt;
  if (HRGN rgn = sized ? SizedRegionHandle(*sized) : nullptr) {
    region_.Apply(h, rgn, false);
  } else if (region_.HasRegion()) {
    region_.Apply(h, nullptr, false);
  }
}

void TvxSkinHintWindow::StopFade() {
  fade_.Stop();
  if (fadeTimer_ && HandleAllocated()) KillTimer(Handle(), kFadeTimerId);
  fadeTimer_ = false;
}

void TvxSkinHintWindow::ReleaseHint() {
  StopFade();
  if (HandleAllocated())
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  SetVisible(false);
}

void TvxSkinHintWindow::WndProc(tk::TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      m.Result = 0;
      return;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_TIMER:
      if (m.WParam != kFadeTimerId) break;
      if (fade_.Advance(GetTickCount()) && layered_) {
        TvxPlatform::Get().SetOpacity(Handle(), static_cast<BYTE>(fade_.Alpha()));
        appliedAlpha_ = fade_.Alpha();
      }
      if (!fade_.Running()) StopFade();
      m.Result = 0;
      return;
    case WM_DESTROY:
      StopFade();
      break;
    default:
      break;
  }
  tk::THintWindow::WndProc(m);
}

void TvxSkinHintWindow::Paint() {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  tk::TBitmap bitmap(w, h);
  tk::TCanvas& c = bitmap.Canvas();
  tk::TRect textRect;
  if (skin_.present && background_.Width() == w && background_.Height() == h) {
    GdiFlush();
    CopyRect(background_, {0, 0, w, h}, bitmap.Pixmap(), {0, 0, w, h});
    const PixRect& t = geometry_.textRect;
    textRect = {t.left, t.top, t.right, t.bottom};
  } else {
    c.Brush().SetStyle(tk::bsSolid);
    c.Brush().SetColor(tk::clInfoBk);
    c.FillRect({0, 0, w, h});
    c.Brush().SetColor(tk::clBtnShadow);
    c.FrameRect({0, 0, w, h});
    textRect = {2, 2, w - 2, h - 2};
  }
  c.Font().Assign(textFont_);
  c.Font().SetColor(textColor_);
  c.Brush().SetStyle(tk::bsClear);
  c.DrawText(text_, textRect, DT_LEFT | DT_NOPREFIX);
  Canvas().Draw(0, 0, bitmap);
}

// ---- TvxSkinHint ----

TvxSkinHint* FindActiveSkinHint() {
  tk::TCustomForm* main = tk::Application ? tk::Application->MainForm() : nullptr;
  if (!main) return nullptr;
  for (int i = 0; i < main->ComponentCount(); ++i)
    if (auto* hint = dynamic_cast<TvxSkinHint*>(main->Components(i)); hint && hint->Active()) return hint;
  return nullptr;
}

TvxSkinHint::TvxSkinHint(tk::TComponent* owner) : tk::TComponent(owner), skinData_(*this) {
  SetDefaultSkinFont(defaultFont_, tk::clInfoText);
  window_ = new TvxSkinHintWindow(this);
  timer_ = new tk::TTimer(this);
  timer_->SetEnabled(false);
  timer_->SetOnTimer([this](tk::TObject*) { ObjectHintTimer(); });
  if (Designing() || !tk::Application) return;
  tk::TApplication* app = tk::Application;
  app->HintWindowClass = [](tk::TComponent* o) -> tk::THintWindow* { return new TvxSkinHintWindow(o); };
  // Off and on again: the application makes its next hint window of the new class.
  app->SetShowHint(false);
  app->SetShowHint(true);
  TakeOverShowHint();
  app->HintShortPause = 100;
}

TvxSkinHint::~TvxSkinHint() {
  if (g_showHintOwner == this) {
    if (tk::Application) tk::Application->OnShowHint = nullptr;
    g_showHintOwner = nullptr;
  }
}

void TvxSkinHint::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TComponent::Notification(component, operation);
  skinData_.Notification(component, operation);
  if (operation == tk::opRemove) {
    if (component == window_) window_ = nullptr;
    if (component == timer_) timer_ = nullptr;
  }
}

void TvxSkinHint::TakeOverShowHint() {
  if (!tk::Application || Designing()) return;
  tk::Application->OnShowHint = [this](std::wstring& hint, bool& canShow, tk::TApplication::THintInfo& info) {
    ApplicationShowHint(hint, canShow, info);
  };
  g_showHintOwner = this;
}

void TvxSkinHint::SetActive(bool active) {
  if (active) {
    if (tk::Application && tk::Application->MainForm()) {
      tk::TCustomForm* main = tk::Application->MainForm();
      for (int i = 0; i < main->ComponentCount(); ++i)
        if (auto* other = dynamic_cast<TvxSkinHint*>(main->Components(i)); other && other != this)
          other->active_ = false;
    }
    TakeOverShowHint();
  }
  active_ = active;
}

void TvxSkinHint::ApplicationShowHint(std::wstring& hint, bool& canShow, tk::TApplication::THintInfo& info) {
  if (!active_) return;
  title_.clear();
  imageIndex_ = -1;
  if (auto* skinned = dynamic_cast<TvxSkinControl*>(info.HintControl)) {
    title_ = skinned->HintTitle;
    imageIndex_ = skinned->HintImageIndex;
  }
  if (OnShowHint) OnShowHint(hint, canShow, info);
}

void TvxSkinHint::ShowObjectHint(const std::wstring& text) {
  if (!timer_) return;
  timer_->SetEnabled(false);
  objectText_ = text;
  title_.clear();
  imageIndex_ = -1;
  objectHintShown_ = false;
  timer_->SetInterval(static_cast<unsigned>(std::max(1, tk::Application ? tk::Application->HintPause : 500)));
  timer_->SetEnabled(true);
}

void TvxSkinHint::ObjectHintTimer() {
  if (objectHintShown_) {
    HideObjectHint();
    return;
  }
  timer_->SetEnabled(false);
  if (!window_) return;
  POINT p{};
  GetCursorPos(&p);
  const tk::TRect size = window_->CalcHintRect(0, objectText_);
  window_->ActivateHint(size.Offset(p.x, p.y + CursorDrop()), objectText_);
  objectHintShown_ = true;
  const int hidePause = tk::Application ? tk::Application->HintHidePause : 2500;
  if (hidePause > 0 && timer_) {
    timer_->SetInterval(static_cast<unsigned>(hidePause));
    timer_->SetEnabled(true);
  }
}

void TvxSkinHint::HideObjectHint() {
  if (timer_) timer_->SetEnabled(false);
  objectHintShown_ = false;
  if (window_ && window_->HandleAllocated() && IsWindowVisible(window_->Handle())) window_->ReleaseHint();
  title_.clear();
  imageIndex_ = -1;
}

}  // namespace vx
