// The page control's painting: the whole control is drawn into one off-screen
// picture and copied in one piece. Today every control draws the plain look;
// the skinned look from the "tab" record replaces PaintTabs / DrawTab.
#include "vxSkinTabs.h"

namespace vx {
namespace {

constexpr tk::TColor kHotFace = 0xD2BDB6;
constexpr tk::TColor kActiveFocusedFace = 0xB59285;

void DrawCross(tk::TCanvas& canvas, int x, int y, tk::TColor color) {
  canvas.Pen().SetStyle(tk::psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(color);
  for (const tabs::Line& l : tabs::CrossGlyph(x, y)) {
    canvas.MoveTo(l.x1, l.y1);
    canvas.LineTo(l.x2, l.y2);
  }
}

}  // namespace

void TvxSkinPageControl::PaintWindow(HDC dc) {
  const int w = ClientWidth(), h = ClientHeight();
  if (w <= 0 || h <= 0) return;
  tk::TBitmap buffer(w, h);
  PaintTabs(buffer.Canvas());
  BitBlt(dc, 0, 0, w, h, buffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TvxSkinPageControl::PaintTabs(tk::TCanvas& canvas) {
  canvas.Brush().SetStyle(tk::bsSolid);
  canvas.Brush().SetColor(tk::clBtnFace);
  canvas.FillRect(ClientRect());
  if (TabCount() == 0) return;

  tk::TRect page = DisplayRect();
  canvas.Brush().SetColor(tk::clBtnShadow);
  canvas.FrameRect({page.Left - 1, page.Top - 1, page.Right + 1, page.Bottom + 1});

  const int active = TabIndex();
  for (int i = 0; i < TabCount(); ++i) {
    tk::TRect r = TabItemRect(i);
    if (r.IsEmpty() || r.Right <= 0 || r.Left >= ClientWidth()) continue;
    DrawTab(canvas, i, r, i == active, i == hotTab_);
  }
}

void TvxSkinPageControl::DrawTab(tk::TCanvas& canvas, int tabIndex, const tk::TRect& r, bool active, bool hot) {
  canvas.Brush().SetStyle(tk::bsSolid);
  if (active) {
    canvas.Brush().SetColor(Focused() ? kActiveFocusedFace : kHotFace);
    canvas.FillRect(r);
    canvas.Brush().SetColor(tk::clNavy);
    canvas.FrameRect(r);
  } else {
    canvas.Brush().SetColor(hot ? kHotFace : tk::clBtnFace);
    canvas.FillRect(r);
  }

  const int room = tabs::CloseRoom(showCloseButtons_, CloseButtonSize());
  if (OnDrawSkinTab) {
    OnDrawSkinTab(tabIndex, r, active, hot, canvas);
  } else {
    tk::TRect text{r.Left, r.Top, r.Right - room, r.Bottom};
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(tk::bsClear);
    canvas.DrawText(TabCaption(tabIndex), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }

  TvxSkinCustomTabSheet* sheet = SkinPage(tabIndex);
  if (!showCloseButtons_ || !sheet) return;
  if (!hot) sheet->CloseButtonHot = false;
  const int size = CloseButtonSize();
  tk::TRect button = tabs::CloseButtonRect(r.Width(), r.Height(), room, false, 0, false, size, size);
  sheet->CloseButtonRect = button;
  bool lit = sheet->CloseButtonHot || (sheet->CloseButtonPressed && hot);
  DrawCross(canvas, r.Left + button.Left + 2, r.Top + button.Top + 2, lit ? tk::clWhite : tk::clBlack);
}

}  // namespace vx
