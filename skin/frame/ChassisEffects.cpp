// The frame's window effects and its tray: the window's constant opacity and
// its fade-in on show, the picture over the client area of an inactive form,
// and minimizing to and restoring from the notification area.
//
// The fade runs from a window timer, one step per tick once the minimum gap
// has passed, so the user-interface thread keeps handling messages while the
// window comes up. Its clock is replaceable: tests step it by hand, across
// the tick counter's wrap too.
#include <algorithm>

#include "Chassis.h"
#include "SystemMenu.h"
#include "tkMenuText.h"
#include "vxPlatform.h"
#include "vxSkinMenus.h"

namespace vx {
namespace {

bool LayeredAvailable() { return TvxPlatform::Get().LayeredWindowsAvailable(); }

}  // namespace

// ---- opacity ----

void TvxChassis::SetLayered(bool on) {
  if (!form_ || !form_->HandleAllocated() || !LayeredAvailable()) return;
  HWND h = form_->Handle();
  const LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
  const LONG_PTR want = on ? ex | WS_EX_LAYERED : ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED);
  if (want == ex) return;
  SetWindowLongPtrW(h, GWL_EXSTYLE, want);
  // A window that stops being layered is drawn afresh, frame included.
  if (!on) RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
}

void TvxChassis::ApplyOpacity(int alpha) {
  if (!form_ || !form_->HandleAllocated()) return;
  TvxPlatform::Get().SetOpacity(form_->Handle(), static_cast<BYTE>(std::clamp(alpha, 0, 255)));
}

void TvxChassis::StopFade() {
  fade_.Stop();
  fadePending_ = false;
  if (form_ && form_->HandleAllocated()) KillTimer(form_->Handle(), kFadeTimerId);
}

void TvxChassis::SetAlphaBlend(bool on) {
  alphaBlend_ = on;
  if (Loading() || Designing() || !LayeredAvailable()) return;
  StopFade();
  SetLayered(on);
  if (on) ApplyOpacity(alphaBlendValue_);
}

void TvxChassis::SetAlphaBlendValue(int value) {
  alphaBlendValue_ = std::clamp(value, 0, 255);
  if (!alphaBlend_ || Loading() || Designing() || !LayeredAvailable()) return;
  StopFade();
  SetLayered(true);
  ApplyOpacity(alphaBlendValue_);
}

bool TvxChassis::FadeWanted() const {
  const TvxSkinData* data = Data();
  return alphaBlendAnimation_ || (data && data->AnimationForAllWindows);
}

// A fade without a constant opacity of its own ends opaque.
int TvxChassis::FadeTarget() const { return FadeWanted() && !alphaBlend_ ? 255 : alphaBlendValue_; }

void TvxChassis::EffectsShowWindow(bool shown) {
  if (!shown) {
    // A fade cut short by hiding (or not begun) ends at its target, so the
    // window never stays transparent and no timer runs for a hidden window.
    if (fadePending_) {
      const int target = fade_.Running() ? fade_.Target() : FadeTarget();
      StopFade();
      if (target >= 255) SetLayered(false);
      else ApplyOpacity(target);
    }
    return;
  }
  const TvxSkinData* data = Data();
  if (Skinnable() && data && data->AnimationForAllWindows && alphaBlendValue_ == 0) alphaBlendValue_ = 255;
  if (!(alphaBlend_ || FadeWanted()) || !LayeredAvailable() || !form_->HandleAllocated()) return;
  HWND h = form_->Handle();
  const TvxPlatform& platform = TvxPlatform::Get();
  // The compositor's own show animation would play over the fade.
  if (Skinnable() && platform.IsVistaOrLater() && !transitionsOff_) {
    platform.SetWindowTransitions(h, false);
    transitionsOff_ = true;
  }
  fade_.Stop();
  SetLayered(true);
  ApplyOpacity(0);
  fadePending_ = true;
  SetTimer(h, kFadeTimerId, 1, nullptr);
}

void TvxChassis::EffectsTimer(WPARAM id) {
  if (id != kFadeTimerId || !fadePending_ || !form_ || !form_->HandleAllocated()) return;
  if (!LayeredAvailable() || !(alphaBlend_ || FadeWanted())) {
    StopFade();
    return;
  }
  const uint32_t now = FadeClock ? FadeClock() : GetTickCount();
  if (!fade_.Running()) {
    const bool fade = FadeWanted();
    const int target = FadeTarget();
    if (!fade) {
      StopFade();
      if (target < 255) ApplyOpacity(target);
      else SetLayered(false);
      return;
    }
    fade_.Start(target);
    if (!fade_.Running()) {  // a target of 0: nothing to fade
      StopFade();
      ApplyOpacity(0);
      return;
    }
  }
  if (fade_.Advance(now)) ApplyOpacity(fade_.Alpha());
  if (fade_.Running()) return;
  const int target = fade_.Target();
  StopFade();
  if (target >= 255) SetLayered(false);
}

void TvxChassis::EffectsSized() {
  if (!alphaBlend_ || alphaBlendValue_ >= 255 || !LayeredAvailable() || !form_ || !form_->HandleAllocated()) return;
  RepaintFrame();
  InvalidateRect(form_->Handle(), nullptr, TRUE);
}

// ---- the inactive client effect ----

void TvxChassis::FreeInActivePanel() {
  TvxClientInActivePanel* panel = inActivePanel_;
  inActivePanel_ = nullptr;
  if (panel) panel->Free();
}

void TvxChassis::EffectsActivation(bool active) {
  if (active || !ClientInActiveEffect) {
    FreeInActivePanel();
    return;
  }
  if (inActivePanel_ || !form_->HandleAllocated() || !IsWindowVisible(form_->Handle())) return;
  auto* panel = new TvxClientInActivePanel(this);
  inActivePanel_ = panel;
  if (!panel->Cover(form_, ClientInActiveEffectType)) FreeInActivePanel();
}

// ---- the tray ----

tk::TPopupMenu* TvxChassis::TrayPopupMenu() {
  if (trayMenu_) return trayMenu_;
  const frame::SystemMenuState s = SystemMenuStateNow();
  auto* menu = new TvxSkinPopupMenu(this);
  menu->PopupForm = form_;
  trayMenu_ = menu;
  for (const frame::MenuItem& m : frame::BuildTrayMenu(s).items) {
    auto* item = new tk::TMenuItem(trayMenu_);
    item->SetName(m.name);
    item->SetCaption(tk::Utf8ToWide(m.caption));
    item->SetShortCut(tk::TextToShortCut(tk::Utf8ToWide(m.shortcut)));
    const auto command = static_cast<frame::SystemMenuCommand>(m.command);
    item->Action = [this, command](tk::TMenuItem*) {
      if (command == frame::SystemMenuCommand::TrayRestore) RestoreFromTray();
      else if (form_) form_->Close();
    };
    trayMenu_->Items()->Add(item);
  }
  return trayMenu_;
}

void TvxChassis::SetTrayIcon(TvxTrayIcon* icon) {
  if (icon == trayIcon_) return;
  if (TvxTrayIcon* old = trayIcon_) {
    trayIcon_ = nullptr;
    // The old icon keeps nothing that points back at this frame.
    if (trayDblClickOurs_) old->OnDblClick = nullptr;
    if (trayMenu_ && old->PopupMenu() == trayMenu_) old->SetPopupMenu(nullptr);
    old->RemoveFreeNotification(this);
  }
  trayDblClickOurs_ = false;
  trayIcon_ = icon;
  if (Designing()) {
    SetBorderIcons(static_cast<TvxBorderIcons>(icon ? borderIcons_ | frame::biMinimizeToTray
                                                    : borderIcons_ & ~frame::biMinimizeToTray));
  }
  if (!icon) return;
  icon->FreeNotification(this);
  if (AlwaysShowInTray) icon->ShowIcon();
  else icon->HideIcon();
  icon->SetMinimizeToTray(false);
  if (Designing() || icon->PopupMenu()) return;
  icon->SetPopupMenu(TrayPopupMenu());
  if (!icon->OnDblClick) {
    icon->OnDblClick = [this](tk::TObject*) { RestoreFromTray(); };
    trayDblClickOurs_ = true;
  }
}

void TvxChassis::MinimizeToTray() {
  if (!trayIcon_) return;
  trayIcon_->SetMinimizeToTray(true);
  trayIcon_->MinimizeApplication();
  if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TvxChassis::RestoreFromTray() {
  if (!trayIcon_) return;
  trayIcon_->SetMinimizeToTray(false);
  trayIcon_->ShowApplicationWindow();
  if (tk::Application) tk::Application->Restore();
  // A handler of the restore may have taken the icon away.
  if (!trayIcon_) return;
  if (!AlwaysShowInTray) trayIcon_->HideIcon();
  if (OnRestoreFromTray) OnRestoreFromTray(this);
}

bool TvxChassis::EffectsCommand(frame::TvxStdCommand command) {
  switch (command) {
    case frame::TvxStdCommand::cmminimizetotray:
      MinimizeToTray();
      return true;
    case frame::TvxStdCommand::cmminimize:
      // Without an icon to restore from, the button minimizes as usual.
      if (!AlwaysMinimizeToTray || !trayIcon_) return false;
      MinimizeToTray();
      return true;
    default:
      return false;
  }
}

void TvxChassis::EffectsNotification(tk::TComponent* component) {
  if (component == trayIcon_) {
    trayIcon_ = nullptr;
    trayDblClickOurs_ = false;
  }
  if (component == trayMenu_) trayMenu_ = nullptr;
  if (component == inActivePanel_) inActivePanel_ = nullptr;
}

}  // namespace vx
