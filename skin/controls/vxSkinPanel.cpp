#include "vxSkinPanel.h"

#include "tkForms.h"

namespace vx {

TvxSkinPanel::TvxSkinPanel(tk::TComponent* owner) : TvxSkinCustomControl(owner) {
  ControlStyle |= tk::csAcceptsControls;
  forceBackground_ = true;
  SetSkinDataName("panel");
  SetBounds(0, 0, 150, 150);
}

const TvxDataSkinPanelControl* TvxSkinPanel::PanelRecord() const {
  return dynamic_cast<const TvxDataSkinPanelControl*>(Record());
}

void TvxSkinPanel::FindSkinRecord() {
  TvxSkinCustomControl::FindSkinRecord();
  bgPictureIndex_ = -1;
  captionRect_ = {};
  if (const TvxDataSkinPanelControl* r = PanelRecord()) {
    bgPictureIndex_ = r->bgpictureindex;
    captionRect_ = Sanitized(PixRect(r->captionrect));
  }
}

bool TvxSkinPanel::TiledLook() const {
  return borderStyle_ == bvNone && geometry_.sizingMode == 1 && !captionMode_ && forceBackground_;
}

// ---- settings ----

void TvxSkinPanel::SetBorderStyle(TvxSkinBorderStyle style) {
  borderStyle_ = style;
  if (recordIndex_ < 0) {
    Invalidate();
    Realign();
  }
}

void TvxSkinPanel::SetCaptionMode(bool v) {
  captionMode_ = v;
  Invalidate();
  Realign();
}

void TvxSkinPanel::SetDefaultCaptionHeight(int v) {
  defaultCaptionHeight_ = v;
  if (recordIndex_ < 0 && captionMode_) {
    Invalidate();
    Realign();
  }
}

void TvxSkinPanel::SetDefaultAlignment(tk::TAlignment v) {
  defaultAlignment_ = v;
  if (recordIndex_ < 0 && captionMode_) Invalidate();
}

void TvxSkinPanel::SetTransparentMode(bool v) {
  if (v == transparentMode_) return;
  transparentMode_ = v;
  Invalidate();
  if (!Designing() && !Loading()) NotifyChildBackgrounds();
}

void TvxSkinPanel::SetCheckedMode(bool v) {
  checkedMode_ = v;
  Invalidate();
}

void TvxSkinPanel::SetChecked(bool v) {
  checked_ = v;
  if (checkedMode_) {
    Invalidate();
    if (AutoEnabledControls)
      for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(checked_);
  }
  if (OnChecked) OnChecked(this);
}

void TvxSkinPanel::SetRollUpMode(bool v) {
  rollUpMode_ = v;
  if (recordIndex_ < 0 && captionMode_) Invalidate();
}

void TvxSkinPanel::SetRibbonStyle(bool v) {
  if (v == ribbonStyle_) return;
  ribbonStyle_ = v;
  Invalidate();
}

void TvxSkinPanel::SetRollUpState(bool v) {
  if (v == rollUpState_) return;
  if (!rollUpMode_) {
    rollUpState_ = false;
    return;
  }
  rollUpState_ = v;
  Roll(v);
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TvxSkinPanel::Roll(bool up) {
  rolling_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{rolling_};
  if (up && realHeight_ == -1) {
    realHeight_ = Height();
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Hide();
    if (recordIndex_ < 0)
      SetHeight(defaultCaptionHeight_ + 1);
    else
      SetHeight(Height() - geometry_.current.client.Height());
  } else if (!up && realHeight_ != -1) {
    SetHeight(std::exchange(realHeight_, -1));
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Show();
    EnableAlign();
  }
}

// ---- skin ----

void TvxSkinPanel::ApplySkin() {
  TvxSkinCustomControl::ApplySkin();
  if (!rollUpState_) {
    Realign();
  } else {
    const int unrolled = std::exchange(realHeight_, -1);
    Roll(true);
    realHeight_ = unrolled;
  }
}

void TvxSkinPanel::SetBounds(int left, int top, int width, int height) {
  TvxSkinCustomControl::SetBounds(left, top, width, height);
  if (recordIndex_ < 0) Invalidate();
}

void TvxSkinPanel::AdjustClientRect(tk::TRect& rect) const {
  if (recordIndex_ < 0 || Designing()) {
    if (borderStyle_ != bvNone) rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    if (captionMode_) {
      if (ribbonStyle_)
        rect.Bottom -= defaultCaptionHeight_;
      else
        rect.Top += defaultCaptionHeight_;
    }
    return;
  }
  if (bgPictureIndex_ != -1 || (borderStyle_ == bvNone && !captionMode_ && geometry_.sizingMode == 1)) return;
  const PixRect& c = geometry_.current.client;
  rect = {c.left, c.top, c.right, c.bottom};
}

// ---- painting ----

void TvxSkinPanel::Paint() {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  FindSkinRecord();
  int fw = w, fh = h;
  FitSkinSize(fw, fh);
  const bool hasRecord = recordIndex_ >= 0;
  if (transparentMode_ && hasRecord && !captionMode_) {
    tk::TBitmap bitmap(w, h);
    PaintParentBackground(this, bitmap.Canvas().Handle());
    if (borderStyle_ != bvNone) {
      tk::TCanvas& c = bitmap.Canvas();
      c.Brush().SetStyle(tk::bsSolid);
      c.Brush().SetColor(static_cast<tk::TColor>(SkinData()->SkinColors.cBtnShadow));
      c.FrameRect({0, 0, w, h});
    }
    Canvas().Draw(0, 0, bitmap);
    return;
  }
  const TvxPixmap* picture = Picture();
  if (!hasRecord || (!forceBackground_ && geometry_.stretcheffect) || !picture) {
    TvxSkinCustomControl::Paint();
    return;
  }
  if (TiledLook()) {
    // The whole panel from the client piece, tiled from (0, 0) or stretched.
    tk::TBitmap bitmap(w, h);
    GdiFlush();
    FillFromPiece(*picture, geometry_.ClientPiece(), bitmap.Pixmap(), {0, 0, w, h}, geometry_.stretcheffect,
                  geometry_.stretchtype);
    Canvas().Draw(0, 0, bitmap);
    return;
  }
  const TvxPixmap* background = SkinData()->Picture(bgPictureIndex_);
  if (bgPictureIndex_ == -1 || !background) {
    TvxSkinCustomControl::Paint();
    return;
  }
  tk::TBitmap bitmap(w, h);
  GdiFlush();
  const PixRect whole{0, 0, background->Width(), background->Height()};
  if (!geometry_.stretcheffect)
    TileRect(*background, whole, bitmap.Pixmap(), {0, 0, w, h}, {0, 0});
  else if (geometry_.stretchtype == TvxStretchType::stFull)
    CopyRect(*background, whole, bitmap.Pixmap(), geometry_.current.client);
  else
    FillFromPiece(*background, whole, bitmap.Pixmap(), {0, 0, w, h}, true, geometry_.stretchtype);
  Canvas().Draw(0, 0, bitmap);
}

void TvxSkinPanel::DrawSkinImage(tk::TBitmap& bitmap) {
  const TvxPixmap* picture = Picture();
  if (borderStyle_ == bvNone && geometry_.sizingMode == 1 && !captionMode_ && !geometry_.stretcheffect && picture) {
    GdiFlush();
    TileRect(*picture, geometry_.ClientPiece(), bitmap.Pixmap(), {0, 0, bitmap.Width(), bitmap.Height()}, {0, 0});
    return;
  }
  TvxSkinCustomControl::DrawSkinImage(bitmap);
  const TvxDataSkinPanelControl* r = PanelRecord();
  if (r && !Caption().empty() && !captionRect_.IsEmpty()) {
    const PixRect c = captionRect_;
    DrawCaptionText(bitmap, {c.left, c.top, c.right, c.bottom}, static_cast<tk::TColor>(r->fontcolor));
  }
}

void TvxSkinPanel::DrawCaptionText(tk::TBitmap& bitmap, tk::TRect r, tk::TColor color) {
  tk::TCanvas& c = bitmap.Canvas();
  c.Font().Assign(DefaultFont());
  if (const TvxDataSkinPanelControl* rec = PanelRecord(); rec && UseSkinFont) {
    c.Font().SetName(tk::Utf8ToWide(rec->fontname));
    c.Font().SetHeight(rec->fontheight);
    c.Font().SetStyle(rec->fontstyle);
  }
  c.Font().SetColor(color);
  c.Brush().SetStyle(tk::bsClear);
  const tk::TAlignment align = PanelRecord() ? static_cast<tk::TAlignment>(PanelRecord()->alignment) : defaultAlignment_;
  const unsigned flags = align == tk::taCenter ? DT_CENTER : align == tk::taRightJustify ? DT_RIGHT : DT_LEFT;
  if (align == tk::taLeftJustify) r.Left += 2;
  c.DrawText(Caption(), r, flags | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void TvxSkinPanel::DrawDefaultImage(tk::TBitmap& bitmap) {
  tk::TCanvas& c = bitmap.Canvas();
  const int w = bitmap.Width(), h = bitmap.Height();
  c.Brush().SetStyle(tk::bsSolid);
  c.Brush().SetColor(tk::clBtnFace);
  c.FillRect({0, 0, w, h});
  auto frame3d = [&](tk::TRect r, tk::TColor topLeft, tk::TColor bottomRight) {
    c.Pen().SetColor(topLeft);
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.Pen().SetColor(bottomRight);
    c.LineTo(r.Right - 1, r.Bottom - 1);
    c.LineTo(r.Left - 1, r.Bottom - 1);
  };
  switch (borderStyle_) {
    case bvFrame: frame3d({0, 0, w, h}, tk::clBtnShadow, tk::clBtnShadow); break;
    case bvRaised: frame3d({0, 0, w, h}, tk::clBtnHighlight, tk::clBtnShadow); break;
    case bvLowered: frame3d({0, 0, w, h}, tk::clBtnShadow, tk::clBtnHighlight); break;
    case bvNone: break;
  }
  if (!captionMode_) return;
  const int inset = borderStyle_ == bvFrame ? 0 : 1;
  const int top = ribbonStyle_ ? h - inset - defaultCaptionHeight_ : inset;
  tk::TRect bar{inset, top, w - inset, top + defaultCaptionHeight_};
  if (borderStyle_ == bvFrame) {
    frame3d(bar, tk::clBtnShadow, tk::clBtnShadow);
    frame3d({bar.Left + 1, bar.Top + 1, bar.Right - 1, bar.Bottom - 1}, tk::clBtnHighlight, tk::clBtnFace);
  } else {
    frame3d(bar, tk::clBtnShadow, tk::clBtnHighlight);
    frame3d({bar.Left + 1, bar.Top + 1, bar.Right - 1, bar.Bottom - 1}, tk::clBtnHighlight, tk::clBtnShadow);
  }
  tk::TRect text = bar;
  if (checkedMode_) text.Left += 20;
  if (rollUpMode_) text.Right -= 10;
  c.Font().Assign(DefaultFont());
  c.Font().SetColor(Enabled() ? tk::clBtnText : tk::clGrayText);
  c.Brush().SetStyle(tk::bsClear);
  const unsigned flags = defaultAlignment_ == tk::taCenter        ? DT_CENTER
                         : defaultAlignment_ == tk::taRightJustify ? DT_RIGHT
                                                                   : DT_LEFT;
  if (defaultAlignment_ == tk::taLeftJustify) text.Left += 2;
  c.DrawText(Caption(), text, flags | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// ---- messages ----

void TvxSkinPanel::ParentBackgroundChanged() {
  if (!transparentMode_) return;
  Invalidate();
  NotifyChildBackgrounds();
}

void TvxSkinPanel::WndProc(tk::TMessage& m) {
  switch (m.Msg) {
    case WM_MOVE:
      if (transparentMode_) {
        Invalidate();
        NotifyChildBackgrounds();
      }
      break;
    case tk::CM_ENABLEDCHANGED:
      TvxSkinCustomControl::WndProc(m);
      Invalidate();
      return;
    case tk::CM_TEXTCHANGED:
      TvxSkinCustomControl::WndProc(m);
      if (captionMode_) Invalidate();
      return;
    case WM_LBUTTONUP:
      if (captionMode_ && (rollUpMode_ || checkedMode_)) {
        const int x = static_cast<short>(LOWORD(m.LParam)), y = static_cast<short>(HIWORD(m.LParam));
        const bool inCaption = recordIndex_ >= 0 ? captionRect_.Contains(x, y)
                                                 : tk::TRect{1, 1, Width() - 1, defaultCaptionHeight_}.Contains(x, y);
        if (inCaption) {
          if (checkedMode_) SetChecked(!checked_);
          if (rollUpMode_) SetRollUpState(!rollUpState_);
        }
      }
      break;
    default:
      break;
  }
  TvxSkinCustomControl::WndProc(m);
}

}  // namespace vx
