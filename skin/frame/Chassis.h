// TvxChassis: the component that takes over a form's window frame and draws
// it from the skin.
//
// It sits in front of the form's message handling (a removable hook) and
// answers the non-client messages itself: the client area's size, hit tests,
// painting, activation. It cuts the window's region from the skin's mask,
// paints the client background, and routes the mouse over the frame to the
// frame objects (caption and caption buttons). With no skin, or an empty one,
// it draws a plain frame of its own in the system colours (default mode), so
// the form can always be moved, minimized and closed.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ClientInActivePanel.h"
#include "FrameHitTest.h"
#include "FrameMouse.h"
#include "FramePaint.h"
#include "FrameTypes.h"
#include "SystemMenu.h"
#include "WindowStates.h"
#include "tkImgList.h"
#include "tkForms.h"
#include "tkTimer.h"
#include "TrayIcon.h"
#include "vxRegionWin.h"
#include "vxSkinDataComponents.h"
#include "vxWindowFade.h"
#include "vxQuickButtonItems.h"
#include "vxSkinHints.h"

namespace vx {

class TvxSkinMenu;
using frame::TvxBorderIcon;
using frame::TvxBorderIcons;
using frame::TvxPositionInMonitor;
using enum frame::TvxPositionInMonitor;

// Replaces the caption text drawing: the canvas the caption is drawn on, the
// caption's rectangle on it and whether the frame is active.
using TvxCaptionPaintEvent = std::function<void(tk::TCanvas& canvas, const tk::TRect& rect, bool active)>;

// The frame objects' events carry the object's name (its record's name).
using TvxObjectEvent = std::function<void(const std::string& idName)>;
using TvxObjectPaintEvent = std::function<void(const std::string& idName, tk::TCanvas& canvas, const tk::TRect& rect)>;
using TvxActivateCustomObjectEvent = std::function<void(const std::string& idName, bool& visible)>;

// The frame's private messages that other skinned components may send it.
constexpr UINT kFrameQueryMessage = 45490;    // answered kFrameQuerySkinnable / kFrameQueryPlain
constexpr UINT kFrameSuspendLayered = 45491;  // the layered border pauses ...
constexpr UINT kFrameResumeLayered = 45492;   // ... and comes back
constexpr UINT kFramePrintMessage = 45513;    // paint the frame into the DC in wParam
constexpr UINT kFramePrintMessage2 = 48203;   // the same when lParam is kFramePrintKey
constexpr LRESULT kFrameQuerySkinnable = 12853;
constexpr LRESULT kFrameQueryPlain = 12852;
constexpr LRESULT kFramePrinted = 12851;
constexpr LPARAM kFramePrintKey = 16802;

class TvxChassis : public tk::TComponent {
 public:
  // The owner must be a form; anything else is refused with EInvalidCast.
  explicit TvxChassis(tk::TComponent* owner);
  ~TvxChassis() override;

  tk::TCustomForm* Form() const { return form_; }
  TvxSkinDataComponent* SkinData() const { return skinData_.Get(); }
  void SetSkinData(TvxSkinDataComponent* data);

  TvxBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TvxBorderIcons icons);
  bool HideCaptionButtons() const { return hideCaptionButtons_; }
  void SetHideCaptionButtons(bool hide);
  bool ShowIcon() const { return showIcon_; }
  void SetShowIcon(bool show);
  // The user's size limits (0: none); a window outside them is brought inside.
  int MinWidth() const { return minWidth_; }
  int MinHeight() const { return minHeight_; }
  int MaxWidth() const { return maxWidth_; }
  int MaxHeight() const { return maxHeight_; }
  void SetMinWidth(int v) { SetLimit(minWidth_, v); }
  void SetMinHeight(int v) { SetLimit(minHeight_, v); }
  void SetMaxWidth(int v) { SetLimit(maxWidth_, v); }
  void SetMaxHeight(int v) { SetLimit(maxHeight_, v); }
  // A client size forced after every skin change (0: not forced); applied at
  // once when set.
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientWidth(int v);
  void SetClientHeight(int v);
  bool AlwaysResize() const { return alwaysResize_; }
  void SetAlwaysResize(bool v) { alwaysResize_ = v; }
  // Fonts of the caption in default mode; a change repaints the frame.
  const tk::TFont& DefCaptionFont() const { return defCaptionFont_; }
  const tk::TFont& DefInActiveCaptionFont() const { return defInActiveCaptionFont_; }
  tk::TFont& DefMenuItemFont() { return defMenuItemFont_; }
  void SetDefCaptionFont(const tk::TFont& font);
  void SetDefInActiveCaptionFont(const tk::TFont& font);
  // A picture drawn centred in the client area over the background; with
  // LogoBitMapTransparent its bottom-left pixel's colour is left out.
  const TvxPixmap& LogoBitMap() const { return logo_; }
  void SetLogoBitMap(const TvxPixmap& logo);
  bool LogoBitMapTransparent() const { return logoTransparent_; }
  void SetLogoBitMapTransparent(bool transparent);

  // Settings read when they are needed, so they act as soon as they are set.
  bool UseDefaultSysMenu = true;
  bool DisableSystemMenu = false;
  bool Magnetic = false;
  int MagneticSize = 5;
  TvxPositionInMonitor PositionInMonitor = vxpDefault;
  bool UseFormCursorInNCArea = false, MaximizeOnFullScreen = false;
  bool AlwaysShowInTray = false, AlwaysMinimizeToTray = false;
  bool ShowObjectHint = false, UseDefaultObjectHint = true;
  bool ClientInActiveEffect = false;
  TvxClientInActiveEffect ClientInActiveEffectType = vxieSemiTransparent;
  bool MenusAlphaBlend = false, MenusAlphaBlendAnimation = false;
  int MenusAlphaBlendValue = 200;
  int MaxMenuItemsInWindow = 0;
  bool UseSkinFontInMenu = true;
  int DefMenuItemHeight = 20;
  bool QuickButtonsShowHint = false;
  bool QuickButtonsShowDivider = true;

  tk::TNotifyEvent OnActivate, OnDeActivate;
  tk::TNotifyEvent OnMinimize, OnMaximize, OnRestore, OnChangeRollUpState;
  TvxObjectEvent OnMouseEnterEvent, OnMouseLeaveEvent, OnMouseDownEvent, OnMouseUpEvent, OnMouseMoveEvent;
  // Draws a user object (the skin's "userobject" records) onto the frame.
  TvxObjectPaintEvent OnPaintEvent;
  // Whether an object without a standard command shows (hidden without it).
  TvxActivateCustomObjectEvent OnActivateCustomObject;
  tk::TNotifyEvent OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData;
  TvxCaptionPaintEvent OnCaptionPaint;

  // Skin mode: a skin is assigned and loaded; otherwise the default frame.
  bool SkinMode() const { return skinPresent_; }
  bool IsFrameActive() const;
  // Paints the frame into `dc`, or into the window's own when null.
  void PaintFrame(HDC dc = nullptr);
  void RepaintFrame();
  // Takes the skin (or its absence) into use: objects, region, repaint.
  void ApplySkinData();
  // The frame's own window state and roll-up: the one source of truth while
  // the form is skinnable (the form's WindowState stays normal meanwhile).
  frame::TvxFrameWindowState WindowState() const { return states_.State(); }
  bool RolledUp() const { return states_.RolledUp(); }
  void SetFrameWindowState(frame::TvxFrameWindowState state);
  void SetRollUpState(bool rolled);
  // What the frame rules see now (for the tests and the frame's own use).
  const frame::FrameGeometry& Geometry() const { return geometry_; }
  const frame::FrameObjectList& Objects() const { return mouse_.Objects(); }
  int StripBuilds() const { return stripCache_.Builds(); }
  bool HoverPolling() const { return hoverTimer_ && hoverTimer_->Enabled(); }

  // ---- skinned menus and the system menu (ChassisMenus.cpp) ----
  // The frame's menu windows (made on first use, freed with the frame).
  TvxSkinMenu& SkinMenu();
  // The system menu's items for the window's state now.
  frame::MenuItem GetSystemMenuItems() const;
  // At a screen point, or under a screen rectangle.
  void PopupSystemMenu(int x, int y);
  void PopupSystemMenu(const RECT& under);
  // A skinned menu of this frame opens / all of them closed.
  void MenuOpenNotification();
  void MenusClosed();
  bool MenuOpen() const { return menuOpen_; }
  tk::TNotifyEvent OnSkinMenuOpen, OnSkinMenuClose;

 private:
  bool MenuMessage(tk::TMessage& m);
  void MenuLoopMessage(MSG& msg, bool& handled);
  void RunSystemMenuCommand(frame::SystemMenuCommand command);
  frame::SystemMenuState SystemMenuStateNow() const;
  TvxSkinMenu* skinMenu_ = nullptr;
  bool menuOpen_ = false;
  tk::THookToken menuLoopHook_ = 0;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void Hook(tk::TMessage& m, const tk::TWndMethod& next);
  bool Skinnable() const { return skinnable_ && form_ && form_->BorderStyle() != tk::bsNone; }
  const TvxSkinData* Data() const;
  frame::FrameOptions Options() const;
  frame::MonitorRects Monitor() const;
  frame::SizeState Sizes() const;
  void WindowSize(int& w, int& h) const;
  void CalcSize(tk::TMessage& m);
  void HitTest(tk::TMessage& m);
  void Activation(tk::TMessage& m);
  void CaptionActivity();
  void SizeChanged();
  void SystemMaximized();
  void AfterResize();
  void UpdateWindowRegion();
  void FrameChanged();
  void SkinMessage(tk::TMessage& m, const tk::TWndMethod& next);
  void EraseBackground(HDC dc);
  void DrawLogo(HDC dc, const RECT& client);
  void MinMaxInfo(MINMAXINFO* info);
  void SetText(tk::TMessage& m, const tk::TWndMethod& next);
  void Mouse(tk::TMessage& m);
  frame::StateEnv StateEnvNow(frame::FrameOptions& options, frame::MonitorRects& monitor) const;
  void RunStateActions(const frame::StateActions& actions);
  void RunCommand(frame::TvxStdCommand command);
  void SizeMove(tk::TMessage& m, const tk::TWndMethod& next);
  void ForceRelayout();
  frame::CommandsInEffect InEffect() const;
  void RunEvents(const frame::FrameEvents& events);
  void HoverPoll();
  void MorphStep();
  bool Morphs(const frame::FrameObject& o) const;
  void ApplyIcons();
  void LayoutObjects();
  void ComposeDefault(BorderStrips& strips, frame::Rect& client);
  void DrawSkinCaptionText(TvxPixmap& strip, const frame::FrameObject& caption, const frame::Rect& rect, bool active);
  void DrawDefaultCaptionText(TvxPixmap& top, const frame::Rect& area, bool active);
  std::wstring CaptionText() const;
  void SetLimit(int& field, int value);
  void KeepWithinLimits();

  tk::TCustomForm* form_ = nullptr;
  tk::THookToken hook_ = 0;
  TvxSkinDataLink skinData_;
  tk::TFont defCaptionFont_, defInActiveCaptionFont_, defMenuItemFont_;
  TvxBorderIcons borderIcons_ = frame::kDefaultBorderIcons;
  bool hideCaptionButtons_ = false;
  bool showIcon_ = false;
  int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
  int clientWidth_ = 0, clientHeight_ = 0;
  bool alwaysResize_ = false;

  bool skinnable_ = true;
  bool designedSizeApplied_ = false;
  bool skinPresent_ = false;
  bool skinChanging_ = false;
  int width_ = 0, height_ = 0;
  frame::FrameSkin skin_;
  frame::FrameGeometry geometry_;
  frame::FrameMouse mouse_;
  frame::WindowStates states_;
  frame::MaskStrips maskStrips_;
  frame::FrameStripCache stripCache_;
  frame::MagneticState magnetic_;
  bool sizeMoveLoop_ = false, resizedInLoop_ = false, fullDrag_ = false;
  frame::Rect defaultCaptionArea_;
  TvxWindowRegion region_;
  // What the region on the window was made from.
  struct RegionKey {
    int width = -1, height = -1;
    bool skin = false, skinnable = false, captionBar = false;
    uint64_t generation = 0;
    friend bool operator==(const RegionKey&, const RegionKey&) = default;
  };
  RegionKey regionKey_;
  TvxPixmap clientTile_;
  TvxPixmap logo_;
  bool logoTransparent_ = false;
  uint64_t clientTileGeneration_ = ~uint64_t{0};
  tk::TTimer* hoverTimer_ = nullptr;
  tk::TTimer* morphTimer_ = nullptr;

  // ---- window effects and the tray (ChassisEffects.cpp) ----
 public:
  // Constant opacity of the window (layered); applied at once when set.
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool on);
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(int value);
  // Fades the window in from transparent each time it is shown.
  bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
  void SetAlphaBlendAnimation(bool on) { alphaBlendAnimation_ = on; }
  // The millisecond tick counter the fade reads (GetTickCount when empty).
  std::function<uint32_t()> FadeClock;
  bool Fading() const { return fade_.Running(); }

  TvxTrayIcon* TrayIcon() const { return trayIcon_; }
  void SetTrayIcon(TvxTrayIcon* icon);
  void MinimizeToTray();
  void RestoreFromTray();
  tk::TNotifyEvent OnMinimizeToTray, OnRestoreFromTray;
  // The menu a tray icon without one of its own gets: restore and close.
  tk::TPopupMenu* TrayPopupMenu();

  // The picture over the client area while the form is inactive, or null.
  TvxClientInActivePanel* ClientInActivePanel() const { return inActivePanel_; }

 private:
  static constexpr UINT_PTR kFadeTimerId = 1;
  bool FadeWanted() const;
  int FadeTarget() const;
  void EffectsShowWindow(bool shown);
  void EffectsTimer(WPARAM id);
  void EffectsSized();
  void EffectsActivation(bool active);
  void EffectsNotification(tk::TComponent* component);
  bool EffectsCommand(frame::TvxStdCommand command);
  void SetLayered(bool on);
  void ApplyOpacity(int alpha);
  void StopFade();
  void FreeInActivePanel();

  bool alphaBlend_ = false, alphaBlendAnimation_ = false;
  int alphaBlendValue_ = 200;
  TvxWindowFade fade_;
  bool fadePending_ = false, transitionsOff_ = false;
  TvxTrayIcon* trayIcon_ = nullptr;
  tk::TPopupMenu* trayMenu_ = nullptr;
  bool trayDblClickOurs_ = false;
  TvxClientInActivePanel* inActivePanel_ = nullptr;

  // ---- the caption's quick buttons and the frame's animations (ChassisCaption.cpp) ----
 public:
  TvxQuickButtonItems& QuickButtons() { return quickButtons_; }
  // The quick buttons' images; none: the buttons are not shown.
  tk::TCustomImageList* QuickImageList() const { return quickImages_; }
  void SetQuickImageList(tk::TCustomImageList* list);
  // The 25 ms tick of the caption animation and the animate objects runs.
  bool AnimationRunning() const;

 private:
  bool QuickButtonsShown() const;
  void QuickButtonsChanged();
  void CaptionNotification(tk::TComponent* component);
  void CaptionActiveChanged();
  void StartAnimations();
  void AnimationTick();
  void CaptionObjectEvents(const frame::FrameEvents& events);
  bool LayoutQuickButtons();
  const frame::QuickButtonsPaint* QuickButtonsForPaint();
  frame::QuickButtonStrip QuickStrip();
  int QuickTextIndent();
  TvxQuickButtonItems quickButtons_{[this] { QuickButtonsChanged(); }};
  tk::TCustomImageList* quickImages_ = nullptr;
  tk::TTimer* animationTimer_ = nullptr;
  std::vector<frame::QuickButton*> quickRefs_;
  frame::QuickButtonsPaint quickPaint_;

  // ---- object hints: the skinned hint over frame objects (ChassisHints.cpp) ----
 public:
  TvxSkinHint* SkinHint() const { return skinHint_; }
  void SetSkinHint(TvxSkinHint* hint);
  // Shows `text` (UTF-8) in the SkinHint's window after the hint pause, and
  // hides it; nothing happens without a SkinHint.
  void ShowObjectHintText(const std::string& text);
  void HideObjectHint();

 private:
  // Before the message table: hover tracking learns whether hints are on,
  // popup-dismissing messages hide the hint, new strings give new hints.
  void HintMessage(const tk::TMessage& m);
  // The standard buttons' default hints (UseDefaultObjectHint).
  void ApplyObjectHints();
  TvxSkinHint* skinHint_ = nullptr;
};

// The chassis attached to a form, or null.
TvxChassis* FindChassis(tk::TCustomForm* form);

}  // namespace vx
