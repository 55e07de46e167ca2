#include "vxCheckBoxRules.h"

namespace vx::checkbox {

namespace {
PixRect Or(const PixRect& r, const PixRect& fallback) { return r.IsEmpty() ? fallback : r; }
}  // namespace

CheckImages CheckImages::FromRecord(const TvxDataSkinCheckRadioControl& r) {
  CheckImages i;
  i.check = r.checkimagerect;
  i.uncheck = r.uncheckimagerect;
  i.activeCheck = Or(r.activecheckimagerect, i.check);
  i.activeUncheck = Or(r.activeuncheckimagerect, i.uncheck);
  i.disabledCheck = Or(r.unenabledcheckimagerect, i.check);
  i.disabledUncheck = Or(r.unenableduncheckimagerect, i.uncheck);
  i.grayed = r.grayedcheckimagerect;
  i.activeGrayed = r.activegrayedcheckimagerect;
  return i;
}

CheckImage ChooseCheckImage(const CheckImages& im, bool enabled, bool mouseIn, TvxCheckBoxState state) {
  const bool hot = enabled && mouseIn;
  const PixRect& check = !enabled ? im.disabledCheck : hot ? im.activeCheck : im.check;
  switch (state) {
    case cbGrayed:
      // A skin with its own grayed images uses them; otherwise the check
      // image of the state is drawn lightened.
      if (im.grayed.IsEmpty()) return {check, true};
      return {hot && !im.activeGrayed.IsEmpty() ? im.activeGrayed : im.grayed, false};
    case cbChecked:
      return {check, false};
    default:
      return {!enabled ? im.disabledUncheck : hot ? im.activeUncheck : im.uncheck, false};
  }
}

void LightenHalfway(TvxPixmap& p) {
  auto up = [](uint32_t c) { return (c + 256) / 2; };  // c/2 + 127.5, halves rounded up
  for (int y = 0; y < p.Height(); ++y) {
    Pixel* row = p.Row(y);
    for (int x = 0; x < p.Width(); ++x) {
      const Pixel v = row[x];
      row[x] = (v & 0xFF000000u) | (up((v >> 16) & 0xFF) << 16) | (up((v >> 8) & 0xFF) << 8) | up(v & 0xFF);
    }
  }
}

FramedAreas FramedLayout(const TvxDataSkinCheckRadioControl& r, int width) {
  const int grow = width - PixRect(r.skinrect).Width();
  FramedAreas a;
  a.text = r.textarea;
  a.text.right += grow;
  PixRect area = r.checkimagearea;
  if (r.textarea.Right < r.checkimagearea.Right) area = area.Offset(grow, 0);
  const PixRect image = r.checkimagerect;
  const int left = area.left + area.Width() / 2 - image.Width() / 2;
  const int top = area.top + area.Height() / 2 - image.Height() / 2;
  a.checkImage = {left, top, left + image.Width(), top + image.Height()};
  return a;
}

ClickResult Click(TvxCheckBoxState state, bool checked, bool allowGrayed, bool radio) {
  if (allowGrayed && !radio && state == cbUnchecked) return {true, checked};
  if (radio) return {false, true};
  return {false, !checked};
}

}  // namespace vx::checkbox
