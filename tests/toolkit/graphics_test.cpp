// Canvas and bitmap: GDI drawing into the DIB-backed picture and reading it
// back pixel by pixel; off-screen painting of controls.
#include "tkStdCtrls.h"
#include "win_support.h"

using namespace tk;
using tktest::ToolkitTest;

namespace {

vx::Pixel At(TBitmap& b, int x, int y) { return b.ScanLine(y)[x] & 0xFFFFFF; }

TEST_F(ToolkitTest, GdiTextDrawnIntoTheBitmapReadsBackPixelByPixel) {
  TBitmap b(80, 30);
  ASSERT_NE(b.Handle(), nullptr) << "pixels live in a DIB section";
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clWhite);
  c.FillRect(Rect(0, 0, 80, 30));
  EXPECT_EQ(At(b, 79, 29), 0xFFFFFFu);
  c.Font().SetName(L"Arial");
  c.Font().SetHeight(-20);
  c.Font().SetColor(clRed);
  c.Brush().SetStyle(bsClear);
  TPoint ext = c.TextExtent(L"HH");
  EXPECT_GT(ext.X, 10);
  EXPECT_GT(ext.Y, 10);
  c.TextOut(2, 2, L"HH");
  int red = 0, other = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x) {
      vx::Pixel p = At(b, x, y);
      if (p == 0xFF0000u) ++red;  // pixels are 0xRRGGBB
      else if (p != 0xFFFFFFu) ++other;
      if (x >= 2 + ext.X || y >= 2 + ext.Y) {
        EXPECT_EQ(p, 0xFFFFFFu) << x << "," << y;
      }
    }
  EXPECT_GT(red, 20) << "the letters are there, in the font colour";

  // Pixel code writes; GDI reads the same memory.
  b.Pixmap().Set(5, 25, vx::MakePixel(0, 0, 255));
  EXPECT_EQ(static_cast<uint32_t>(c.Pixels(5, 25)), 0xFF0000u) << "a COLORREF: blue is the high byte";
}

TEST_F(ToolkitTest, DrawingPrimitivesClipAndStretch) {
  TBitmap src(2, 2);
  src.Pixmap().Set(0, 0, vx::MakePixel(255, 0, 0));
  src.Pixmap().Set(1, 0, vx::MakePixel(0, 255, 0));
  src.Pixmap().Set(0, 1, vx::MakePixel(0, 0, 255));
  src.Pixmap().Set(1, 1, vx::MakePixel(255, 255, 255));
  TBitmap dst(8, 8);
  TCanvas& c = dst.Canvas();
  c.StretchDraw(Rect(0, 0, 4, 4), src);  // nearest neighbour, never smoothed
  EXPECT_EQ(At(dst, 1, 1), 0xFF0000u);
  EXPECT_EQ(At(dst, 2, 1), 0x00FF00u);
  EXPECT_EQ(At(dst, 1, 3), 0x0000FFu);
  EXPECT_EQ(At(dst, 3, 3), 0xFFFFFFu);
  c.Draw(6, 6, src);
  EXPECT_EQ(At(dst, 7, 6), 0x00FF00u);

  int token = c.SaveState();
  c.IntersectClipRect(Rect(4, 0, 6, 8));
  EXPECT_EQ(c.ClipRect(), Rect(4, 0, 6, 8));
  c.Brush().SetColor(clBtnFace);  // a system colour, resolved now
  c.FillRect(Rect(0, 0, 8, 8));
  c.RestoreState(token);
  EXPECT_EQ(At(dst, 4, 0), vx::PixelFromColor(GetSysColor(COLOR_BTNFACE)) & 0xFFFFFF);
  EXPECT_EQ(At(dst, 1, 1), 0xFF0000u) << "outside the clip nothing changed";
  c.Pen().SetColor(clLime);
  c.MoveTo(0, 7);
  c.LineTo(4, 7);
  EXPECT_EQ(At(dst, 3, 7), 0x00FF00u);
  EXPECT_NE(At(dst, 4, 7), 0x00FF00u) << "a line ends before its end point";

  TRect r{0, 0, 1000, 0};
  c.Font().SetName(L"Arial");
  int h = c.DrawText(L"one\ntwo", r, DT_CALCRECT);
  EXPECT_EQ(r.Height(), h);
  EXPECT_GT(h, c.TextHeight(L"one"));

  EXPECT_THROW(dst.SetSize(40000, 10), EInvalidGraphic);
  EXPECT_TRUE(dst.Empty());
  EXPECT_THROW(dst.ScanLine(0), EInvalidGraphic);
}

// A control that paints a colour bar and carries a graphic child.
class Bar : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clBlue);
    Canvas().FillRect(ClientRect());
  }
};
class Dot : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clYellow);
    Canvas().FillRect(Rect(0, 0, Width(), Height()));
  }
};

TEST_F(ToolkitTest, ControlsPaintIntoAnOffScreenBitmap) {
  TForm* f = nullptr;
  app->CreateForm(f);
  auto* bar = new Bar(f);
  bar->SetParent(f);
  bar->SetBounds(0, 0, 40, 20);
  auto* dot = new Dot(f);
  dot->SetParent(bar);
  dot->SetBounds(10, 5, 4, 4);
  f->Show();
  TBitmap off(40, 20);
  // The paint message with a device context paints there, not on screen.
  bar->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(off.Canvas().Handle()), 0);
  EXPECT_EQ(At(off, 0, 0), 0x0000FFu);
  EXPECT_EQ(At(off, 11, 6), 0xFFFF00u);
  EXPECT_EQ(At(off, 14, 6), 0x0000FFu) << "the graphic child is clipped to its bounds";

  // And on screen: what the window shows is the same.
  UpdateWindow(bar->Handle());
  HDC dc = GetDC(bar->Handle());
  EXPECT_EQ(GetPixel(dc, 11, 6), RGB(255, 255, 0));
  EXPECT_EQ(GetPixel(dc, 30, 15), RGB(0, 0, 255));
  ReleaseDC(bar->Handle(), dc);
}

TEST_F(ToolkitTest, SkinPicturesMadeAfterStartUpAreDibSections) {
  vx::TvxPixmap p(10, 10, vx::MakePixel(1, 2, 3));
  EXPECT_NE(PixmapBitmapHandle(p), nullptr);
  HDC dc = PixmapDC(p);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetPixel(dc, 9, 9), RGB(1, 2, 3));
  vx::TvxPixmap copy = p;
  EXPECT_NE(PixmapBitmapHandle(copy), PixmapBitmapHandle(p));
  TBitmap b;
  b.AssignPixmap(copy);
  EXPECT_EQ(At(b, 4, 4), 0x010203u);
}

}  // namespace
