#include "vxSkinControlBase.h"

#include <algorithm>
#include <vector>

#include "tkForms.h"
#include "vxBorderStrips.h"
#include "vxMaskStrips.h"
#include "vxRegionData.h"
#include "vxSkinMessages.h"

namespace vx {

void SetDefaultSkinFont(tk::TFont& font, tk::TColor color, tk::TFontStyles style) {
  font.SetName(L"Arial");
  font.SetHeight(14);
  font.SetColor(color);
  font.SetStyle(style);
}

namespace {

// Copies a drawn image into the off-screen bitmap at (0, 0); the bitmap keeps
// its size (a fitted control and its image have the same one).
void Blit(const TvxPixmap& image, tk::TBitmap& bitmap) {
  if (bitmap.Empty() || image.Empty()) return;
  GdiFlush();  // GDI may still be drawing into the bitmap
  CopyRect(image, {0, 0, image.Width(), image.Height()}, bitmap.Pixmap(), {0, 0, image.Width(), image.Height()});
}

void PaintOffScreen(tk::TControl& control, tk::TCanvas& canvas, bool hasRecord,
                    const std::function<void(tk::TBitmap&)>& drawDefault,
                    const std::function<void(tk::TBitmap&)>& drawSkin) {
  const int w = control.Width(), h = control.Height();
  if (w <= 0 || h <= 0) return;
  tk::TBitmap bitmap(w, h);
  if (hasRecord)
    drawSkin(bitmap);
  else
    drawDefault(bitmap);
  canvas.Draw(0, 0, bitmap);
}

void FillFace(tk::TBitmap& bitmap) {
  tk::TCanvas& c = bitmap.Canvas();
  c.Brush().SetStyle(tk::bsSolid);
  c.Brush().SetColor(tk::clBtnFace);
  c.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

bool IsSkinAnnouncement(unsigned msg) { return msg == WM_SKIN_BEFORE_CHANGE || msg == WM_SKIN_CHANGED; }

}  // namespace

void PaintParentBackground(tk::TControl* control, HDC dc) {
  if (!control || !dc) return;
  tk::TWinControl* parent = control->Parent();
  if (!parent) return;
  struct PaintCopy {
    tk::TControl& c;
    explicit PaintCopy(tk::TControl& control) : c(control) { c.ControlState |= tk::csPaintCopy; }
    ~PaintCopy() { c.ControlState &= ~tk::csPaintCopy; }
  } parentCopy(*parent);
  POINT origin;
  GetViewportOrgEx(dc, &origin);
  {
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
    const tk::TRect client = parent->ClientRect();
    IntersectClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<uintptr_t>(dc), 0);
    if (!dynamic_cast<tk::TCustomForm*>(parent)) parent->PaintWindowTo(dc);
    RestoreDC(dc, saved);
  }
  const tk::TRect bounds = control->BoundsRect();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    tk::TControl* sibling = parent->Controls(i);
    if (sibling == control) break;
    if (dynamic_cast<tk::TWinControl*>(sibling) || !sibling->Visible()) continue;
    const tk::TRect b = sibling->BoundsRect();
    if (b.Right <= bounds.Left || b.Left >= bounds.Right || b.Bottom <= bounds.Top || b.Top >= bounds.Bottom) continue;
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, origin.x + b.Left - bounds.Left, origin.y + b.Top - bounds.Top, nullptr);
    IntersectClipRect(dc, 0, 0, b.Width(), b.Height());
    PaintCopy siblingCopy(*sibling);
    sibling->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0);
    RestoreDC(dc, saved);
  }
}

// ---- TvxSkinControl ----

TvxSkinControl::TvxSkinControl(tk::TComponent* owner) : tk::TCustomControl(owner), skinData_(*this) {
  SetDefaultSkinFont(defaultFont_, tk::clWindowText);
  ControlStyle |= tk::csOpaque;
  SetColor(tk::clBtnFace);
}

void TvxSkinControl::SetSkinData(TvxSkinDataComponent* data) {
  skinData_.Set(data);
  if (data && !data->Empty() && !Designing()) ApplySkin();
}

TvxSkinRecord* TvxSkinControl::Record() const {
  TvxSkinDataComponent* data = SkinData();
  return data && recordIndex_ >= 0 ? data->ControlRecord(recordIndex_) : nullptr;
}

void TvxSkinControl::FindSkinRecord() {
  TvxSkinDataComponent* data = SkinData();
  recordIndex_ = data && !data->Empty() ? data->GetControlIndex(skinDataName_) : -1;
}

void TvxSkinControl::ApplySkin() {
  FindSkinRecord();
  Repaint();
}

void TvxSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  FindSkinRecord();
  PaintOffScreen(*this, Canvas(), recordIndex_ >= 0, [this](tk::TBitmap& b) { DrawDefaultImage(b); },
                 [this](tk::TBitmap& b) { DrawSkinImage(b); });
}

void TvxSkinControl::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TCustomControl::Notification(component, operation);
  skinData_.Notification(component, operation);
}

void TvxSkinControl::WndProc(tk::TMessage& m) {
  switch (m.Msg) {
    case WM_SKIN_BEFORE_CHANGE:
    case WM_SKIN_CHANGED:
      // A control bound to another skin data is not this announcement's.
      if (SkinMessageFrom(m.WParam, SkinData())) {
        if (m.Msg == WM_SKIN_BEFORE_CHANGE)
          ReleaseSkin();
        else
          ApplySkin();
      }
      return;
    case VXM_PARENTBACKGROUND:
      ParentBackgroundChanged();
      return;
    case WM_ERASEBKGND:
      m.Result = 1;  // the paint covers every pixel
      return;
    case WM_PAINT: {
      const bool outer = inPaintMessage_;
      inPaintMessage_ = true;
      try {
        tk::TCustomControl::WndProc(m);
      } catch (...) {
        inPaintMessage_ = outer;
        throw;
      }
      inPaintMessage_ = outer;
      return;
    }
    default:
      break;
  }
  tk::TCustomControl::WndProc(m);
}

// ---- TvxSkinCustomControl ----

TvxSkinCustomControl::TvxSkinCustomControl(tk::TComponent* owner) : TvxSkinControl(owner) {
  DefaultFont().OnChange = [this](tk::TObject*) {
    if (recordIndex_ < 0) Invalidate();
  };
}

void TvxSkinCustomControl::SetDefaultWidth(int width) {
  defaultWidth_ = width;
  if (recordIndex_ < 0 && width > 0) SetWidth(width);
}

void TvxSkinCustomControl::SetDefaultHeight(int height) {
  defaultHeight_ = height;
  if (recordIndex_ < 0 && height > 0) SetHeight(height);
}

const TvxPixmap* TvxSkinCustomControl::Picture() const {
  return SkinData() && recordIndex_ >= 0 ? SkinData()->Picture(geometry_.pictureIndex) : nullptr;
}

const TvxPixmap* TvxSkinCustomControl::MaskPicture() const {
  return SkinData() && recordIndex_ >= 0 ? SkinData()->Picture(geometry_.maskIndex) : nullptr;
}

void TvxSkinCustomControl::FindSkinRecord() {
  TvxSkinControl::FindSkinRecord();
  if (recordIndex_ < 0) {
    geometry_.Clear();
    return;
  }
  // A record of another kind (not a custom control) draws nothing at a fixed size.
  geometry_.Load(dynamic_cast<const TvxDataSkinCustomControl*>(Record()),
                 static_cast<int>(SkinData()->PictureList.size()));
}

void TvxSkinCustomControl::FitSkinSize(int& width, int& height) {
  if (recordIndex_ < 0) return;
  geometry_.FitSkinSize(width, height);
}

void TvxSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  FindSkinRecord();
  const bool skinResize = recordIndex_ >= 0 && (width != Width() || height != Height());
  if (skinResize) FitSkinSize(width, height);
  TvxSkinControl::SetBounds(left, top, width, height);
  if (skinResize) {
    UpdateSkinRegion();
    Repaint();
  }
  if (recordIndex_ >= 0 && geometry_.stretcheffect) NotifyChildBackgrounds();
}

void TvxSkinCustomControl::ApplySkin() {
  FindSkinRecord();
  bool resized = false;
  if (recordIndex_ < 0) {
    if (defaultWidth_ > 0) SetWidth(defaultWidth_);
    if (defaultHeight_ > 0) SetHeight(defaultHeight_);
  } else {
    int w = Width(), h = Height();
    FitSkinSize(w, h);
    resized = w != Width() || h != Height();
    if (w != Width()) SetWidth(w);
    if (h != Height()) SetHeight(h);
  }
  if (!resized) {
    UpdateSkinRegion();
    Repaint();
  }
}

void TvxSkinCustomControl::UpdateSkinRegion() {
  // The window gets its region when it exists; a region is never made just
  // to have a window for it.
  if (!Parent() || !HandleAllocated()) return;
  const TvxPixmap* mask = MaskPicture();
  if (!mask || recordIndex_ < 0) {
    if (region_.HasRegion()) region_.Apply(Handle(), nullptr);
    return;
  }
  int w = Width(), h = Height();
  FitSkinSize(w, h);
  const TvxControlGeometry& g = geometry_;
  const int sw = g.skinrect.Width(), sh = g.skinrect.Height();
  HRGN region = nullptr;
  auto sized = [&](const NinePartLayout& src, const NinePartLayout& dst) {
    if (auto r = SizedMaskRegion(*mask, src, dst, w)) region = SizedRegionHandle(*r);
  };
  switch (g.sizingMode) {
    case 0:
      region = MaskRegionHandle(*mask);
      break;
    case 1:
      sized(g.layout, g.current);
      break;
    case 2: {
      const PixPoint right{ClampCoord(int64_t{w} + g.layout.rt.x - sw), g.layout.rt.y};
      sized({g.layout.lt, g.layout.rt, g.layout.lt, g.layout.rt, g.layout.client},
            {g.layout.lt, right, g.layout.lt, right, g.current.client});
      break;
    }
    case 3: {
      const PixPoint bottom{g.layout.lb.x, ClampCoord(int64_t{h} + g.layout.lb.y - sh)};
      sized({g.layout.lt, g.layout.lt, g.layout.lb, g.layout.lb, g.layout.client},
            {g.layout.lt, g.layout.lt, bottom, bottom, g.current.client});
      break;
    }
    default:
      break;
  }
  // Without a region to give (a mask that yields none) the window is left
  // rectangular.
  if (region)
    region_.Apply(Handle(), region);
  else if (region_.HasRegion())
    region_.Apply(Handle(), nullptr);
}

void TvxSkinCustomControl::NotifyChildBackgrounds() {
  for (int i = 0; i < ControlCount(); ++i) {
    tk::TControl* c = Controls(i);
    auto* w = dynamic_cast<tk::TWinControl*>(c);
    if (w && w->HandleAllocated())
      SendMessageW(w->Handle(), VXM_PARENTBACKGROUND, 0, 0);
    else
      c->Perform(VXM_PARENTBACKGROUND, 0, 0);
  }
}

void TvxSkinCustomControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  FindSkinRecord();
  int w = Width(), h = Height();
  FitSkinSize(w, h);
  if (recordIndex_ >= 0 && forceBackground_ && geometry_.sizingMode == 1 && Picture()) {
    PaintForcedBackground();
    return;
  }
  TvxSkinControl::Paint();
}

void TvxSkinCustomControl::PaintForcedBackground() {
  const TvxPixmap& picture = *Picture();
  const TvxControlGeometry& g = geometry_;
  const int w = Width(), h = Height();
  tk::TBitmap bitmap(w, h);
  GdiFlush();
  BorderStrips strips;
  BuildBorderStrips(picture, g.skinrect, g.layout, g.current, w, h, g.edges, strips);
  if (drawBackground_)
    FillFromPiece(picture, g.ClientPiece(), bitmap.Pixmap(), g.current.client, g.stretcheffect, g.stretchtype);
  auto put = [&](const TvxPixmap& strip, int x, int y) {
    if (!strip.Empty()) CopyRect(strip, {0, 0, strip.Width(), strip.Height()}, bitmap.Pixmap(), {x, y, x + strip.Width(), y + strip.Height()});
  };
  put(strips.top, 0, 0);
  put(strips.left, 0, strips.top.Height());
  put(strips.right, w - strips.right.Width(), strips.top.Height());
  put(strips.bottom, 0, h - strips.bottom.Height());
  Canvas().Draw(0, 0, bitmap);
}

void TvxSkinCustomControl::DrawDefaultImage(tk::TBitmap& bitmap) { FillFace(bitmap); }

void TvxSkinCustomControl::DrawSkinImage(tk::TBitmap& bitmap) { DrawRecordImage(bitmap, geometry_.skinrect); }

void TvxSkinCustomControl::DrawRecordImage(tk::TBitmap& bitmap, const PixRect& from) {
  TvxPixmap image;
  DrawControlImage(Picture(), geometry_, from, bitmap.Width(), bitmap.Height(), image);
  Blit(image, bitmap);
}

// ---- TvxGraphicSkinControl ----

TvxGraphicSkinControl::TvxGraphicSkinControl(tk::TComponent* owner)
    : tk::TGraphicControl(owner), skinData_(*this) {
  SetDefaultSkinFont(defaultFont_, tk::clWindowText);
  ControlStyle |= tk::csOpaque;
}

void TvxGraphicSkinControl::SetSkinData(TvxSkinDataComponent* data) {
  skinData_.Set(data);
  if (data && !data->Empty() && !Designing()) ApplySkin();
}

TvxSkinRecord* TvxGraphicSkinControl::Record() const {
  TvxSkinDataComponent* data = SkinData();
  return data && recordIndex_ >= 0 ? data->ControlRecord(recordIndex_) : nullptr;
}

void TvxGraphicSkinControl::FindSkinRecord() {
  TvxSkinDataComponent* data = SkinData();
  recordIndex_ = data && !data->Empty() ? data->GetControlIndex(skinDataName_) : -1;
}

void TvxGraphicSkinControl::ApplySkin() {
  FindSkinRecord();
  Invalidate();
}

void TvxGraphicSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  FindSkinRecord();
  PaintOffScreen(*this, Canvas(), recordIndex_ >= 0, [this](tk::TBitmap& b) { DrawDefaultImage(b); },
                 [this](tk::TBitmap& b) { DrawSkinImage(b); });
}

void TvxGraphicSkinControl::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TGraphicControl::Notification(component, operation);
  skinData_.Notification(component, operation);
}

void TvxGraphicSkinControl::WndProc(tk::TMessage& m) {
  // Window-less controls hear only that a skin has arrived.
  if (IsSkinAnnouncement(m.Msg)) {
    if (m.Msg == WM_SKIN_CHANGED && SkinMessageFrom(m.WParam, SkinData())) ApplySkin();
    return;
  }
  tk::TGraphicControl::WndProc(m);
}

// ---- TvxGraphicSkinCustomControl ----

const TvxPixmap* TvxGraphicSkinCustomControl::Picture() const {
  return SkinData() && recordIndex_ >= 0 ? SkinData()->Picture(geometry_.pictureIndex) : nullptr;
}

void TvxGraphicSkinCustomControl::FindSkinRecord() {
  TvxGraphicSkinControl::FindSkinRecord();
  if (recordIndex_ < 0) {
    geometry_.Clear();
    return;
  }
  geometry_.Load(dynamic_cast<const TvxDataSkinCustomControl*>(Record()),
                 static_cast<int>(SkinData()->PictureList.size()));
}

void TvxGraphicSkinCustomControl::FitSkinSize(int& width, int& height) {
  if (recordIndex_ < 0) return;
  geometry_.FitSkinSize(width, height);
}

void TvxGraphicSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  FindSkinRecord();
  const bool skinResize = recordIndex_ >= 0 && (width != Width() || height != Height());
  if (skinResize) FitSkinSize(width, height);
  TvxGraphicSkinControl::SetBounds(left, top, width, height);
  if (skinResize) Invalidate();
}

void TvxGraphicSkinCustomControl::ApplySkin() {
  FindSkinRecord();
  if (recordIndex_ >= 0) {
    int w = Width(), h = Height();
    FitSkinSize(w, h);
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
  }
  Invalidate();
}

void TvxGraphicSkinCustomControl::DrawDefaultImage(tk::TBitmap& bitmap) { FillFace(bitmap); }

void TvxGraphicSkinCustomControl::DrawSkinImage(tk::TBitmap& bitmap) { DrawRecordImage(bitmap, geometry_.skinrect); }

void TvxGraphicSkinCustomControl::DrawRecordImage(tk::TBitmap& bitmap, const PixRect& from) {
  TvxPixmap image;
  DrawControlImage(Picture(), geometry_, from, bitmap.Width(), bitmap.Height(), image);
  Blit(image, bitmap);
}

}  // namespace vx
