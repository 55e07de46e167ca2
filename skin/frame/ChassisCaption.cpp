// The caption's quick buttons and the frame's animations on the window: the
// quick buttons laid out on the caption for every paint and hit test, drawn
// with the frame, lit, pressed and clicked through the caption's mouse
// events; the 25 ms tick that plays the caption's strip when the window's
// activity changes and steps the animate objects as the pointer comes and
// goes. The rules are FrameAnimation and QuickButtons; this binds them.
#include <algorithm>

#include "Chassis.h"
#include "FrameAnimation.h"
#include "QuickButtonRecords.h"
#include "vxPixmapDib.h"

namespace vx {

using K = frame::FrameEvent::Kind;

void TvxChassis::SetQuickImageList(tk::TCustomImageList* list) {
  if (list == quickImages_) return;
  if (quickImages_) {
    quickImages_->UnRegisterChanges(this);
    quickImages_->RemoveFreeNotification(this);
  }
  quickImages_ = list;
  if (quickImages_) {
    quickImages_->FreeNotification(this);
    quickImages_->RegisterChanges(this, [this](tk::TObject*) { QuickButtonsChanged(); });
  }
  QuickButtonsChanged();
}

void TvxChassis::CaptionNotification(tk::TComponent* component) {
  if (component == quickImages_) {
    quickImages_ = nullptr;
    if (form_ && !(form_->ComponentState() & tk::csDestroying)) QuickButtonsChanged();
  }
}

void TvxChassis::QuickButtonsChanged() {
  if (!Loading() && !Designing()) RepaintFrame();
}

bool TvxChassis::QuickButtonsShown() const {
  return skinPresent_ && quickImages_ && !quickButtons_.Empty() && frame::FirstCaptionIndex(mouse_.Objects()) >= 0;
}

bool TvxChassis::LayoutQuickButtons() {
  quickRefs_ = quickButtons_.States();
  quickPaint_.items = quickRefs_;
  if (!QuickButtonsShown()) {
    quickPaint_.layout = {};
    return false;
  }
  quickPaint_.looks.imageWidth = quickImages_->Width();
  quickPaint_.looks.imageHeight = quickImages_->Height();
  return frame::LayoutQuickButtonsOnCaption(quickPaint_, mouse_.Objects(), QuickButtonsShowDivider);
}

const frame::QuickButtonsPaint* TvxChassis::QuickButtonsForPaint() {
  if (!LayoutQuickButtons()) return nullptr;
  frame::QuickButtonBackgroundFromSkinData(*Data(), quickPaint_.looks);
  tk::TCustomImageList* images = quickImages_;
  quickPaint_.looks.drawImage = [images](TvxPixmap& canvas, int x, int y, int index, bool enabled) {
    HDC dc = PixmapDC(canvas);
    if (!dc) return;
    images->Draw(dc, x, y, index, enabled);
    GdiFlush();
  };
  return &quickPaint_;
}

frame::QuickButtonStrip TvxChassis::QuickStrip() {
  frame::QuickButtonStrip strip;
  if (!LayoutQuickButtons()) return strip;
  const int step = quickImages_->Width() + 8;
  strip.count = static_cast<int>(std::count_if(quickRefs_.begin(), quickRefs_.end(),
                                               [](const frame::QuickButton* b) { return b->visible; }));
  strip.imageWidth = quickImages_->Width();
  const frame::FrameObject& caption = mouse_.Objects()[frame::FirstCaptionIndex(mouse_.Objects())];
  strip.leading = frame::QuickStripWidth(quickPaint_.layout, caption.rect) - strip.count * step;
  return strip;
}

int TvxChassis::QuickTextIndent() {
  if (!LayoutQuickButtons()) return 0;
  const frame::FrameObject& caption = mouse_.Objects()[frame::FirstCaptionIndex(mouse_.Objects())];
  return frame::QuickStripWidth(quickPaint_.layout, caption.rect);
}

void TvxChassis::CaptionObjectEvents(const frame::FrameEvents& events) {
  frame::FrameObjectList& list = mouse_.Objects();
  const int caption = frame::FirstCaptionIndex(list);
  const bool quick = LayoutQuickButtons();
  bool repaint = false, animate = false;
  int click = -1;
  for (const frame::FrameEvent& e : events) {
    if (e.object < 0 || e.object >= static_cast<int>(list.size())) continue;
    frame::FrameObject& o = list[e.object];
    if (o.kind == frame::ObjectKind::Animate) {
      if (e.kind == K::MouseEnter) animate = frame::AnimateEnter(o) || animate;
      else if (e.kind == K::MouseLeave) animate = frame::AnimateLeave(o) || animate;
      else if (e.kind == K::MouseDown && e.button == frame::MouseButton::Left && o.Enabled) frame::AnimatePress(o);
      continue;
    }
    if (e.object != caption || !quick) continue;
    frame::QuickButtonChange c;
    switch (e.kind) {
      case K::MouseMove: c = frame::QuickButtonsMove(quickRefs_, e.x, e.y); break;
      case K::MouseDown:
        if (e.button == frame::MouseButton::Left) c = frame::QuickButtonsPress(quickRefs_);
        break;
      case K::MouseUp:
        if (e.button == frame::MouseButton::Left) c = frame::QuickButtonsRelease(quickRefs_, e.x, e.y);
        break;
      case K::MouseLeave: c = frame::QuickButtonsLeave(quickRefs_); break;
      default: break;
    }
    repaint = repaint || c.repaint;
    if (c.click >= 0) click = c.click;
  }
  if (animate) StartAnimations();
  if (repaint) RepaintFrame();
  // The handler may change the buttons, the skin or the form: nothing of the
  // list is used after it.
  if (TvxQuickButtonItem* item = quickButtons_.Items(click); item && item->OnClick) item->OnClick(this);
}

// ---- animations ----

bool TvxChassis::AnimationRunning() const { return animationTimer_ && animationTimer_->Enabled(); }

void TvxChassis::StartAnimations() {
  if (!animationTimer_) {
    animationTimer_ = new tk::TTimer(this);
    animationTimer_->SetEnabled(false);
    animationTimer_->SetInterval(frame::kAnimationTickMs);
    animationTimer_->SetOnTimer([this](tk::TObject*) { AnimationTick(); });
  }
  animationTimer_->SetEnabled(true);
}

void TvxChassis::CaptionActiveChanged() {
  frame::FrameObjectList& list = mouse_.Objects();
  const int caption = frame::FirstCaptionIndex(list);
  if (caption < 0) return;
  frame::FrameObject& c = list[caption];
  const bool effects = skinPresent_ && Data() && Data()->EnableSkinEffects;
  bool run = false;
  if (effects) run = frame::StartCaptionAnimation(c, c.Active);
  else frame::SettleCaptionAnimation(c, c.Active);
  // Decorative animations loop only while the window is active.
  run = run || std::any_of(list.begin(), list.end(), [](const frame::FrameObject& o) {
          return o.kind == frame::ObjectKind::Animate && o.cycle;
        });
  if (run) StartAnimations();
}

void TvxChassis::AnimationTick() {
  if (!form_ || !form_->HandleAllocated() || !Skinnable() || !skinPresent_) {
    animationTimer_->SetEnabled(false);
    return;
  }
  const frame::AnimationTick t = frame::TickAnimations(mouse_.Objects(), IsFrameActive());
  if (!t.running) animationTimer_->SetEnabled(false);
  if (!t.redraw.empty()) RepaintFrame();
}

}  // namespace vx
