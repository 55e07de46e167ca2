#include "Chassis.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "FrameMask.h"
#include "FrameRecords.h"
#include "FrameSizeLimits.h"
#include "vxDib.h"
#include "vxGlowText.h"
#include "vxPixmapDib.h"
#include "vxSkinCtrls.h"
#include "vxSkinDataObjects.h"
#include "vxSkinMenus.h"

namespace vx {
namespace {

using frame::FrameEvent;
using frame::Rect;
using K = frame::FrameEvent::Kind;

// The size of a hover poll tick, and of a morph step (a fifth of the way).
constexpr unsigned kHoverPollMs = 50;
constexpr unsigned kMorphStepMs = 25;
constexpr double kMorphStep = 0.2;

Pixel SysPixel(int index) { return PixelFromColor(GetSysColor(index)); }

frame::DefaultFrameColors SystemFrameColors() {
  frame::DefaultFrameColors c;
  c.btnFace = SysPixel(COLOR_BTNFACE);
  c.btnHighlight = SysPixel(COLOR_BTNHIGHLIGHT);
  c.btnShadow = SysPixel(COLOR_BTNSHADOW);
  c.light3D = SysPixel(COLOR_3DLIGHT);
  c.dkShadow3D = SysPixel(COLOR_3DDKSHADOW);
  c.btnText = SysPixel(COLOR_BTNTEXT);
  return c;
}

// Window coordinates of a screen point.
POINT WindowPoint(HWND h, int screenX, int screenY) {
  RECT r{};
  GetWindowRect(h, &r);
  return {screenX - r.left, screenY - r.top};
}

// The width of a text in the DC's font.
SIZE TextSize(HDC dc, const std::wstring& text) {
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return {r.right - r.left, r.bottom - r.top};
}

// Cuts whole characters off the end until the text and "..." fit the width;
// "..." alone when nothing fits.
std::wstring FitText(HDC dc, std::wstring text, int width) {
  if (TextSize(dc, text).cx <= width) return text;
  while (!text.empty()) {
    text.pop_back();
    // Never leave half of a surrogate pair behind.
    if (!text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
    if (TextSize(dc, text + L"...").cx <= width) break;
  }
  return text + L"...";
}

// Draws `pixels` (strips) onto the window DC at their places.
void BlitStrips(HDC dc, const BorderStrips& s, const Rect& client, int w, int h) {
  auto put = [&](const TvxPixmap& strip, int x, int y) {
    if (strip.Empty()) return;
    if (HDC src = PixmapDC(strip)) BitBlt(dc, x, y, strip.Width(), strip.Height(), src, 0, 0, SRCCOPY);
  };
  put(s.top, 0, 0);
  put(s.left, 0, client.Top);
  put(s.right, w - s.right.Width(), client.Top);
  put(s.bottom, 0, h - s.bottom.Height());
}

// The print requests carry a device context in wParam; anything else is
// ignored rather than drawn into.
bool IsDeviceContext(WPARAM w) {
  if (!w) return false;
  const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(w));
  return type == OBJ_DC || type == OBJ_MEMDC || type == OBJ_METADC || type == OBJ_ENHMETADC;
}

}  // namespace

TvxChassis::TvxChassis(tk::TComponent* owner)
    : tk::TComponent(owner), form_(dynamic_cast<tk::TCustomForm*>(owner)), skinData_(*this) {
  if (!form_) throw tk::EInvalidCast();
  UseSkinnedEditMenus();
  SetDefaultSkinFont(defCaptionFont_, tk::clBtnText, tk::fsBold);
  SetDefaultSkinFont(defInActiveCaptionFont_, tk::clBtnShadow, tk::fsBold);
  SetDefaultSkinFont(defMenuItemFont_, tk::clWindowText);
  hoverTimer_ = new tk::TTimer(this);
  hoverTimer_->SetEnabled(false);
  hoverTimer_->SetInterval(kHoverPollMs);
  hoverTimer_->SetOnTimer([this](tk::TObject*) { HoverPoll(); });
  morphTimer_ = new tk::TTimer(this);
  morphTimer_->SetEnabled(false);
  morphTimer_->SetInterval(kMorphStepMs);
  morphTimer_->SetOnTimer([this](tk::TObject*) { MorphStep(); });
  // The system draws no buttons of its own; the frame's objects are the buttons.
  form_->SetBorderIcons(0);
  form_->SetAutoScroll(false);
  form_->FrameKeepsWindowState = true;
  hook_ = form_->WindowProc.Add([this](tk::TMessage& m, const tk::TWndMethod& next) { Hook(m, next); });
  if (form_->HandleAllocated()) form_->RecreateWnd();
}

TvxChassis::~TvxChassis() {
  if (menuLoopHook_ && tk::Application) tk::Application->RemoveMessageHook(menuLoopHook_);
  SetTrayIcon(nullptr);
  if (quickImages_) quickImages_->UnRegisterChanges(this);
  if (form_) {
    form_->FrameKeepsWindowState = false;
    form_->WindowProc.Remove(hook_);
    if (form_->HandleAllocated() && region_.HasRegion()) region_.Apply(form_->Handle(), nullptr, false);
  }
}

void TvxChassis::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TComponent::Notification(component, operation);
  if (operation != tk::opRemove) return;
  EffectsNotification(component);
  if (component == skinData_.Get()) {
    skinData_.Notification(component, operation);
    if (form_ && !(form_->ComponentState() & tk::csDestroying)) ApplySkinData();
    return;
  }
  skinData_.Notification(component, operation);
  CaptionNotification(component);
  if (component == form_) form_ = nullptr;
  if (component == skinHint_) skinHint_ = nullptr;
}

const TvxSkinData* TvxChassis::Data() const { return skinData_.Get(); }

void TvxChassis::SetSkinData(TvxSkinDataComponent* data) {
  skinData_.Set(data);
  skinnable_ = !data || data->SkinnableForm();
  ApplySkinData();
}

// The form's window may exist while it is still loading (a skin announced to
// it makes one), so the buttons follow the setting at once.
void TvxChassis::SetBorderIcons(TvxBorderIcons icons) {
  borderIcons_ = icons;
  ApplyIcons();
  LayoutObjects();
  if (!Loading()) RepaintFrame();
}

void TvxChassis::SetHideCaptionButtons(bool hide) {
  hideCaptionButtons_ = hide;
  ApplyIcons();
  LayoutObjects();
  if (!Loading()) RepaintFrame();
}

void TvxChassis::SetShowIcon(bool show) {
  showIcon_ = show;
  LayoutObjects();
  RepaintFrame();
}

void TvxChassis::SetDefCaptionFont(const tk::TFont& font) {
  defCaptionFont_.Assign(font);
  if (!skinPresent_ && !Loading()) RepaintFrame();
}

void TvxChassis::SetDefInActiveCaptionFont(const tk::TFont& font) {
  defInActiveCaptionFont_.Assign(font);
  if (!skinPresent_ && !Loading()) RepaintFrame();
}

void TvxChassis::SetLogoBitMap(const TvxPixmap& logo) {
  logo_ = logo;
  if (form_ && form_->HandleAllocated()) InvalidateRect(form_->Handle(), nullptr, TRUE);
}

void TvxChassis::SetLogoBitMapTransparent(bool transparent) {
  logoTransparent_ = transparent;
  if (form_ && form_->HandleAllocated() && !logo_.Empty()) InvalidateRect(form_->Handle(), nullptr, TRUE);
}

void TvxChassis::SetLimit(int& field, int value) {
  field = std::max(0, value);
  if (!Loading()) KeepWithinLimits();
}

void TvxChassis::KeepWithinLimits() {
  if (!form_ || !Skinnable()) return;
  const frame::FrameOptions o = Options();
  const frame::MonitorRects m = Monitor();
  const int w = std::clamp(form_->Width(), frame::MinFrameWidth(skin_, o, m, Sizes()), frame::MaxFrameWidth(o, m));
  const int h = std::clamp(form_->Height(), frame::MinFrameHeight(skin_, o, m, Sizes()), frame::MaxFrameHeight(o, m));
  if (w != form_->Width() || h != form_->Height()) form_->SetBounds(form_->Left(), form_->Top(), w, h);
}

void TvxChassis::SetClientWidth(int v) {
  clientWidth_ = v;
  if (v > 0 && form_ && !Loading() && !states_.RolledUp()) form_->SetClientWidth(v);
}

void TvxChassis::SetClientHeight(int v) {
  clientHeight_ = v;
  if (v > 0 && form_ && !Loading() && !states_.RolledUp()) form_->SetClientHeight(v);
}

bool TvxChassis::IsFrameActive() const { return form_ && form_->Active(); }

frame::FrameOptions TvxChassis::Options() const {
  frame::FrameOptions o;
  const tk::TFormBorderStyle b = form_->BorderStyle();
  o.hasBorder = b != tk::bsNone;
  o.toolWindow = b == tk::bsToolWindow || b == tk::bsSizeToolWin;
  o.sizeableStyle = b == tk::bsSizeable || b == tk::bsSizeToolWin;
  o.alwaysResize = alwaysResize_;
  o.minWidth = minWidth_;
  o.minHeight = minHeight_;
  o.maxWidth = maxWidth_;
  o.maxHeight = maxHeight_;
  o.maximizeOnFullScreen = MaximizeOnFullScreen;
  return o;
}

frame::MonitorRects TvxChassis::Monitor() const {
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  HMONITOR mon = form_->HandleAllocated() ? MonitorFromWindow(form_->Handle(), MONITOR_DEFAULTTONEAREST)
                                          : MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  if (!GetMonitorInfoW(mon, &mi)) {
    const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {screen, screen};
  }
  return {{mi.rcMonitor.left, mi.rcMonitor.top, mi.rcMonitor.right, mi.rcMonitor.bottom},
          {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom}};
}

frame::SizeState TvxChassis::Sizes() const { return states_.Sizes(); }

void TvxChassis::WindowSize(int& w, int& h) const {
  w = width_ > 0 ? width_ : form_->Width();
  h = height_ > 0 ? height_ : form_->Height();
}

// ---- skin ----

void TvxChassis::ApplyIcons() {
  frame::BorderIconOptions bi;
  bi.icons = borderIcons_;
  bi.hideCaptionButtons = hideCaptionButtons_;
  bi.disableSystemMenu = DisableSystemMenu;
  if (OnActivateCustomObject)
    bi.activateCustomObject = [this](const std::string& name) {
      bool visible = false;
      OnActivateCustomObject(name, visible);
      return visible;
    };
  frame::ApplyBorderIcons(mouse_.Objects(), bi);
  ApplyObjectHints();
}

void TvxChassis::LayoutObjects() {
  if (!form_) return;
  int w, h;
  WindowSize(w, h);
  frame::CaptionButtonOptions cb;
  cb.showIcon = showIcon_;
  cb.smallIconWidth = GetSystemMetrics(SM_CXSMICON);
  cb.smallIconHeight = GetSystemMetrics(SM_CYSMICON);
  if (skinPresent_) {
    geometry_ = frame::UpdateFrameGeometry(skin_, w, h);
    frame::LayoutCaptionButtons(mouse_.Objects(), skin_, geometry_, cb);
  } else {
    if (mouse_.Objects().empty()) {
      mouse_.SetObjects(frame::CreateDefaultButtons());
      ApplyIcons();
    }
    defaultCaptionArea_ = frame::LayoutDefaultButtons(mouse_.Objects(), w, Options(), cb);
  }
}

void TvxChassis::ApplySkinData() {
  if (!form_) return;
  const TvxSkinData* data = Data();
  skinPresent_ = data && !data->Empty();
  skin_ = skinPresent_ ? frame::FrameSkinFromSkinData(*data) : frame::FrameSkin{};
  skinPresent_ = skin_.present;
  stripCache_.Clear();
  if (skinPresent_ && skinnable_) {
    mouse_.SetObjects(frame::CreateFrameObjects(frame::ObjectRecordsFromSkinData(*data)));
  } else {
    mouse_.SetObjects({});
  }
  ApplyIcons();
  form_->FrameKeepsWindowState = skinnable_;
  if (form_->BorderIcons() != 0) form_->SetBorderIcons(0);
  width_ = form_->Width();
  height_ = form_->Height();
  if (!form_->HandleAllocated()) {
    LayoutObjects();
    return;
  }
  // The non-client area changes with the skin: the system asks for it again.
  FrameChanged();
  KeepWithinLimits();
  CaptionActivity();
  AfterResize();
  InvalidateRect(form_->Handle(), nullptr, TRUE);
  if (!Loading() && OnChangeSkinData) OnChangeSkinData(this);
  if (!states_.RolledUp()) {
    if (clientWidth_ > 0) form_->SetClientWidth(clientWidth_);
    if (clientHeight_ > 0) form_->SetClientHeight(clientHeight_);
  }
}

void TvxChassis::FrameChanged() {
  if (!form_->HandleAllocated()) return;
  SetWindowPos(form_->Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TvxChassis::AfterResize() {
  if (!form_) return;
  LayoutObjects();
  UpdateWindowRegion();
  RepaintFrame();
}

void TvxChassis::UpdateWindowRegion() {
  if (!form_ || !form_->HandleAllocated()) return;
  HWND h = form_->Handle();
  int w, hgt;
  WindowSize(w, hgt);
  frame::RegionState rs;
  rs.skinnable = skinnable_;
  rs.rolledUpOrMinimized = states_.RolledUp() || states_.State() == frame::TvxFrameWindowState::Minimized;
  // A region is rebuilt only when something it is made from changed.
  const TvxSkinData* data = Data();
  const RegionKey key{w, hgt, skinPresent_, skinnable_, rs.rolledUpOrMinimized,
                      skinPresent_ && data ? data->Generation() : 0};
  if (key == regionKey_ && region_.HasRegion()) return;
  regionKey_ = key;
  const frame::WindowRegionPlan plan = frame::PlanWindowRegion(skin_, Options(), geometry_, rs);
  if (plan.clearStrips) maskStrips_ = {};
  switch (plan.kind) {
    case frame::WindowRegionPlan::Kind::None:
      if (region_.HasRegion()) region_.Apply(h, nullptr);
      return;
    case frame::WindowRegionPlan::Kind::Rectangle:
      region_.Apply(h, CreateRectRgn(plan.rect.Left, plan.rect.Top, plan.rect.Right, plan.rect.Bottom));
      return;
    case frame::WindowRegionPlan::Kind::MaskStrips: {
      maskStrips_ = frame::CutFrameMaskStrips(data->MaskPicture, skin_, geometry_);
      const auto sized = frame::FrameMaskRegion(data->MaskPicture, skin_, geometry_);
      HRGN rgn = sized ? SizedRegionHandle(*sized) : nullptr;
      // A window too low for the mask's corners (a caption bar) stays a
      // rectangle, as the previews show it.
      if (!rgn) rgn = CreateRectRgn(0, 0, w, hgt);
      region_.Apply(h, rgn);
      return;
    }
  }
}

// ---- messages ----

void TvxChassis::Hook(tk::TMessage& m, const tk::TWndMethod& next) {
  if (!form_) return next(m);
  if (MenuMessage(m)) return;
  const bool skinnable = Skinnable();
  HintMessage(m);
  switch (m.Msg) {
    case WM_NCCALCSIZE:
      if (!skinnable) break;
      CalcSize(m);
      return;
    case WM_NCHITTEST:
      if (!skinnable) break;
      HitTest(m);
      return;
    case WM_NCPAINT:
      if (!skinnable) break;
      PaintFrame();
      m.Result = 0;
      return;
    case WM_NCACTIVATE:
      if (!skinnable) break;
      Activation(m);
      EffectsActivation(m.WParam != 0);
      return;
    case WM_ACTIVATE:
      next(m);
      if (!skinnable) return;
      // The activity the hit tests see: an inactive window's objects never
      // light up, and an activated one's react at once.
      mouse_.Env().frameActive = IsFrameActive();
      mouse_.ResetObjects();
      CaptionActivity();
      RepaintFrame();
      return;
    case WM_SETTEXT:
      if (!skinnable) break;
      SetText(m, next);
      return;
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return;
    case WM_GETMINMAXINFO:
      next(m);
      if (skinnable) MinMaxInfo(reinterpret_cast<MINMAXINFO*>(m.LParam));
      return;
    case WM_SYNCPAINT:
      if (!skinnable || !states_.RolledUp()) break;
      RepaintFrame();
      m.Result = 0;
      return;
    case WM_SIZE:
      if (m.WParam == SIZE_MAXIMIZED && skinnable) {
        SystemMaximized();
        m.Result = 0;
        return;
      }
      next(m);
      // During a live resize the frame already follows WM_SIZING.
      if (!(sizeMoveLoop_ && fullDrag_)) {
        magnetic_.ClearStuck();
        SizeChanged();
      } else if (!logo_.Empty()) {
        InvalidateRect(form_->Handle(), nullptr, TRUE);
      }
      EffectsSized();
      return;
    case WM_ENTERSIZEMOVE:
    case WM_SIZING:
    case WM_MOVING:
    case WM_EXITSIZEMOVE:
      if (!skinnable) break;
      SizeMove(m, next);
      return;
    case WM_SHOWWINDOW:
      next(m);
      if (m.WParam) {
        frame::FrameOptions o;
        frame::MonitorRects mon;
        RunStateActions(states_.Shown(StateEnvNow(o, mon)));
        if (skinnable) ForceRelayout();
      }
      EffectsShowWindow(m.WParam != 0);
      return;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) == SC_RESTORE && OnRestore) OnRestore(this);
      break;
    case WM_SETCURSOR:
      if (skinnable && UseFormCursorInNCArea) {
        const int code = LOWORD(m.LParam);
        if (code != HTCLIENT && !(code >= HTLEFT && code <= HTBOTTOMRIGHT))
          m.LParam = MAKELPARAM(HTCLIENT, HIWORD(m.LParam));
      }
      break;
    case WM_CREATE:
      next(m);
      // Until the window exists the form measures its client area with the
      // platform's frame; with ours in place it gets the client size it was
      // designed with, once.
      if (!designedSizeApplied_) {
        designedSizeApplied_ = true;
        form_->ApplyDesignedClientSize();
      }
      ApplySkinData();
      return;
    case WM_TIMER:
      EffectsTimer(m.WParam);
      break;
    case WM_DESTROY:
      hoverTimer_->SetEnabled(false);
      morphTimer_->SetEnabled(false);
      if (animationTimer_) animationTimer_->SetEnabled(false);
      break;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
      next(m);
      if (skinnable) Mouse(m);
      return;
    case kFrameQueryMessage:
      m.Result = skinnable ? kFrameQuerySkinnable : kFrameQueryPlain;
      return;
    case kFramePrintMessage:
      if (!skinnable) break;
      if (IsDeviceContext(m.WParam)) PaintFrame(reinterpret_cast<HDC>(m.WParam));
      m.Result = kFramePrinted;
      return;
    case kFramePrintMessage2:
      if (!skinnable || m.LParam != kFramePrintKey) break;
      if (IsDeviceContext(m.WParam)) PaintFrame(reinterpret_cast<HDC>(m.WParam));
      m.Result = kFramePrintKey;
      return;
    default:
      if (m.Msg == WM_SKIN_BEFORE_CHANGE || m.Msg == WM_SKIN_CHANGED || m.Msg == WM_SKIN_AFTER_CHANGE ||
          m.Msg == WM_SKIN_SKINNABLE_CHANGED) {
        SkinMessage(m, next);
        return;
      }
      break;
  }
  next(m);
}

void TvxChassis::CalcSize(tk::TMessage& m) {
  RECT* r = m.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0] : reinterpret_cast<RECT*>(m.LParam);
  if (!r) return;
  const Rect c = frame::CalcClientRect({r->left, r->top, r->right, r->bottom}, skin_, Options());
  *r = {c.Left, c.Top, c.Right, c.Bottom};
  m.Result = 0;
}

void TvxChassis::HitTest(tk::TMessage& m) {
  HWND h = form_->Handle();
  const POINT p = WindowPoint(h, GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  RECT wr{};
  GetWindowRect(h, &wr);
  const int w = wr.right - wr.left, hgt = wr.bottom - wr.top;
  const frame::FrameOptions o = Options();
  frame::HitTestInput in;
  in.skin = &skin_;
  in.options = &o;
  frame::FrameGeometry g = geometry_;
  if (skinPresent_ && (g.width != w || g.height != hgt)) g = frame::UpdateFrameGeometry(skin_, w, hgt);
  in.geometry = skinPresent_ ? &g : nullptr;
  in.objects = &mouse_.Objects();
  in.strips = skin_.hasMask ? &maskStrips_ : nullptr;
  in.defaultCaptionArea = defaultCaptionArea_;
  in.state.rolledUp = states_.RolledUp();
  in.state.minimized = states_.State() == frame::TvxFrameWindowState::Minimized;
  in.state.maximized = states_.State() == frame::TvxFrameWindowState::Maximized;
  in.state.sizeMoveLoop = sizeMoveLoop_;
  in.state.objectHot = mouse_.Hot() >= 0;
  in.quickButtons = QuickStrip();
  const frame::HitCode code = frame::HitTestFrame(in, p.x, p.y, w, hgt);
  m.Result = static_cast<int>(code);
  if (code == frame::HitCode::Object) RunEvents(mouse_.ObjectHit(p.x, p.y));
}

void TvxChassis::Activation(tk::TMessage& m) {
  if (m.WParam == 0) RunEvents(mouse_.Deactivated());
  // The platform's own handling would paint its caption over ours.
  m.Result = 1;
  CaptionActivity();
  RepaintFrame();
}

// The caption takes the frame's activity (the caller repaints the frame once
// for everything that changed), and the activation events fire.
void TvxChassis::CaptionActivity() {
  const bool a = IsFrameActive();
  frame::FrameObjectList& objects = mouse_.Objects();
  const int caption = frame::FirstCaptionIndex(objects);
  if (caption >= 0 && objects[caption].Active != a) {
    objects[caption].Active = a;
    CaptionActiveChanged();
  }
  if (a) {
    if (OnActivate) OnActivate(this);
  } else if (OnDeActivate) {
    OnDeActivate(this);
  }
}

void TvxChassis::SetText(tk::TMessage& m, const tk::TWndMethod& next) {
  // The platform paints its own caption while it stores the text; with the
  // window marked invisible for that moment it paints nothing.
  HWND h = form_->Handle();
  const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
  if (style & WS_VISIBLE) SetWindowLongPtrW(h, GWL_STYLE, style & ~WS_VISIBLE);
  next(m);
  if (style & WS_VISIBLE) SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) | WS_VISIBLE);
  RepaintFrame();
}

void TvxChassis::MinMaxInfo(MINMAXINFO* info) {
  if (!info) return;
  const frame::FrameOptions o = Options();
  const frame::MonitorRects mon = Monitor();
  info->ptMinTrackSize = {frame::MinFrameWidth(skin_, o, mon, Sizes()), frame::MinFrameHeight(skin_, o, mon, Sizes())};
  info->ptMaxTrackSize = {frame::MaxFrameWidth(o, mon), frame::MaxFrameHeight(o, mon)};
}

void TvxChassis::SizeChanged() {
  // The window's own rectangle: a size set by anyone but the form (another
  // process, the platform's sizing loop) reaches the form's bounds later.
  RECT r{};
  GetWindowRect(form_->Handle(), &r);
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
  // The logo stays centred.
  if (!logo_.Empty()) InvalidateRect(form_->Handle(), nullptr, TRUE);
  if (!Skinnable()) return;
  if (skinPresent_) {
    const frame::FrameOptions o = Options();
    const frame::MonitorRects mon = Monitor();
    if (width_ < frame::MinFrameWidth(skin_, o, mon, Sizes()) || height_ < frame::MinFrameHeight(skin_, o, mon, Sizes()))
      return;
  }
  AfterResize();
}

// The platform maximized the window (ShowWindow from anyone, a taskbar menu,
// a key of the shell) to its own size, which ignores the frame's rule and
// would leave the frame's state, region and buttons behind. The frame keeps
// the window state itself: the platform's maximized state is taken back at
// once, and the window is maximized the frame's way when the frame offers a
// maximize (as its button and system menu do), else it stays as it was.
void TvxChassis::SystemMaximized() {
  HWND h = form_->Handle();
  WINDOWPLACEMENT wp{};
  wp.length = sizeof(wp);
  if (GetWindowPlacement(h, &wp)) {
    wp.flags = 0;
    wp.showCmd = SW_SHOWNOACTIVATE;
    SetWindowPlacement(h, &wp);
  }
  if (IsZoomed(h)) ShowWindow(h, SW_SHOWNOACTIVATE);
  if (borderIcons_ & frame::biMaximize) SetFrameWindowState(frame::TvxFrameWindowState::Maximized);
  else SizeChanged();
}

void TvxChassis::SkinMessage(tk::TMessage& m, const tk::TWndMethod& next) {
  const bool ours = SkinMessageFrom(m.WParam, Data());
  if (m.Msg == WM_SKIN_BEFORE_CHANGE && ours) {
    skinChanging_ = true;
    skinPresent_ = false;
    hoverTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
    mouse_.SetObjects({});
    stripCache_.Clear();
    if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
  } else if (m.Msg == WM_SKIN_CHANGED) {
    skinChanging_ = false;
    if (ours) ApplySkinData();
  } else if (m.Msg == WM_SKIN_AFTER_CHANGE && ours) {
    if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
  } else if (m.Msg == WM_SKIN_SKINNABLE_CHANGED && ours) {
    skinnable_ = Data()->SkinnableForm();
    FrameChanged();
    ApplySkinData();
  }
  next(m);
}

// ---- painting ----

void TvxChassis::RepaintFrame() {
  if (!form_ || !form_->HandleAllocated() || !IsWindowVisible(form_->Handle())) return;
  PaintFrame();
}

std::wstring TvxChassis::CaptionText() const { return form_->Caption(); }

void TvxChassis::PaintFrame(HDC target) {
  if (!form_ || !form_->HandleAllocated() || !Skinnable()) return;
  HWND h = form_->Handle();
  RECT wr{};
  GetWindowRect(h, &wr);
  int w = wr.right - wr.left, hgt = wr.bottom - wr.top;
  if (sizeMoveLoop_ && fullDrag_ && resizedInLoop_) {
    // A live resize lays the frame out for the proposed size before the
    // window has it.
    WindowSize(w, hgt);
  } else {
    width_ = w;
    height_ = hgt;
  }
  BorderStrips defaultStrips;
  const BorderStrips* strips = &defaultStrips;
  Rect client;
  if (skinPresent_) {
    const frame::FrameOptions o = Options();
    const frame::MonitorRects mon = Monitor();
    if (w < frame::MinFrameWidth(skin_, o, mon, Sizes()) || hgt < frame::MinFrameHeight(skin_, o, mon, Sizes())) return;
    LayoutObjects();
    client = geometry_.client;
    strips = &frame::ComposeSkinFrame(
        *Data(), skin_, geometry_, mouse_.Objects(), IsFrameActive(), stripCache_,
        [this](TvxPixmap& strip, const frame::FrameObject& o, const Rect& r, bool active) {
          if (o.kind == frame::ObjectKind::Caption) {
            DrawSkinCaptionText(strip, o, r, active);
          } else if (o.kind == frame::ObjectKind::UserObject && OnPaintEvent) {
            if (HDC dc = PixmapDC(strip)) {
              tk::TCanvas canvas;
              canvas.SetHandle(dc);
              OnPaintEvent(o.IDName, canvas, {r.Left, r.Top, r.Right, r.Bottom});
              canvas.SetHandle(nullptr);
              GdiFlush();
            }
          }
        },
        InEffect(), QuickButtonsForPaint());
  } else {
    // Nothing is painted while a new skin is being loaded: the old frame
    // stays on screen until the new one is in.
    if (skinChanging_) return;
    ComposeDefault(defaultStrips, client);
  }
  HDC dc = target ? target : GetWindowDC(h);
  if (!dc) return;
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
  BlitStrips(dc, *strips, client, w, hgt);
  RestoreDC(dc, saved);
  if (!target) ReleaseDC(h, dc);
}

void TvxChassis::ComposeDefault(BorderStrips& strips, Rect& client) {
  LayoutObjects();
  const int ch = frame::DefaultCaptionHeight(Options());
  client = {3, ch + 3, std::max(3, width_ - 3), std::max(ch + 3, height_ - 3)};
  frame::ComposeDefaultFrame(width_, height_, ch, defaultCaptionArea_, mouse_.Objects(), IsFrameActive(),
                             SystemFrameColors(),
                             [this](TvxPixmap& top, const Rect& area, bool active) {
                               DrawDefaultCaptionText(top, area, active);
                             },
                             strips, InEffect());
}

void TvxChassis::DrawDefaultCaptionText(TvxPixmap& top, const Rect& area, bool active) {
  HDC dc = PixmapDC(top);
  if (!dc) return;
  const int ch = frame::DefaultCaptionHeight(Options());
  // The caption bar's own coordinates start at (3, 3) of the window.
  if (OnCaptionPaint) {
    tk::TCanvas canvas;
    canvas.SetHandle(dc);
    SetViewportOrgEx(dc, 3, 3, nullptr);
    OnCaptionPaint(canvas, {area.Left - 3, 0, area.Right - 3, ch}, active);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    canvas.SetHandle(nullptr);
    return;
  }
  const std::wstring caption = CaptionText();
  if (caption.empty()) return;
  tk::TFont& font = active ? defCaptionFont_ : defInActiveCaptionFont_;
  HGDIOBJ old = SelectObject(dc, font.Handle());
  const int width = area.Width() + 3;
  const std::wstring text = FitText(dc, caption, width);
  const SIZE size = TextSize(dc, text);
  const int x = 3 + (area.Left - 3) + width / 2 - (size.cx + 5) / 2;
  const int y = 3 + ch / 2 - size.cy / 2;
  RECT back{x - 2, y - 2, x + size.cx + 2, y + size.cy + 2};
  FillRect(dc, &back, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, tk::ColorToRGB(font.Color()));
  RECT r{x, y, x + size.cx, y + size.cy};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
  SelectObject(dc, old);
  GdiFlush();
}

void TvxChassis::DrawSkinCaptionText(TvxPixmap& strip, const frame::FrameObject& o, const Rect& rect, bool active) {
  HDC dc = PixmapDC(strip);
  if (!dc) return;
  if (OnCaptionPaint) {
    tk::TCanvas canvas;
    canvas.SetHandle(dc);
    OnCaptionPaint(canvas, {rect.Left, rect.Top, rect.Right, rect.Bottom}, active);
    canvas.SetHandle(nullptr);
    GdiFlush();
    return;
  }
  const TvxSkinData* data = Data();
  const auto* rec = data ? dynamic_cast<const TvxDataSkinCaption*>(data->FindObject(o.IDName)) : nullptr;
  const std::wstring caption = CaptionText();
  if (!rec || caption.empty()) return;
  const Rect tr = frame::ClampFrameCoords(Rect{rec->textrect.Left, rec->textrect.Top, rec->textrect.Right,
                                               rec->textrect.Bottom});
  if (tr.IsEmpty()) return;
  const int skinWidth = rec->skinrect.Right - rec->skinrect.Left;
  Rect t{tr.Left, tr.Top, rect.Width() + tr.Right - skinWidth, tr.Bottom};
  const int quickIndent = QuickTextIndent();
  t.Left += quickIndent;
  const Rect frameRect{rec->framerect.Left, rec->framerect.Top, rec->framerect.Right, rec->framerect.Bottom};
  if (!frameRect.IsEmpty()) {
    t.Left += rec->frametextrect.Left;
    t.Top += rec->frametextrect.Top;
    t.Right += rec->frametextrect.Right - frameRect.Width();
  }
  tk::TFont font;
  font.Assign(defCaptionFont_);
  font.SetName(tk::Utf8ToWide(rec->fontname));
  font.SetHeight(rec->fontheight);
  font.SetStyle(rec->fontstyle);
  const COLORREF colour = static_cast<COLORREF>(active ? rec->activefontcolor : rec->fontcolor) & 0xFFFFFF;
  HGDIOBJ old = SelectObject(dc, font.Handle());
  const std::wstring text = FitText(dc, caption, std::max(0, t.Width()));
  const SIZE size = TextSize(dc, text);
  SelectObject(dc, old);
  int x = t.Left;
  // Text beside quick buttons is always centred.
  if (rec->alignment == TvxAlignment::taCenter || quickIndent > 0) x = t.Left + t.Width() / 2 - size.cx / 2;
  else if (rec->alignment == TvxAlignment::taRightJustify) x = t.Right - size.cx;
  int y = t.Top + t.Height() / 2 - size.cy / 2;
  x += rect.Left;
  y += rect.Top;
  TvxTextStyle style;
  style.font = font.Handle();
  style.colour = colour;
  style.format = DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER;
  const int len = static_cast<int>(text.size());
  auto plain = [&](int px, int py, COLORREF c) {
    RECT r{px, py, px + size.cx, py + size.cy};
    DrawTextOn(strip, r, text.c_str(), len, style.font, c, style.format);
  };
  if (rec->light) plain(x - 1, y - 1, static_cast<COLORREF>(active ? rec->activelightcolor : rec->lightcolor));
  if (rec->shadow) plain(x + 1, y + 1, static_cast<COLORREF>(active ? rec->activeshadowcolor : rec->shadowcolor));
  const RECT r{x, y, x + size.cx, y + size.cy};
  if (rec->reflectioneffect) {
    style.colour = static_cast<COLORREF>(active ? rec->reflactionactivecolor : rec->reflactioncolor);
    DrawReflectedText(strip, r, text, style);
  } else if (rec->vistagloweffect && (active || rec->vistaglowinactiveeffect)) {
    DrawSoftGlowText(strip, r, text, style, static_cast<COLORREF>(active ? rec->glowactivecolor : rec->glowcolor),
                     kCaptionSoftGlow);
  } else if (rec->gloweffect && (active || rec->glowinactiveeffect)) {
    DrawGlowText(strip, r, text, rec->glowsize, static_cast<COLORREF>(active ? rec->glowactivecolor : rec->glowcolor),
                 rec->glowoffset, style);
  } else {
    plain(x, y, colour);
  }
}

void TvxChassis::EraseBackground(HDC dc) {
  if (!dc || !form_) return;
  RECT cr{};
  GetClientRect(form_->Handle(), &cr);
  const TvxSkinData* data = Data();
  const frame::ClientTile tile = skinPresent_ && data ? frame::ClientBackgroundTile(*data) : frame::ClientTile{};
  if (!tile.picture) {
    FillRect(dc, &cr, GetSysColorBrush(COLOR_BTNFACE));
    // A skin without a client part shows the plain face and nothing else;
    // the default look has its logo.
    if (!skinPresent_) DrawLogo(dc, cr);
    return;
  }
  // No client area (a caption bar): a stretched tile would land on the
  // device context outside it, in a print request's picture for one.
  if (cr.right <= 0 || cr.bottom <= 0) return;
  // The tile lives in a picture of its own, so it can be blitted.
  if (clientTileGeneration_ != data->Generation() || clientTile_.Empty()) {
    clientTile_.SetSize(tile.source.Width(), tile.source.Height());
    CopyRect(*tile.picture, {tile.source.Left, tile.source.Top, tile.source.Right, tile.source.Bottom}, clientTile_,
             {0, 0, clientTile_.Width(), clientTile_.Height()});
    clientTileGeneration_ = data->Generation();
  }
  HDC src = PixmapDC(clientTile_);
  if (!src) return;
  const int tw = clientTile_.Width(), th = clientTile_.Height();
  int w, h;
  WindowSize(w, h);
  if (!tile.stretch) {
    for (int y = 0; y < cr.bottom; y += th)
      for (int x = 0; x < cr.right; x += tw) BitBlt(dc, x, y, tw, th, src, 0, 0, SRCCOPY);
    DrawLogo(dc, cr);
    return;
  }
  SetStretchBltMode(dc, COLORONCOLOR);
  switch (tile.type) {
    case TvxStretchType::stFull:
      StretchBlt(dc, 0, 0, w, h, src, 0, 0, tw, th, SRCCOPY);
      break;
    case TvxStretchType::stHorz:
      for (int x = 0; x < cr.right; x += tw) StretchBlt(dc, x, 0, tw, h, src, 0, 0, tw, th, SRCCOPY);
      break;
    case TvxStretchType::stVert:
      for (int y = 0; y < cr.bottom; y += th) StretchBlt(dc, 0, y, w, th, src, 0, 0, tw, th, SRCCOPY);
      break;
  }
  DrawLogo(dc, cr);
}

void TvxChassis::DrawLogo(HDC dc, const RECT& client) {
  if (logo_.Empty()) return;
  HDC src = PixmapDC(logo_);
  if (!src) return;
  const int w = logo_.Width(), h = logo_.Height();
  const int x = std::max<int>(0, (client.right - w) / 2), y = std::max<int>(0, (client.bottom - h) / 2);
  if (logoTransparent_) {
    const COLORREF key = ColorFromPixel(logo_.At(0, h - 1));
    GdiTransparentBlt(dc, x, y, w, h, src, 0, 0, w, h, key);
  } else {
    BitBlt(dc, x, y, w, h, src, 0, 0, SRCCOPY);
  }
}

// ---- the mouse over the frame ----

void TvxChassis::Mouse(tk::TMessage& m) {
  HWND h = form_->Handle();
  frame::FrameMouseEnv& env = mouse_.Env();
  env.frameActive = IsFrameActive();
  env.rolledUp = states_.RolledUp();
  env.minimized = states_.State() == frame::TvxFrameWindowState::Minimized;
  env.maximized = states_.State() == frame::TvxFrameWindowState::Maximized;
  POINT p{};
  const bool clientMessage = m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MOUSEMOVE;
  if (clientMessage) {
    if (m.Msg == WM_MOUSEMOVE) {
      // Only while a caption button holds the mouse: the pointer leaving and
      // coming back shows in its look at once.
      if (mouse_.Captured() < 0) return;
      GetCursorPos(&p);
      const POINT wp = WindowPoint(h, p.x, p.y);
      RunEvents(mouse_.TrackHotObject(wp.x, wp.y, true));
      return;
    }
    RunEvents(mouse_.ClientButtonUp(m.Msg == WM_LBUTTONUP ? frame::MouseButton::Left : frame::MouseButton::Right));
    return;
  }
  p = WindowPoint(h, GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  const bool onCaption = m.WParam == HTCAPTION;
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      RunEvents(mouse_.TrackHotObject(p.x, p.y, true));
      RunEvents(mouse_.NcMouseMove(p.x, p.y));
      break;
    case WM_NCLBUTTONDOWN:
      RunEvents(mouse_.NcButtonDown(frame::MouseButton::Left, p.x, p.y, onCaption));
      break;
    case WM_NCRBUTTONDOWN:
      RunEvents(mouse_.NcButtonDown(frame::MouseButton::Right, p.x, p.y, onCaption));
      break;
    case WM_NCLBUTTONUP:
      RunEvents(mouse_.NcButtonUp(frame::MouseButton::Left, p.x, p.y));
      break;
    case WM_NCRBUTTONUP:
      RunEvents(mouse_.NcButtonUp(frame::MouseButton::Right, p.x, p.y));
      break;
    case WM_NCLBUTTONDBLCLK: {
      RunEvents(mouse_.NcButtonDblClk(frame::MouseButton::Left, p.x, p.y, onCaption));
      if (onCaption) {
        frame::FrameOptions o;
        frame::MonitorRects mon;
        RunStateActions(states_.CaptionDoubleClick(StateEnvNow(o, mon)));
      }
      break;
    }
    case WM_NCRBUTTONDBLCLK:
      RunEvents(mouse_.NcButtonDblClk(frame::MouseButton::Right, p.x, p.y, onCaption));
      break;
    default:
      break;
  }
}

void TvxChassis::HoverPoll() {
  if (!form_ || !form_->HandleAllocated()) return;
  HWND h = form_->Handle();
  POINT p{};
  GetCursorPos(&p);
  const POINT wp = WindowPoint(h, p.x, p.y);
  mouse_.Env().frameActive = IsFrameActive();
  RunEvents(mouse_.HoverPollTick(WindowFromPoint(p) == h, wp.x, wp.y, geometry_.client));
}

bool TvxChassis::Morphs(const frame::FrameObject& o) const {
  frame::ObjectLook look;
  look.effects = skinPresent_ && Data() && Data()->EnableSkinEffects;
  return frame::MorphApplies(o, look);
}

void TvxChassis::MorphStep() {
  bool stepped = false;
  for (frame::FrameObject& o : mouse_.Objects()) {
    if (!Morphs(o)) continue;
    const double target = o.Active ? 1.0 : 0.0;
    if (o.morph == target) continue;
    o.morph = o.morph < target ? std::min(target, o.morph + kMorphStep) : std::max(target, o.morph - kMorphStep);
    // Exact ends, so that a finished morph shows the plain image.
    if (std::abs(o.morph - target) < 1e-9) o.morph = target;
    stepped = true;
  }
  if (stepped) RepaintFrame();
  else morphTimer_->SetEnabled(false);
}

void TvxChassis::RunEvents(const frame::FrameEvents& events) {
  CaptionObjectEvents(events);
  bool repaint = false;
  // A handler may change the skin (a new object list) or free the form: the
  // object is looked up again by its index for every event.
  auto named = [this](const FrameEvent& e, const TvxObjectEvent& handler) {
    const frame::FrameObjectList& list = mouse_.Objects();
    if (handler && e.object >= 0 && e.object < static_cast<int>(list.size())) {
      const std::string name = list[e.object].IDName;
      handler(name);
    }
  };
  for (const FrameEvent& e : events) {
    if (!form_ || !form_->HandleAllocated()) return;
    HWND h = form_->Handle();
    switch (e.kind) {
      case K::Redraw: {
        frame::FrameObjectList& list = mouse_.Objects();
        if (e.object >= 0 && e.object < static_cast<int>(list.size()) && Morphs(list[e.object])) {
          // A pressed button jumps to its active look; the rest fade.
          if (list[e.object].Down) list[e.object].morph = 1;
          morphTimer_->SetEnabled(true);
        }
        repaint = true;
        break;
      }
      case K::MouseEnter: named(e, OnMouseEnterEvent); break;
      case K::MouseLeave: named(e, OnMouseLeaveEvent); break;
      case K::MouseDown: named(e, OnMouseDownEvent); break;
      case K::MouseUp: named(e, OnMouseUpEvent); break;
      case K::MouseMove: named(e, OnMouseMoveEvent); break;
      case K::SetCapture: SetCapture(h); break;
      case K::ReleaseCapture:
        if (GetCapture() == h) ReleaseCapture();
        break;
      case K::ShowHint:
        if (e.object >= 0 && e.object < static_cast<int>(mouse_.Objects().size()))
          ShowObjectHintText(mouse_.Objects()[e.object].hint);
        break;
      case K::HideHint: HideObjectHint(); break;
      case K::StartHoverPoll: hoverTimer_->SetEnabled(true); break;
      case K::StopHoverPoll: hoverTimer_->SetEnabled(false); break;
      case K::CloseForm: form_->Close(); return;
      case K::SystemMenu:
        if (repaint) RepaintFrame();
        if (e.object < 0) {
          if (DisableSystemMenu) return;
          POINT p{};
          GetCursorPos(&p);
          PopupSystemMenu(p.x, p.y);
        } else if (e.object < static_cast<int>(mouse_.Objects().size())) {
          const frame::Rect o = mouse_.Objects()[e.object].rect;
          RECT w{};
          GetWindowRect(h, &w);
          PopupSystemMenu(RECT{w.left + o.Left, w.top + o.Top, w.left + o.Right, w.top + o.Bottom});
        }
        return;
      case K::Command:
        if (repaint) RepaintFrame();
        // A command can close the form, resize it or change the skin's
        // objects: the rest of the list may name objects that are gone.
        RunCommand(e.command);
        return;
      default: break;
    }
  }
  if (repaint) RepaintFrame();
}

// ---- window states ----

frame::CommandsInEffect TvxChassis::InEffect() const {
  frame::CommandsInEffect e;
  e.minimized = states_.State() == frame::TvxFrameWindowState::Minimized;
  e.maximized = states_.State() == frame::TvxFrameWindowState::Maximized;
  e.rolledUp = states_.RolledUp();
  return e;
}

frame::StateEnv TvxChassis::StateEnvNow(frame::FrameOptions& options, frame::MonitorRects& monitor) const {
  options = Options();
  monitor = Monitor();
  frame::StateEnv env;
  env.skin = &skin_;
  env.options = &options;
  env.monitor = monitor;
  env.screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (form_->HandleAllocated()) {
    RECT r{};
    GetWindowRect(form_->Handle(), &r);
    env.bounds = {r.left, r.top, r.right, r.bottom};
  } else {
    env.bounds = frame::RectOfSize(form_->Left(), form_->Top(), form_->Width(), form_->Height());
  }
  env.isMainForm = tk::Application && tk::Application->MainForm() == form_;
  env.skinnable = Skinnable();
  env.icons = borderIcons_;
  env.clientHeightProperty = clientHeight_;
  env.position = PositionInMonitor;
  // Caption bars of the other minimized skinned forms on the screen.
  if (tk::Screen) {
    for (int i = 0; i < tk::Screen->FormCount(); ++i) {
      tk::TCustomForm* other = tk::Screen->Forms(i);
      if (other == form_ || !other->HandleAllocated() || !IsWindowVisible(other->Handle())) continue;
      if (tk::Application && other == tk::Application->MainForm()) continue;
      const TvxChassis* c = FindChassis(other);
      if (!c || c->WindowState() != frame::TvxFrameWindowState::Minimized) continue;
      RECT r{};
      GetWindowRect(other->Handle(), &r);
      env.minimizedPlaces.push_back({r.left, r.top});
    }
  }
  return env;
}

void TvxChassis::SetFrameWindowState(frame::TvxFrameWindowState state) {
  if (!form_) return;
  frame::FrameOptions o;
  frame::MonitorRects mon;
  RunStateActions(states_.SetFrameWindowState(state, StateEnvNow(o, mon)));
}

void TvxChassis::SetRollUpState(bool rolled) {
  if (!form_) return;
  frame::FrameOptions o;
  frame::MonitorRects mon;
  RunStateActions(states_.SetRollUpState(rolled, StateEnvNow(o, mon)));
}

void TvxChassis::RunStateActions(const frame::StateActions& actions) {
  using A = frame::StateAction::Kind;
  for (const frame::StateAction& a : actions) {
    if (!form_) return;
    switch (a.kind) {
      case A::SetBounds:
        form_->SetBounds(a.rect.Left, a.rect.Top, a.rect.Width(), a.rect.Height());
        break;
      case A::SetHeight:
        form_->SetBounds(form_->Left(), form_->Top(), form_->Width(), a.value);
        break;
      case A::SetClientHeight:
        form_->SetClientHeight(a.value);
        break;
      case A::SetFormWindowState: {
        static constexpr tk::TWindowState kStates[] = {tk::wsNormal, tk::wsMinimized, tk::wsMaximized};
        form_->SetWindowState(kStates[static_cast<int>(a.state)]);
        break;
      }
      case A::MinimizeApplication:
        if (tk::Application) tk::Application->Minimize();
        break;
      case A::StartHoverPoll:
        RunEvents(mouse_.StartHoverPoll());
        break;
      case A::ForceRelayout:
        ForceRelayout();
        break;
      case A::Repaint:
        if (form_->HandleAllocated()) InvalidateRect(form_->Handle(), nullptr, TRUE);
        RepaintFrame();
        break;
      case A::OnMinimize:
        if (OnMinimize) OnMinimize(this);
        break;
      case A::OnMaximize:
        if (OnMaximize) OnMaximize(this);
        break;
      case A::OnRestore:
        if (OnRestore) OnRestore(this);
        break;
      case A::OnChangeRollUpState:
        if (OnChangeRollUpState) OnChangeRollUpState(this);
        break;
    }
  }
  // The state shows in the buttons' looks and in the region (laid out and
  // repainted once, also when the size stayed).
  if (form_ && form_->HandleAllocated()) SizeChanged();
}

void TvxChassis::RunCommand(frame::TvxStdCommand command) {
  using C = frame::TvxStdCommand;
  using S = frame::TvxFrameWindowState;
  if (EffectsCommand(command)) return;
  switch (command) {
    case C::cmclose:
      form_->Close();
      break;
    case C::cmmaximize:
      SetFrameWindowState(states_.State() == S::Maximized ? S::Normal : S::Maximized);
      break;
    case C::cmminimize:
      SetFrameWindowState(states_.State() == S::Minimized ? S::Normal : S::Minimized);
      break;
    case C::cmrollup:
      SetRollUpState(!states_.RolledUp());
      break;
    default:
      break;
  }
}

void TvxChassis::ForceRelayout() {
  if (!form_ || !form_->HandleAllocated()) return;
  frame::FrameOptions o = Options();
  const frame::MonitorRects mon = Monitor();
  const frame::RelayoutWidths r =
      frame::ForceRelayoutWidths(form_->Width(), frame::MinFrameWidth(skin_, o, mon, Sizes()));
  form_->SetBounds(form_->Left(), form_->Top(), r.first, form_->Height());
  form_->SetBounds(form_->Left(), form_->Top(), r.second, form_->Height());
}

void TvxChassis::SizeMove(tk::TMessage& m, const tk::TWndMethod& next) {
  HWND h = form_->Handle();
  switch (m.Msg) {
    case WM_ENTERSIZEMOVE: {
      POINT p{};
      GetCursorPos(&p);
      magnetic_.anchorX = p.x;
      magnetic_.anchorY = p.y;
      RunEvents(mouse_.EnterSizeMove());
      sizeMoveLoop_ = true;
      resizedInLoop_ = false;
      BOOL full = FALSE;
      SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
      fullDrag_ = full != FALSE;
      next(m);
      return;
    }
    case WM_SIZING: {
      if (!sizeMoveLoop_ || !fullDrag_) return next(m);
      resizedInLoop_ = true;
      magnetic_.ClearStuck();
      next(m);
      auto* r = reinterpret_cast<RECT*>(m.LParam);
      if (!r) return;
      const frame::FrameOptions o = Options();
      const frame::MonitorRects mon = Monitor();
      const frame::SizingSize size = frame::SizingProposal(
          {r->left, r->top, r->right, r->bottom}, frame::MinFrameWidth(skin_, o, mon, Sizes()),
          frame::MinFrameHeight(skin_, o, mon, Sizes()));
      // The region and the buttons fit the new size before the window has it.
      if (size.width != width_ || size.height != height_) {
        width_ = size.width;
        height_ = size.height;
        AfterResize();
      }
      return;
    }
    case WM_MOVING: {
      auto* r = reinterpret_cast<RECT*>(m.LParam);
      if (r) {
        frame::MovingInput in;
        in.proposed = {r->left, r->top, r->right, r->bottom};
        RECT cur{};
        GetWindowRect(h, &cur);
        in.current = {cur.left, cur.top, cur.right, cur.bottom};
        in.maximized = states_.State() == frame::TvxFrameWindowState::Maximized;
        in.magnetic = Magnetic;
        in.magneticSize = MagneticSize;
        in.area = Monitor().work;
        POINT p{};
        GetCursorPos(&p);
        in.pointer = {p.x, p.y};
        const Rect out = frame::MovingRect(in, magnetic_);
        *r = {out.Left, out.Top, out.Right, out.Bottom};
      }
      next(m);
      return;
    }
    case WM_EXITSIZEMOVE: {
      RECT r{};
      GetWindowRect(h, &r);
      const bool resized = resizedInLoop_ && (r.right - r.left != width_ || r.bottom - r.top != height_);
      sizeMoveLoop_ = resizedInLoop_ = false;
      RunEvents(mouse_.ExitSizeMove());
      if (resized) SizeChanged();
      if (skinPresent_) RepaintFrame();
      next(m);
      return;
    }
  }
  next(m);
}

TvxChassis* FindChassis(tk::TCustomForm* form) {
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* c = dynamic_cast<TvxChassis*>(form->Components(i))) return c;
  return nullptr;
}

}  // namespace vx
