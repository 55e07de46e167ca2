// Skinned hints: a component that, placed on the application's main form,
// makes every hint of the application appear in a hint window drawn from the
// skin's HINTWINDOW record, and shows the frame's object hints.
//
//   TvxSkinHint        the component: takes over the application's hint
//                      window class and show-hint event while it exists;
//                      owns one hint window of its own for object hints
//   TvxSkinHintWindow  the hint window: no border, sized and placed by the
//                      hint rules, cut to the record's mask, optionally
//                      translucent and faded in from a timer
//
// The window keeps everything it paints with (text, font, background) from
// the moment it was activated, so a component or skin that goes away while
// a hint shows never leaves it pointing at freed data.
#pragma once

#include <windows.h>

#include <string>

#include "HintLayout.h"
#include "tkForms.h"
#include "tkTimer.h"
#include "vxRegionWin.h"
#include "vxSkinDataComponents.h"
#include "vxWindowFade.h"

namespace vx {

class TvxSkinHint;

class TvxSkinHintWindow : public tk::THintWindow {
 public:
  explicit TvxSkinHintWindow(tk::TComponent* owner);
  ~TvxSkinHintWindow() override;

  tk::TRect CalcHintRect(int maxWidth, const std::wstring& hint) override;
  // Shows the hint with its top-left corner at r's (flipped near the work
  // area's edges); nothing shows without an active hint component.
  void ActivateHint(const tk::TRect& r, const std::wstring& hint) override;
  void ReleaseHint() override;

  // What the last activation made of the hint.
  bool Skinned() const { return skin_.present; }
  const frame::HintGeometry& Geometry() const { return geometry_; }
  const std::wstring& ShownText() const { return text_; }
  bool Fading() const { return fade_.Running(); }
  int Alpha() const { return fade_.Alpha(); }

 protected:
  void CreateParams(tk::TCreateParams& params) override;
  void WndProc(tk::TMessage& m) override;
  void Paint() override;

 private:
  // The component this window shows for: its owner when that is a hint
  // component, else the main form's first active one.
  TvxSkinHint* Component() const;
  void Prepare(TvxSkinHint& component, const std::wstring& hint);
  tk::TRect WorkArea() const;
  void ApplyAlpha(TvxSkinHint& component, HWND h);
  void ApplyRegion(const TvxSkinData* data, HWND h);
  void StopFade();

  frame::HintSkin skin_;
  frame::HintGeometry geometry_;
  std::wstring text_;
  tk::TFont textFont_;
  tk::TColor textColor_ = tk::clInfoText;
  TvxPixmap background_;
  TvxWindowRegion region_;
  TvxWindowFade fade_;
  bool fadeTimer_ = false;
  bool layered_ = false;
  int appliedAlpha_ = -1;
};

class TvxSkinHint : public tk::TComponent {
 public:
  // Takes over the application's hint window class and show-hint event.
  explicit TvxSkinHint(tk::TComponent* owner);
  ~TvxSkinHint() override;

  bool Active() const { return active_; }
  // Activating one deactivates every other hint component of the main form.
  void SetActive(bool active);
  TvxSkinDataComponent* SkinData() const { return skinData_.Get(); }
  void SetSkinData(TvxSkinDataComponent* data) { skinData_.Set(data); }
  bool AlphaBlend = false;
  int AlphaBlendValue = 255;
  bool AlphaBlendAnimation = false;
  tk::TFont& DefaultFont() { return defaultFont_; }
  bool UseSkinFont = true;
  std::wstring LineSeparator = L"@";
  // Called from the application's show-hint event while this one is active.
  tk::TApplication::TShowHintEvent OnShowHint;

  // The title and image taken from the skinned control that asked for the
  // hint (an extended hint shows the title above the text).
  const std::wstring& HintTitle() const { return title_; }
  int HintImageIndex() const { return imageIndex_; }

  // Object hints of the frame: shown after the application's HintPause just
  // below the pointer, hidden after its HintHidePause or when asked.
  void ShowObjectHint(const std::wstring& text);
  void HideObjectHint();
  bool ObjectHintPending() const { return timer_ && timer_->Enabled() && !objectHintShown_; }
  TvxSkinHintWindow* HintWindow() const { return window_; }

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void TakeOverShowHint();
  void ApplicationShowHint(std::wstring& hint, bool& canShow, tk::TApplication::THintInfo& info);
  void ObjectHintTimer();

  bool active_ = true;
  TvxSkinDataLink skinData_;
  tk::TFont defaultFont_;
  std::wstring title_;
  int imageIndex_ = -1;
  TvxSkinHintWindow* window_ = nullptr;
  tk::TTimer* timer_ = nullptr;
  std::wstring objectText_;
  bool objectHintShown_ = false;
};

// The first active hint component the application's main form owns, or null.
TvxSkinHint* FindActiveSkinHint();

}  // namespace vx
