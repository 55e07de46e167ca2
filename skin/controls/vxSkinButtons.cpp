// The push button and the speed button on real windows: messages become
// events of their TvxButtonStates, its requests become timers, repaints,
// group releases and glow frames, and a state's picture, caption and glyph
// are drawn from the button record.
//
// A click handler may free the button. Every path that clicks ends with the
// click (the states guarantee it for their own events); the few steps the
// toolkit owes afterwards (OnMouseUp) run only if the button is still alive,
// which a shared flag the destructor clears tells.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cwctype>

#include "tkWidgetSet.h"
#include "vxCopy.h"
#include "vxLayerWindow.h"
#include "vxMorph.h"
#include "vxNinePart.h"
#include "vxPlatform.h"
#include "vxSkinCtrls.h"
#include "vxThreePart.h"

namespace vx {

namespace {

constexpr tk::TColor kNavy = 0x800000, kPressedFill = 0xB59285, kHotFill = 0xD2BDB6, kGrey = 0x808080;

const TvxDataSkinButtonControl* AsButtonRecord(TvxSkinRecord* record) {
  return dynamic_cast<const TvxDataSkinButtonControl*>(record);
}

TvxButtonEffects EffectsOf(const TvxSkinDataComponent* data, const TvxDataSkinButtonControl* rec) {
  TvxButtonEffects e;
  const bool effects = data && !data->Empty() && data->EnableSkinEffects && rec;
  if (rec)
    e.Set(effects && rec->morphing, effects && !PixRect(rec->animateskinrect).IsEmpty(), rec->framecount,
          rec->animateinterval);
  return e;
}

// Text colour of a state drawn from a record.
tk::TColor RecordTextColor(const TvxDataSkinButtonControl& rec, tk::TFont& defaultFont, bool useSkinFontColor,
                           bool enabled, bool active, bool down) {
  if (enabled && !useSkinFontColor) return defaultFont.Color();
  if (!enabled) return static_cast<tk::TColor>(rec.disabledfontcolor == rec.fontcolor ? kGrey : rec.disabledfontcolor);
  if (active && down) return static_cast<tk::TColor>(rec.downfontcolor);
  if (active) return static_cast<tk::TColor>(rec.activefontcolor);
  return static_cast<tk::TColor>(rec.fontcolor);
}

void UseRecordFont(tk::TCanvas& c, tk::TFont& defaultFont, const TvxDataSkinButtonControl* rec, bool useSkinFont) {
  c.Font().Assign(defaultFont);
  if (rec && useSkinFont) {
    c.Font().SetName(tk::Utf8ToWide(rec->fontname));
    c.Font().SetHeight(rec->fontheight);
    c.Font().SetStyle(rec->fontstyle);
  }
}

// Glyph and caption into `area` of the canvas (and of `pixels`, the picture
// behind the canvas when there is one: glyphs are copied pixel by pixel).
void DrawGlyphAndCaption(tk::TCanvas& c, TvxPixmap* pixels, const tk::TRect& area, const std::wstring& caption,
                         TvxButtonLooks& looks, bool active, bool down, bool enabled, bool shift) {
  const int count = std::max(1, looks.NumGlyphs);
  tk::TCustomImageList* list = looks.ImageList();
  const bool listImage = list && looks.ImageIndex >= 0 && looks.ImageIndex < list->Count();
  const bool glyph = !listImage && pixels && !looks.Glyph.Empty();
  const int gw = listImage ? list->Width() : glyph ? looks.Glyph.Width() / count : 0;
  const int gh = listImage ? list->Height() : glyph ? looks.Glyph.Height() : 0;
  int tw = 0, th = 0;
  const unsigned wrap = DT_EXPANDTABS | DT_WORDBREAK;
  if (!caption.empty()) {
    const bool across = looks.Layout == TvxButtonLayout::blGlyphLeft || looks.Layout == TvxButtonLayout::blGlyphRight;
    tk::TRect calc{0, 0, std::max(1, area.Width() - (across ? gw : 0)), 0};
    c.DrawText(caption, calc, DT_CALCRECT | wrap);
    tw = calc.Width();
    th = calc.Height();
  }
  const TvxGlyphTextPlace p = LayoutGlyphAndText({area.Left, area.Top, area.Right, area.Bottom}, gw, gh, tw, th,
                                                 looks.Layout, looks.Margin(), looks.Spacing, shift);
  if (!caption.empty()) {
    c.Brush().SetStyle(tk::bsClear);
    tk::TRect r{p.text.x, p.text.y, p.text.x + tw + 2, p.text.y + th};
    c.DrawText(caption, r, wrap | DT_VCENTER | DT_CENTER);
  }
  if (listImage) {
    list->Draw(c, p.glyph.x, p.glyph.y, looks.ImageIndex, enabled);
  } else if (glyph) {
    GdiFlush();
    DrawGlyphFrame(*pixels, p.glyph.x, p.glyph.y, GlyphNumber(count, active, down, enabled), count,
                   looks.Glyph.Pixmap());
  }
}

// One-pixel frame and fill of the default looks.
void FrameAndFill(tk::TCanvas& c, const tk::TRect& r, tk::TColor frame, tk::TColor fill, bool drawFrame, bool drawFill) {
  if (drawFill) {
    c.Brush().SetStyle(tk::bsSolid);
    c.Brush().SetColor(fill);
    c.FillRect(r);
  }
  if (drawFrame) {
    c.Brush().SetStyle(tk::bsSolid);
    c.Brush().SetColor(frame);
    c.FrameRect(r);
  }
}

// The state picture at the button's size. With the skin's sizes (or a
// nine-part record) the record rules draw it; otherwise a fixed image is
// scaled and a three-part one stretched around its client rectangle.
void DrawStatePicture(tk::TBitmap& bitmap, const TvxPixmap* picture, const TvxControlGeometry& g, const PixRect& rect,
                      bool useSkinSize) {
  const int w = bitmap.Width(), h = bitmap.Height();
  TvxPixmap image;
  if (useSkinSize || g.sizingMode == 1) {
    DrawControlImage(picture, g, rect, w, h, image);
  } else if (picture && (g.sizingMode == 0 || g.sizingMode == 2 || g.sizingMode == 3)) {
    if (!image.SetSize(w, h)) return;
    if (g.sizingMode == 0)
      CopyRect(*picture, rect, image, {0, 0, w, h});
    else
      DrawFramedStretch(image, *picture, rect, g.layout.client, true);
  }
  if (image.Empty()) return;
  GdiFlush();
  CopyRect(image, {0, 0, std::min(w, image.Width()), std::min(h, image.Height())}, bitmap.Pixmap(),
           {0, 0, std::min(w, image.Width()), std::min(h, image.Height())});
}

void FitButtonSize(TvxControlGeometry& g, bool useSkinSize, int& width, int& height) {
  if (useSkinSize || g.sizingMode == 1) {
    g.FitSkinSize(width, height);
    return;
  }
  const PixRect c = g.layout.client;
  g.current.client = {c.left, c.top, c.right + width - g.skinrect.Width(), c.bottom + height - g.skinrect.Height()};
}

// The character a key press stands for as an accelerator, or 0.
wchar_t AcceleratorKey(const tk::TMessage& m) {
  const bool alt = m.Msg == WM_SYSKEYDOWN && (m.LParam & (1 << 29));
  if (m.Msg != WM_KEYDOWN && !alt) return 0;
  if (!alt && (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)) return 0;
  if (!alt) {
    // Keys typed into a control that takes characters are text, not accelerators.
    HWND focus = GetFocus();
    if (focus && (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_HASSETSEL)))
      return 0;
  }
  const unsigned vk = static_cast<unsigned>(m.WParam);
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return static_cast<wchar_t>(vk);
  const UINT c = MapVirtualKeyW(vk, MAPVK_VK_TO_CHAR) & 0x7FFFFFFF;
  return c ? static_cast<wchar_t>(c < 128 ? towupper(static_cast<wint_t>(c)) : c) : 0;
}

bool ModifierDown() { return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }

}  // namespace

// ---- timers ----

TvxButtonTimers::~TvxButtonTimers() {
  for (int i = 0; i < 3; ++i) Stop(static_cast<TvxButtonTimer>(i));
}

void TvxButtonTimers::Start(TvxButtonTimer timer, int ms) {
  UINT_PTR& id = ids_[static_cast<int>(timer)];
  if (!id) {
    id = tk::ws::NewTimerId();
    // The handler holds its own copy of the tick: the toolkit runs a copy of
    // it, so a tick that frees the button returns through live code.
    tk::ws::SetUtilityTimerHandler(id, [tick = tick_, timer](UINT, WPARAM, LPARAM) { tick(timer); });
  }
  SetTimer(tk::ws::UtilityWindow(), id, static_cast<UINT>(std::max(ms, TvxButtonEffects::kMinInterval)), nullptr);
}

void TvxButtonTimers::Stop(TvxButtonTimer timer) {
  UINT_PTR& id = ids_[static_cast<int>(timer)];
  if (!id) return;
  KillTimer(tk::ws::UtilityWindow(), id);
  tk::ws::RemoveUtilityTimerHandler(id);
  id = 0;
}

// ---- push button ----

TvxSkinButton::TvxSkinButton(tk::TComponent* owner)
    : TvxSkinCustomControl(owner),
      states_(*this, TvxButtonStates::Kind::push),
      timers_([this](TvxButtonTimer t) { states_.Tick(t); }) {
  ControlStyle &= ~tk::csClickEvents;  // clicks come from the states only
  SetSkinDataName("button");
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

// The form's key hook is not touched here (see InstallKeyHook).
TvxSkinButton::~TvxSkinButton() { *alive_ = false; }

const TvxDataSkinButtonControl* TvxSkinButton::ButtonRecord() const { return AsButtonRecord(Record()); }

HWND TvxSkinButton::GlowWindow() const { return glow_ ? glow_->Window() : nullptr; }

void TvxSkinButton::SetGroupIndex(int index) {
  states_.groupIndex = index;
  if (index != 0) SetCanFocused(false);
}

void TvxSkinButton::SetCanFocused(bool v) {
  states_.canFocused = v;
  SetTabStop(v);
}

void TvxSkinButton::SetDefault(bool v) {
  states_.isDefault = v;
  if (HandleAllocated() && states_.canFocused)
    if (tk::TCustomForm* form = ParentForm()) form->FocusChanged(form->ActiveControl());
}

void TvxSkinButton::SetParent(tk::TWinControl* parent) {
  TvxSkinCustomControl::SetParent(parent);
  // Taken out of a parent, the button keeps its hook: the form may be half
  // destroyed (its children leave it last), and it tells the button when it
  // goes. Put into a parent, the hook follows to that form.
  if (parent) InstallKeyHook();
}

void TvxSkinButton::InstallKeyHook() {
  tk::TCustomForm* form = Destroying() ? nullptr : ParentForm();
  if (form == keyForm_) return;
  RemoveKeyHook();
  if (!form) return;
  keyForm_ = form;
  keyForm_->FreeNotification(this);
  // A freed button leaves its hook behind and the hook takes itself out at
  // the next key: the button's destructor may run while its form is half
  // destroyed (a form whose constructor threw frees its children last), when
  // the form's hook list is gone.
  auto token = std::make_shared<tk::THookToken>(0);
  const std::weak_ptr<bool> alive = alive_;
  *token = form->AddShortCutHook([this, alive, token, form](tk::TMessage& m, bool& handled) {
    if (alive.expired()) {
      form->RemoveShortCutHook(*token);
      return;
    }
    if (handled || !DialogKey(m)) return;
    handled = true;
    ButtonClick();  // last: the handler may free the button
  });
  keyHook_ = *token;
}

void TvxSkinButton::RemoveKeyHook() {
  if (!keyForm_) return;
  keyForm_->RemoveShortCutHook(keyHook_);
  keyForm_->RemoveFreeNotification(this);
  keyForm_ = nullptr;
  keyHook_ = 0;
}

void TvxSkinButton::SetImageList(tk::TCustomImageList* list) {
  if (imageList_) imageList_->RemoveFreeNotification(this);
  imageList_ = list;
  if (list) list->FreeNotification(this);
  Invalidate();
}

void TvxSkinButton::Notification(tk::TComponent* component, tk::TOperation operation) {
  TvxSkinCustomControl::Notification(component, operation);
  if (operation == tk::TOperation::opRemove && component == imageList_) imageList_ = nullptr;
  if (operation == tk::TOperation::opRemove && component == keyForm_) {
    keyForm_ = nullptr;
    keyHook_ = 0;
  }
}

// Enter for the button that answers it, Escape for a cancel button, and the
// caption's accelerator; true when the key clicks this button.
bool TvxSkinButton::DialogKey(tk::TMessage& m) {
  if (!HandleAllocated() || !Showing() || !Enabled() || ParentForm() != keyForm_) return false;
  if (m.Msg == WM_KEYDOWN && m.WParam == VK_RETURN) return states_.Active();
  if (m.Msg == WM_KEYDOWN && m.WParam == VK_ESCAPE)
    return Cancel && states_.canFocused && !ModifierDown() && CanFocus();
  const wchar_t key = AcceleratorKey(m);
  if (!key || key != AcceleratorOf(Caption()) || !states_.canFocused || !CanFocus()) return false;
  SetFocus();
  return true;
}

void TvxSkinButton::ButtonClick() {
  // The toolkit's forms have no modal result to set; the click is OnClick.
  // A copy runs, so a handler that frees the button still returns through
  // live code.
  if (tk::TNotifyEvent handler = OnClick) handler(this);
}

void TvxSkinButton::ReleaseGroup() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TvxSkinButton*>(Parent()->Controls(i));
    if (other && other != this && other->GroupIndex() == GroupIndex() && other->Down()) other->SetDown(false);
  }
}

void TvxSkinButton::FindSkinRecord() {
  TvxSkinCustomControl::FindSkinRecord();
  const TvxDataSkinButtonControl* rec = recordIndex_ >= 0 ? ButtonRecord() : nullptr;
  states_.SetEffects(EffectsOf(SkinData(), rec));
  showFocus_ = rec && rec->showfocus;
  // A button that keeps its own size gets no window region from the mask.
  if (!UseSkinSize) geometry_.maskIndex = -1;
}

void TvxSkinButton::FitSkinSize(int& width, int& height) {
  if (recordIndex_ < 0) return;
  FitButtonSize(geometry_, UseSkinSize, width, height);
}

void TvxSkinButton::ApplySkin() {
  TvxSkinCustomControl::ApplySkin();
  states_.SkinApplied(recordIndex_ >= 0);
  if (states_.MouseIn()) ShowGlow(true);
}

void TvxSkinButton::ReleaseSkin() {
  TvxSkinCustomControl::ReleaseSkin();
  HideGlowFrame();
}

void TvxSkinButton::CreateHandleDone() {
  TvxSkinCustomControl::CreateHandleDone();
  states_.WindowCreated();
  InstallKeyHook();
}

void TvxSkinButton::EnabledChanged() {
  TvxSkinCustomControl::EnabledChanged();
  states_.EnabledChanged(Enabled());
}

void TvxSkinButton::TextChanged() {
  TvxSkinCustomControl::TextChanged();
  Invalidate();
}

void TvxSkinButton::TrackPointer(int x, int y) {
  if (!states_.MouseDownNow()) return;
  const bool inside = ClientRect().Contains(x, y);
  if (inside && !states_.MouseIn())
    states_.MouseEnter();
  else if (!inside && states_.MouseIn())
    states_.MouseLeave();
}

void TvxSkinButton::ShowGlow(bool show) {
  if (HandleAllocated()) PostMessageW(Handle(), show ? VXM_SHOWGLOW : VXM_HIDEGLOW, 0, 0);
}

void TvxSkinButton::ShowGlowFrame() {
  TvxSkinDataComponent* data = SkinData();
  FindSkinRecord();
  const TvxDataSkinButtonControl* rec = recordIndex_ >= 0 ? ButtonRecord() : nullptr;
  if (!data || data->Empty() || !rec || rec->glowlayerpictureindex == -1) return;
  if (!TvxPlatform::Get().LayeredWindowsAvailable() || !(data->ShowButtonGlowFrames || AlwaysShowLayeredFrame)) return;
  const TvxPixmap* picture = data->Picture(rec->glowlayerpictureindex);
  if (!picture || picture->Empty()) return;
  const TvxPixmap* maskPicture = data->Picture(rec->glowlayermaskpictureindex);
  TvxPixmap white;
  if (!maskPicture) {  // no mask: the picture is shown whole
    if (!white.SetSize(picture->Width(), picture->Height())) return;
    for (int y = 0; y < white.Height(); ++y)
      for (int x = 0; x < white.Width(); ++x) white.Set(x, y, 0xFFFFFFFF);
    maskPicture = &white;
  }
  const int pw = picture->Width(), ph = picture->Height();
  const int sw = geometry_.skinrect.Width(), sh = geometry_.skinrect.Height();
  TvxPixmap shownPicture, shownMask;
  auto sized = [&](const TvxPixmap& from, TvxPixmap& to) -> bool {
    const PixRect whole{0, 0, from.Width(), from.Height()};
    switch (geometry_.sizingMode) {
      case 0:
        to = from;
        return true;
      case 2:
        if (!UseSkinSize) return false;
        DrawHorzThreePart(rec->glowlayeroffsetleft, rec->glowlayeroffsetright, to, true, from.Width() + Width() - sw,
                          whole, from);
        return !to.Empty();
      case 1: {
        if (!to.SetSize(from.Width() + Width() - sw, from.Height() + Height() - sh)) return false;
        const PixRect client{rec->glowlayeroffsetleft, rec->glowlayeroffsettop, pw - rec->glowlayeroffsetright,
                             ph - rec->glowlayeroffsetbottom};
        DrawFramedStretch(to, from, whole, client, true);
        return true;
      }
      default:
        return false;
    }
  };
  if (!sized(*picture, shownPicture) || !sized(*maskPicture, shownMask)) return;
  if (!glow_) glow_ = std::make_unique<TvxLayerManager>();
  tk::TCustomForm* form = ParentForm();
  glow_->topMost = form && form->HandleAllocated() && (GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  const tk::TPoint at = ClientToScreen({0, 0});
  glow_->ShowLayer(at.X - rec->glowlayershowoffsetx, at.Y - rec->glowlayershowoffsety, rec->glowlayeralphablendvalue,
                   shownMask, shownPicture);
}

void TvxSkinButton::HideGlowFrame() {
  // Whatever showed it (the skin's setting or AlwaysShowLayeredFrame), a
  // shown frame goes when the pointer does.
  if (glow_ && glow_->Window()) glow_->HideLayer();
}

void TvxSkinButton::WndProc(tk::TMessage& m) {
  if (Designing()) {
    TvxSkinCustomControl::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case tk::CM_MOUSEENTER:
      TvxSkinCustomControl::WndProc(m);
      if (Enabled() && !states_.MouseIn()) states_.MouseEnter();
      return;
    case tk::CM_MOUSELEAVE:
      TvxSkinCustomControl::WndProc(m);
      // While the button is held the pointer's place decides (TrackPointer).
      if (!states_.MouseDownNow()) states_.MouseLeave();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Enabled()) break;
      if (states_.canFocused && !Focused()) {
        clicksDisabled_ = true;
        ::SetFocus(Handle());
        clicksDisabled_ = false;
        if (!Focused()) return;
      }
      TvxSkinCustomControl::WndProc(m);  // capture and OnMouseDown
      states_.LeftDown();                // last: a grouped button clicks here
      return;
    case WM_MOUSEMOVE:
      TvxSkinCustomControl::WndProc(m);
      TrackPointer(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      return;
    case WM_LBUTTONUP: {
      if (!Enabled() || !states_.MouseDownNow()) break;
      const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
      TrackPointer(x, y);
      ControlState &= ~(tk::csClicked | tk::csLButtonDown);
      releasing_ = true;
      SetMouseCapture(false);
      releasing_ = false;
      const std::weak_ptr<bool> alive = alive_;
      states_.LeftUp();
      // The click handler may have freed or hidden the button.
      if (alive.expired() || !HandleAllocated() || !Visible()) return;
      MouseUp(tk::mbLeft, tk::MouseShiftState(m.WParam), x, y);
      return;
    }
    case WM_KEYDOWN:
      if (states_.canFocused && m.WParam == VK_SPACE) {
        states_.SpaceDown();
        return;
      }
      if (states_.canFocused && m.WParam == VK_RETURN) {
        states_.EnterKey();
        return;
      }
      break;
    case WM_KEYUP:
      if (states_.canFocused && m.WParam == VK_SPACE) {
        states_.SpaceUp();
        return;
      }
      break;
    case WM_GETDLGCODE:
      m.Result = DLGC_BUTTON;
      return;
    case WM_CAPTURECHANGED:
      TvxSkinCustomControl::WndProc(m);
      // Another window took the mouse mid-press (a message box from
      // OnMouseDown): no release will come, so the button goes up unclicked.
      if (!releasing_ && reinterpret_cast<HWND>(m.LParam) != Handle()) states_.CancelPress();
      return;
    case WM_COMMAND:
      if (clicksDisabled_) return;
      break;
    case WM_SETFOCUS:
      TvxSkinCustomControl::WndProc(m);
      states_.FocusGained();
      return;
    case WM_KILLFOCUS:
      TvxSkinCustomControl::WndProc(m);
      states_.FocusLost();
      return;
    case tk::CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<tk::TWinControl*>(m.LParam);
      states_.FocusMoved(focused == this, dynamic_cast<TvxSkinButton*>(focused) != nullptr);
      return;
    }
    case WM_ERASEBKGND:
      m.Result = 1;
      if (!InPaintMessage() && m.WParam) PaintWindowTo(reinterpret_cast<HDC>(m.WParam));
      return;
    default:
      if (m.Msg == VXM_SHOWGLOW) {
        ShowGlowFrame();
        return;
      }
      if (m.Msg == VXM_HIDEGLOW) {
        HideGlowFrame();
        return;
      }
      break;
  }
  TvxSkinCustomControl::WndProc(m);
}

void TvxSkinButton::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  FindSkinRecord();
  int w = Width(), h = Height();
  FitSkinSize(w, h);
  InstallKeyHook();
  tk::TBitmap bitmap(Width(), Height());
  const TvxDataSkinButtonControl* rec = recordIndex_ >= 0 ? ButtonRecord() : nullptr;
  if (recordIndex_ < 0) {
    DrawDefaultImage(bitmap);
  } else if (!rec) {
    DrawStateImage(bitmap, geometry_.skinrect, false, false);
  } else {
    const auto look = states_.CurrentLook(!PixRect(rec->disabledskinrect).IsEmpty(),
                                          !PixRect(rec->focusedskinrect).IsEmpty());
    const PixRect normal = geometry_.skinrect, active = StateSourceRect(*rec, TvxControlState::hot);
    if (look.blend) {
      tk::TBitmap to(Width(), Height());
      DrawStateImage(bitmap, normal, false, false);
      DrawStateImage(to, active, true, false);
      GdiFlush();
      MorphBlend(bitmap.Pixmap(), to.Pixmap(), states_.MorphFactor(), rec->morphkind);
    } else {
      PixRect rect = StateSourceRect(*rec, look.state);
      const bool forward = states_.AnimationForward();
      if (states_.AnimationRunning() &&
          ((forward && look.state == TvxControlState::hot) || (!forward && look.state == TvxControlState::normal)))
        rect = AnimationFrameRect(rec->animateskinrect, normal, states_.Effects().frameCount, states_.AnimationFrame());
      DrawStateImage(bitmap, rect, look.active, look.down);
    }
  }
  Canvas().Draw(0, 0, bitmap);
}

void TvxSkinButton::DrawStateImage(tk::TBitmap& bitmap, const PixRect& rect, bool active, bool down) {
  DrawStatePicture(bitmap, Picture(), geometry_, rect, UseSkinSize);
  const TvxDataSkinButtonControl* rec = ButtonRecord();
  tk::TCanvas& c = bitmap.Canvas();
  UseRecordFont(c, DefaultFont(), rec, UseSkinFont);
  const tk::TColor color = rec ? RecordTextColor(*rec, DefaultFont(), UseSkinFontColor, Enabled(), active, down)
                               : (Enabled() ? DefaultFont().Color() : tk::clBtnShadow);
  c.Font().SetColor(color);
  const PixRect client = geometry_.current.client;
  const tk::TRect area{client.left, client.top, client.right, client.bottom};
  if (showFocus_ && Focused()) {
    GdiFlush();
    const COLORREF rgb = tk::ColorToRGB(color);
    const Pixel dot = PixelFromColor(rgb) | 0xFF000000;
    TvxPixmap& px = bitmap.Pixmap();
    for (int x = area.Left; x < area.Right - 1; x += 2) {
      if (px.Contains(x, area.Top)) px.Set(x, area.Top, dot);
      if (px.Contains(x, area.Bottom - 2)) px.Set(x, area.Bottom - 2, dot);
    }
    for (int y = area.Top; y < area.Bottom - 1; y += 2) {
      if (px.Contains(area.Left, y)) px.Set(area.Left, y, dot);
      if (px.Contains(area.Right - 2, y)) px.Set(area.Right - 2, y, dot);
    }
  }
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, c, area, down, active, drawDefault);
  if (!drawDefault) return;
  DrawGlyphAndCaption(c, &bitmap.Pixmap(), area, Caption(), *this, active, down, Enabled(), active && down);
}

void TvxSkinButton::DrawDefaultImage(tk::TBitmap& bitmap) {
  tk::TCanvas& c = bitmap.Canvas();
  const tk::TRect r{0, 0, bitmap.Width(), bitmap.Height()};
  const bool pressed = states_.PressedLook();
  if (pressed)
    FrameAndFill(c, r, kNavy, kPressedFill, true, true);
  else if (states_.MouseIn() || states_.FocusedLook())
    FrameAndFill(c, r, kNavy, kHotFill, true, true);
  else
    FrameAndFill(c, r, tk::clBtnShadow, tk::clBtnFace, true, true);
  c.Font().Assign(DefaultFont());
  if (!Enabled()) c.Font().SetColor(tk::clBtnShadow);
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, c, r, Down(), states_.MouseIn(), drawDefault);
  if (!drawDefault) return;
  DrawGlyphAndCaption(c, &bitmap.Pixmap(), r, Caption(), *this, states_.MouseIn(), Down(), Enabled(), pressed);
}

// ---- speed button ----

TvxSkinSpeedButton::TvxSkinSpeedButton(tk::TComponent* owner)
    : TvxGraphicSkinCustomControl(owner),
      states_(*this, TvxButtonStates::Kind::speed),
      timers_([this](TvxButtonTimer t) { states_.Tick(t); }) {
  ControlStyle = tk::csCaptureMouse | tk::csOpaque | tk::csDoubleClicks;
  states_.canFocused = false;
  SetSkinDataName("toolbutton");
  ImageIndex = 0;
  SetBounds(0, 0, 25, 25);
}

TvxSkinSpeedButton::~TvxSkinSpeedButton() { *alive_ = false; }

void TvxSkinSpeedButton::SetShowCaption(bool show) {
  if (show == showCaption_) return;
  showCaption_ = show;
  if (WidthWithCaption > 0 && WidthWithoutCaption > 0)
    SetWidth(show ? WidthWithCaption : WidthWithoutCaption);
  else
    Invalidate();
}

void TvxSkinSpeedButton::SetTransparent(bool v) {
  states_.transparent = v;
  if (v)
    ControlStyle &= ~tk::csOpaque;
  else
    ControlStyle |= tk::csOpaque;
  Invalidate();
}

void TvxSkinSpeedButton::SetFlat(bool v) {
  states_.flat = v;
  SetTransparent(v);
}

void TvxSkinSpeedButton::SetParent(tk::TWinControl* parent) {
  TvxGraphicSkinCustomControl::SetParent(parent);
  // Taken out of a parent, the button keeps its hook: the form may be half
  // destroyed (its children leave it last), and it tells the button when it
  // goes. Put into a parent, the hook follows to that form.
  if (parent) InstallKeyHook();
}

void TvxSkinSpeedButton::InstallKeyHook() {
  tk::TCustomForm* form = Destroying() ? nullptr : ParentForm();
  if (form == keyForm_) return;
  RemoveKeyHook();
  if (!form) return;
  keyForm_ = form;
  keyForm_->FreeNotification(this);
  // A freed button leaves its hook behind and the hook takes itself out at
  // the next key: the button's destructor may run while its form is half
  // destroyed (a form whose constructor threw frees its children last), when
  // the form's hook list is gone.
  auto token = std::make_shared<tk::THookToken>(0);
  const std::weak_ptr<bool> alive = alive_;
  *token = form->AddShortCutHook([this, alive, token, form](tk::TMessage& m, bool& handled) {
    if (alive.expired()) {
      form->RemoveShortCutHook(*token);
      return;
    }
    if (handled || !DialogKey(m)) return;
    handled = true;
    ButtonClick();  // last: the handler may free the button
  });
  keyHook_ = *token;
}

void TvxSkinSpeedButton::RemoveKeyHook() {
  if (!keyForm_) return;
  keyForm_->RemoveShortCutHook(keyHook_);
  keyForm_->RemoveFreeNotification(this);
  keyForm_ = nullptr;
  keyHook_ = 0;
}

void TvxSkinSpeedButton::SetImageList(tk::TCustomImageList* list) {
  if (imageList_) imageList_->RemoveFreeNotification(this);
  imageList_ = list;
  if (list) list->FreeNotification(this);
  Invalidate();
}

void TvxSkinSpeedButton::Notification(tk::TComponent* component, tk::TOperation operation) {
  TvxGraphicSkinCustomControl::Notification(component, operation);
  if (operation == tk::TOperation::opRemove && component == imageList_) imageList_ = nullptr;
  if (operation == tk::TOperation::opRemove && component == keyForm_) {
    keyForm_ = nullptr;
    keyHook_ = 0;
  }
}

// The caption's accelerator clicks the button; the focus stays where it is.
bool TvxSkinSpeedButton::DialogKey(tk::TMessage& m) {
  if (!Enabled() || !Visible() || !Parent() || !Parent()->Showing() || ParentForm() != keyForm_) return false;
  const wchar_t key = AcceleratorKey(m);
  return key && key == AcceleratorOf(Caption());
}

void TvxSkinSpeedButton::ButtonClick() {
  if (tk::TNotifyEvent handler = OnClick) handler(this);
}

void TvxSkinSpeedButton::ReleaseGroup() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TvxSkinSpeedButton*>(Parent()->Controls(i));
    if (other && other != this && other->GroupIndex() == GroupIndex() && other->Down()) other->SetDown(false);
  }
}

void TvxSkinSpeedButton::FindSkinRecord() {
  TvxGraphicSkinCustomControl::FindSkinRecord();
  states_.SetEffects(EffectsOf(SkinData(), recordIndex_ >= 0 ? AsButtonRecord(Record()) : nullptr));
}

void TvxSkinSpeedButton::FitSkinSize(int& width, int& height) {
  if (recordIndex_ < 0) return;
  FitButtonSize(geometry_, UseSkinSize, width, height);
}

void TvxSkinSpeedButton::ApplySkin() {
  TvxGraphicSkinCustomControl::ApplySkin();
  states_.SkinApplied(recordIndex_ >= 0);
}

void TvxSkinSpeedButton::EnabledChanged() {
  TvxGraphicSkinCustomControl::EnabledChanged();
  states_.EnabledChanged(Enabled());
}

void TvxSkinSpeedButton::TextChanged() {
  TvxGraphicSkinCustomControl::TextChanged();
  Invalidate();
}

void TvxSkinSpeedButton::TrackPointer(int x, int y) {
  if (!states_.MouseDownNow()) return;
  const bool inside = ClientRect().Contains(x, y);
  if (inside && !states_.MouseIn())
    states_.MouseEnter();
  else if (!inside && states_.MouseIn())
    states_.MouseLeave();
}

void TvxSkinSpeedButton::WndProc(tk::TMessage& m) {
  if (Designing()) {
    TvxGraphicSkinCustomControl::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case tk::CM_MOUSEENTER:
      TvxGraphicSkinCustomControl::WndProc(m);
      if (!states_.MouseIn()) states_.MouseEnter();
      return;
    case tk::CM_MOUSELEAVE:
      TvxGraphicSkinCustomControl::WndProc(m);
      if (!states_.MouseDownNow()) states_.MouseLeave();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (!Enabled()) break;
      const std::weak_ptr<bool> alive = alive_;
      TvxGraphicSkinCustomControl::WndProc(m);  // capture and OnMouseDown
      if (alive.expired()) return;
      states_.LeftDown();  // last: a grouped button clicks here
      return;
    }
    case WM_MOUSEMOVE:
      TvxGraphicSkinCustomControl::WndProc(m);
      TrackPointer(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      return;
    case WM_LBUTTONUP: {
      if (!Enabled() || !states_.MouseDownNow()) break;
      TrackPointer(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      const std::weak_ptr<bool> alive = alive_;
      TvxGraphicSkinCustomControl::WndProc(m);  // capture released, OnMouseUp
      if (alive.expired()) return;
      states_.LeftUp();  // last: the click
      return;
    }
    default:
      break;
  }
  TvxGraphicSkinCustomControl::WndProc(m);
}

void TvxSkinSpeedButton::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  FindSkinRecord();
  int w = Width(), h = Height();
  FitSkinSize(w, h);
  InstallKeyHook();
  const TvxDataSkinButtonControl* rec = recordIndex_ >= 0 ? AsButtonRecord(Record()) : nullptr;
  if (recordIndex_ < 0) {
    if (Transparent() && !states_.PressedLook() && !states_.MouseIn()) {
      PaintTransparent();
      return;
    }
    tk::TBitmap bitmap(Width(), Height());
    DrawDefaultImage(bitmap);
    Canvas().Draw(0, 0, bitmap);
    return;
  }
  tk::TBitmap bitmap(Width(), Height());
  if (!rec) {
    DrawStateImage(bitmap, geometry_.skinrect, false, false);
    Canvas().Draw(0, 0, bitmap);
    return;
  }
  const auto look = states_.CurrentLook(!PixRect(rec->disabledskinrect).IsEmpty(), false);
  const PixRect normal = geometry_.skinrect, active = StateSourceRect(*rec, TvxControlState::hot);
  if (!look.image) {
    PaintTransparent();
    return;
  }
  if (look.blend) {
    tk::TBitmap to(Width(), Height());
    DrawStateImage(bitmap, normal, false, false);
    DrawStateImage(to, active, true, false);
    GdiFlush();
    MorphBlend(bitmap.Pixmap(), to.Pixmap(), states_.MorphFactor(), rec->morphkind);
  } else {
    PixRect rect = StateSourceRect(*rec, look.state);
    const bool forward = states_.AnimationForward();
    if (states_.AnimationRunning() &&
        ((forward && look.state == TvxControlState::hot) || (!forward && look.state == TvxControlState::normal)))
      rect = AnimationFrameRect(rec->animateskinrect, normal, states_.Effects().frameCount, states_.AnimationFrame());
    DrawStateImage(bitmap, rect, look.active, look.down);
  }
  Canvas().Draw(0, 0, bitmap);
}

// Caption and glyph straight over what the parent painted.
void TvxSkinSpeedButton::PaintTransparent() {
  tk::TCanvas& c = Canvas();
  const TvxDataSkinButtonControl* rec = recordIndex_ >= 0 ? AsButtonRecord(Record()) : nullptr;
  UseRecordFont(c, DefaultFont(), rec, UseSkinFont);
  tk::TColor color = DefaultFont().Color();
  if (!Enabled())
    color = tk::clBtnShadow;
  else if (rec && UseSkinFontColor)
    color = tk::clBtnText;
  c.Font().SetColor(color);
  const PixRect client = rec ? geometry_.current.client : PixRect{0, 0, Width(), Height()};
  const tk::TRect area{client.left, client.top, client.right, client.bottom};
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, c, area, Down(), states_.MouseIn(), drawDefault);
  if (!drawDefault) return;
  // Glyphs need a picture to be copied into; over the parent only the
  // caption is drawn.
  DrawGlyphAndCaption(c, nullptr, area, ShowCaption() ? Caption() : std::wstring(), *this, states_.MouseIn(), Down(),
                      Enabled(), false);
}

void TvxSkinSpeedButton::DrawStateImage(tk::TBitmap& bitmap, const PixRect& rect, bool active, bool down) {
  DrawStatePicture(bitmap, Picture(), geometry_, rect, UseSkinSize);
  const TvxDataSkinButtonControl* rec = AsButtonRecord(Record());
  tk::TCanvas& c = bitmap.Canvas();
  UseRecordFont(c, DefaultFont(), rec, UseSkinFont);
  c.Font().SetColor(rec ? RecordTextColor(*rec, DefaultFont(), UseSkinFontColor, Enabled(), active, down)
                        : (Enabled() ? DefaultFont().Color() : tk::clBtnShadow));
  const PixRect client = geometry_.current.client;
  const tk::TRect area{client.left, client.top, client.right, client.bottom};
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, c, area, down, active, drawDefault);
  if (!drawDefault) return;
  DrawGlyphAndCaption(c, &bitmap.Pixmap(), area, ShowCaption() ? Caption() : std::wstring(), *this, active, down,
                      Enabled(), false);
}

void TvxSkinSpeedButton::DrawDefaultImage(tk::TBitmap& bitmap) {
  tk::TCanvas& c = bitmap.Canvas();
  const tk::TRect r{0, 0, bitmap.Width(), bitmap.Height()};
  if (states_.PressedLook())
    FrameAndFill(c, r, kNavy, kPressedFill, true, true);
  else if (states_.MouseIn())
    FrameAndFill(c, r, kNavy, kHotFill, true, true);
  else if (!Flat() || Designing())
    FrameAndFill(c, r, tk::clBtnShadow, tk::clBtnFace, true, true);
  else if (!Transparent())
    FrameAndFill(c, r, tk::clBtnFace, tk::clBtnFace, false, true);
  c.Font().Assign(DefaultFont());
  if (!Enabled()) c.Font().SetColor(tk::clBtnShadow);
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, c, r, Down(), states_.MouseIn(), drawDefault);
  if (!drawDefault) return;
  DrawGlyphAndCaption(c, &bitmap.Pixmap(), r, ShowCaption() ? Caption() : std::wstring(), *this, states_.MouseIn(),
                      Down(), Enabled(), false);
}

}  // namespace vx
