// Inactive effects, morph steps, blur, alpha pictures and the fade.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "vxAlphaBitmap.h"
#include "vxEffects.h"
#include "vxLayerFade.h"
#include "vxMorph.h"
#include "vxWindowFade.h"
#include "vxStackBlur.h"

namespace vx {
namespace {

// Integer reference for "round half to even" of n / d.
int HalfEven(int n, int d) {
  int q = n / d, r = n % d;
  if (2 * r > d || (2 * r == d && (q & 1))) ++q;
  return q;
}

TvxPixmap Ramp() {  // every channel value once, alpha 77
  TvxPixmap p(256, 1);
  for (int c = 0; c < 256; ++c) p.Set(c, 0, MakePixel(c, c, c, 77));
  return p;
}

TEST(Effects, BrightnessDarknessAndGrayscaleRoundHalvesToEven) {
  TvxPixmap p = Ramp();
  ApplyInactiveEffect(p, TvxInactiveEffect::ieBrightness);
  for (int c = 0; c < 256; ++c) ASSERT_EQ(PixelR(p.At(c, 0)), HalfEven(c + 255, 2)) << c;
  EXPECT_EQ(PixelB(p.At(0, 0)), 128);
  EXPECT_EQ(PixelA(p.At(0, 0)), 77);
  p = Ramp();
  ApplyInactiveEffect(p, TvxInactiveEffect::ieDarkness);
  for (int c = 0; c < 256; ++c) ASSERT_EQ(PixelG(p.At(c, 0)), HalfEven(7 * c, 10)) << c;
  EXPECT_EQ(PixelG(p.At(255, 0)), 178);
  p = Ramp();
  ApplyInactiveEffect(p, TvxInactiveEffect::ieInvert);
  EXPECT_EQ(p.At(3, 0), MakePixel(252, 252, 252, 77));
  TvxPixmap g(3, 1);
  g.Set(0, 0, MakePixel(255, 0, 0));
  g.Set(1, 0, MakePixel(0, 255, 0));
  g.Set(2, 0, MakePixel(10, 20, 30, 5));
  ApplyInactiveEffect(g, TvxInactiveEffect::ieGrayscale);
  EXPECT_EQ(g.At(0, 0), MakePixel(76, 76, 76));
  EXPECT_EQ(g.At(1, 0), MakePixel(150, 150, 150));  // 150.45
  EXPECT_EQ(g.At(2, 0), MakePixel(18, 18, 18, 5));  // 18.1
  Brightness(p, std::nan(""));  // nonsense amounts are clamped, not propagated
  Darkness(p, 7);
  EXPECT_EQ(p.At(9, 0), MakePixel(0, 0, 0, 77));
}

TEST(Effects, NoiseMovesAllThreeChannelsByOneAmountInRange) {
  TvxPixmap p(64, 64, MakePixel(100, 120, 140));
  ApplyInactiveEffect(p, TvxInactiveEffect::ieNoise, 1234);
  int lo = 99, hi = -99;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const Pixel q = p.At(x, y);
      const int d = PixelR(q) - 100;
      ASSERT_EQ(PixelG(q) - 120, d);
      ASSERT_EQ(PixelB(q) - 140, d);
      lo = std::min(lo, d);
      hi = std::max(hi, d);
    }
  EXPECT_EQ(lo, -25);
  EXPECT_EQ(hi, 24);
  TvxPixmap again(64, 64, MakePixel(100, 120, 140)), other = again;
  Noise(again, 50, 1234);
  Noise(other, 50, 99);
  EXPECT_EQ(std::memcmp(again.Bits(), p.Bits(), 64 * 64 * 4), 0);
  EXPECT_NE(std::memcmp(other.Bits(), p.Bits(), 64 * 64 * 4), 0);
  TvxPixmap edge(1, 1, MakePixel(250, 3, 128));
  Noise(edge, 600, 5);  // clamped, never wrapped
  EXPECT_TRUE(PixelR(edge.At(0, 0)) >= PixelG(edge.At(0, 0)));
}

TEST(Effects, SplitBlurAveragesDiagonalNeighboursAndSurvivesTinyPictures) {
  TvxPixmap p(5, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) p.Set(x, y, MakePixel(x * 40 + y, 0, 0, 9));
  TvxPixmap orig = p;
  SplitBlur(p, 1);
  // (0, 0): rows 0 and 1 crossed with columns 0 and 1, all still unblurred.
  const int expect = (PixelR(orig.At(0, 0)) + PixelR(orig.At(1, 0)) + PixelR(orig.At(0, 1)) + PixelR(orig.At(1, 1))) / 4;
  EXPECT_EQ(PixelR(p.At(0, 0)), expect);
  EXPECT_EQ(PixelA(p.At(4, 4)), 9);
  TvxPixmap flat(7, 3, MakePixel(10, 20, 30));
  SplitBlur(flat, 1);
  EXPECT_EQ(flat.At(6, 2), MakePixel(10, 20, 30));
  for (int a : {1, 2, 5, 1000}) {
    TvxPixmap tiny(1 + a % 3, 1 + a % 2, MakePixel(1, 2, 3));
    SplitBlur(tiny, a);
    EXPECT_EQ(tiny.At(0, 0), MakePixel(1, 2, 3));
  }
}

TEST(Effects, QuarterTurnsGoRoundTheClock) {
  TvxPixmap p(3, 2);
  p.Set(0, 0, 1);
  p.Set(2, 1, 2);
  TvxPixmap q, h, t;
  RotateQuarter(p, q);
  RotateHalf(p, h);
  RotateThreeQuarters(p, t);
  ASSERT_EQ(q.Width(), 2);
  EXPECT_EQ(q.At(1, 0), 1u);  // top-left goes to the top-right
  EXPECT_EQ(h.At(2, 1), 1u);
  EXPECT_EQ(t.At(0, 2), 1u);
  EXPECT_EQ(t.At(1, 0), 2u);
}

TEST(Morph, CrossFadeAndSlidesReachTheirEnds) {
  TvxPixmap a(40, 3, MakePixel(0, 0, 0, 200)), b(40, 3);
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 3; ++y) b.Set(x, y, MakePixel(255, x, 3, 1));
  TvxPixmap m = a;
  MorphBlend(m, b, 0, TvxMorphKind::mkDefault);
  EXPECT_EQ(m.At(5, 1), a.At(5, 1));
  MorphBlend(m, b, 1, TvxMorphKind::mkDefault);
  EXPECT_EQ(m.At(5, 1), MakePixel(255, 5, 3, 200));
  m = a;
  MorphBlend(m, b, 0.5, TvxMorphKind::mkDefault);
  EXPECT_EQ(m.At(3, 0), MakePixel(128, 2, 2, 200));  // 127.5 → 128, 1.5 → 2, 1.5 → 2
  m = a;
  MorphBlend(m, b, 0.25, TvxMorphKind::mkLeftSlide);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(PixelG(m.At(x, 2)), 30 + x);
  EXPECT_EQ(m.At(10, 2), a.At(10, 2));
  m = a;
  MorphBlend(m, b, 0.25, TvxMorphKind::mkRightSlide);
  EXPECT_EQ(m.At(29, 0), a.At(29, 0));
  EXPECT_EQ(PixelG(m.At(30, 0)), 0);
  m = b;
  MorphBlend(m, a, 0.1, TvxMorphKind::mkPush);  // a = 4: the row moves by 5
  EXPECT_EQ(m.At(4, 0), a.At(0, 0));
  EXPECT_EQ(PixelG(m.At(5, 0)), 0);
  EXPECT_EQ(PixelG(m.At(39, 0)), 34);
  TvxPixmap wrong(39, 3);
  m = a;
  MorphBlend(m, wrong, 0.5, TvxMorphKind::mkDefault);
  EXPECT_EQ(m.At(0, 0), a.At(0, 0));
}

TEST(Morph, GradientsRunFromTheNewPictureToTheOld) {
  TvxPixmap a(20, 2, MakePixel(0, 0, 0)), b(20, 2, MakePixel(200, 200, 200));
  TvxPixmap m = a;
  MorphBlend(m, b, 0.5, TvxMorphKind::mkLeftGradient);  // columns 0 … 10 blend
  EXPECT_EQ(PixelR(m.At(0, 0)), 200);
  EXPECT_EQ(PixelR(m.At(5, 0)), 100);
  EXPECT_EQ(PixelR(m.At(10, 0)), 0);
  for (int x = 1; x < 20; ++x) EXPECT_LE(PixelR(m.At(x, 1)), PixelR(m.At(x - 1, 1)));
  m = a;
  MorphBlend(m, b, 0.5, TvxMorphKind::mkRightGradient);
  EXPECT_EQ(PixelR(m.At(19, 0)), 200);
  EXPECT_EQ(PixelR(m.At(9, 0)), 0);
  m = a;
  MorphBlend(m, b, 0.5, TvxMorphKind::mkGradient);  // band 5 … 14 becomes B
  EXPECT_EQ(PixelR(m.At(5, 0)), 200);
  EXPECT_EQ(PixelR(m.At(14, 0)), 200);
  EXPECT_LT(PixelR(m.At(4, 0)), 200);
  EXPECT_EQ(PixelR(m.At(0, 0)), 0);
  EXPECT_EQ(PixelR(m.At(19, 0)), 0);
  TvxPixmap tall(2, 20, 0), tallB(2, 20, MakePixel(9, 9, 9));
  MorphBlend(tall, tallB, 1, TvxMorphKind::mkGradient);  // works on rows
  EXPECT_EQ(tall.At(1, 19), MakePixel(9, 9, 9));
  TvxPixmap one(1, 1), oneB(1, 1, 5);
  for (int k = 1; k <= 6; ++k) MorphBlend(one, oneB, 0.5, static_cast<TvxMorphKind>(k));
  EXPECT_EQ(one.At(0, 0), 0u);
}

// Direct convolution with the triangular kernel, edges repeated.
TvxPixmap ReferenceBlur(const TvxPixmap& p, int r) {
  const int w = p.Width(), h = p.Height(), div = (r + 1) * (r + 1);
  TvxPixmap rows(w, h), out(w, h);
  for (int pass = 0; pass < 2; ++pass) {
    const TvxPixmap& in = pass == 0 ? p : rows;
    TvxPixmap& to = pass == 0 ? rows : out;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        int s[3] = {0, 0, 0};
        for (int d = -r; d <= r; ++d) {
          const Pixel q = pass == 0 ? in.At(std::clamp(x + d, 0, w - 1), y) : in.At(x, std::clamp(y + d, 0, h - 1));
          const int wt = r + 1 - std::abs(d);
          s[0] += wt * PixelR(q);
          s[1] += wt * PixelG(q);
          s[2] += wt * PixelB(q);
        }
        to.Set(x, y, MakePixel(s[0] / div, s[1] / div, s[2] / div, 255));
      }
  }
  return out;
}

TEST(StackBlur, MatchesTheDirectConvolutionAndRadiusZeroChangesNothing) {
  std::mt19937 rng(3);
  for (int r : {1, 2, 5, 20}) {
    TvxPixmap p(1 + rng() % 40, 1 + rng() % 30);
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) p.Set(x, y, static_cast<Pixel>(rng()));
    TvxPixmap expect = ReferenceBlur(p, r);
    StackBlur(p, r);
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) ASSERT_EQ(p.At(x, y), expect.At(x, y)) << r << ":" << x << "," << y;
  }
  TvxPixmap p(4, 4, MakePixel(1, 2, 3, 4)), q = p;
  StackBlur(p, 0);
  StackBlur(p, -3);
  EXPECT_EQ(std::memcmp(p.Bits(), q.Bits(), 64), 0);
  StackBlur(p, 100000);  // capped radius: a flat picture stays flat
  EXPECT_EQ(p.At(3, 3), MakePixel(1, 2, 3, 255));
}

TEST(AlphaBitmap, MaskAlphaLimitAndTheThreeDrawRoutines) {
  TvxBitmap bmp(3, 1);
  bmp.Pixels().Fill(MakePixel(200, 100, 50, 0));
  TvxPixmap mask(3, 1, 0xFFFFFF);
  mask.Set(0, 0, 0);
  mask.Set(1, 0, MakePixel(1, 1, 2));
  AlphaFromMask(bmp, mask);
  EXPECT_EQ(PixelA(bmp.Pixels().At(0, 0)), 0);
  EXPECT_EQ(PixelA(bmp.Pixels().At(1, 0)), 1);
  EXPECT_EQ(PixelA(bmp.Pixels().At(2, 0)), 255);
  bmp.UpdateAlphaBlend();
  EXPECT_TRUE(bmp.alphaBlend);
  LimitColourToAlpha(bmp);
  EXPECT_EQ(bmp.Pixels().At(1, 0), MakePixel(1, 1, 1, 1));
  EXPECT_EQ(bmp.Pixels().At(2, 0), MakePixel(200, 100, 50, 255));
  TvxBitmap plain;
  plain.Assign(TvxPixmap(2, 2, MakePixel(1, 2, 3, 99)));
  plain.UpdateAlphaBlend();
  EXPECT_FALSE(plain.alphaBlend);
  EXPECT_EQ(PixelA(plain.Pixels().At(0, 0)), 0);

  // Alpha blending against the exact formula, for random pixels.
  std::mt19937 rng(11);
  TvxPixmap src(37, 5), dst(37, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 37; ++x) {
      src.Set(x, y, static_cast<Pixel>(rng()));
      dst.Set(x, y, static_cast<Pixel>(rng()));
    }
  TvxPixmap out = dst;
  BlendAlpha(src, out, 0, 0);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 37; ++x) {
      const Pixel s = src.At(x, y), d = dst.At(x, y), o = out.At(x, y);
      const int a = PixelA(s);
      ASSERT_EQ(PixelR(o), static_cast<int>(std::lround((PixelR(s) * a + PixelR(d) * (255 - a)) / 255.0)));
      ASSERT_EQ(PixelB(o), static_cast<int>(std::lround((PixelB(s) * a + PixelB(d) * (255 - a)) / 255.0)));
      ASSERT_EQ(PixelA(o), PixelA(d));
    }
  TvxBitmap keyed;
  keyed.Assign(TvxPixmap(2, 1, MakePixel(255, 0, 255)));
  keyed.Pixels().Set(1, 0, MakePixel(1, 2, 3));
  keyed.transparent = true;
  keyed.transparentColor = MakePixel(255, 0, 255, 40);
  TvxPixmap canvas(3, 3, 7);
  keyed.Draw(canvas, 1, 2);
  keyed.Draw(canvas, -5, 100);  // off the canvas: nothing
  EXPECT_EQ(canvas.At(1, 2), 7u);
  EXPECT_EQ(canvas.At(2, 2), MakePixel(1, 2, 3));
  keyed.transparent = false;
  keyed.Draw(canvas, 0, 0);
  EXPECT_EQ(canvas.At(0, 0), MakePixel(255, 0, 255));
  GlowFromRed(keyed, 0x00FF8000);  // $BBGGRR: blue 255, green 128
  EXPECT_EQ(keyed.Pixels().At(0, 0), MakePixel(0, 128, 255, 255));
  EXPECT_EQ(keyed.Pixels().At(1, 0), MakePixel(0, 128, 255, 1));
  EXPECT_TRUE(keyed.alphaBlend);
}

TEST(Fade, StepsByATenthAndAlwaysEnds) {
  TvxFade f;
  f.Start(255);
  std::vector<int> seen;
  while (!f.Done()) seen.push_back(f.Tick());
  ASSERT_EQ(seen.size(), 11u);
  EXPECT_EQ(seen[0], 25);
  EXPECT_EQ(seen[9], 250);
  EXPECT_EQ(seen[10], 255);
  f.Start(7);
  int ticks = 0;
  while (!f.Done() && ticks < 1000) f.Tick(), ++ticks;
  EXPECT_EQ(ticks, 7);
  f.Start(4000);
  EXPECT_EQ(f.Target(), 255);
  f.Start(-5);
  EXPECT_TRUE(f.Done());
}

TEST(WindowFade, StepsAFifteenthNoCloserThanTheGapAndEndsAtTheTarget) {
  TvxWindowFade f;
  f.Start(200);
  EXPECT_EQ(f.Step(), 13);
  uint32_t now = 1000;
  EXPECT_TRUE(f.Advance(now));  // the first step is at once
  EXPECT_EQ(f.Alpha(), 13);
  EXPECT_FALSE(f.Advance(now + 5));  // more than 5 ms must pass
  EXPECT_EQ(f.Alpha(), 13);
  now += 6;
  EXPECT_TRUE(f.Advance(now));
  EXPECT_EQ(f.Alpha(), 26);
  std::vector<int> seen;
  for (int i = 0; i < 100 && f.Running(); ++i) {
    now += 6;
    if (f.Advance(now)) seen.push_back(f.Alpha());
  }
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 200);  // the last step is cut to the target
  EXPECT_EQ(seen.size(), 14u);  // 16 steps in all: 15 of 13 and the rest
  EXPECT_FALSE(f.Running());
  EXPECT_FALSE(f.Advance(now + 100));

  f.Start(7, TvxWindowFade::kHintGapMs);  // a small target still moves by 1
  EXPECT_EQ(f.Step(), 1);
  EXPECT_TRUE(f.Advance(0));
  EXPECT_FALSE(f.Advance(3));
  EXPECT_TRUE(f.Advance(4));
  EXPECT_EQ(f.Alpha(), 2);

  f.Start(999);
  EXPECT_EQ(f.Target(), 255);
  f.Start(0);
  EXPECT_FALSE(f.Running());
  EXPECT_FALSE(f.Advance(0));
}

TEST(WindowFade, TheTickCounterWrapNeitherStallsNorRushes) {
  TvxWindowFade f;
  f.Start(255);
  uint32_t now = 0xFFFFFFFDu;
  ASSERT_TRUE(f.Advance(now));
  EXPECT_FALSE(f.Advance(now + 4));  // wrapped to 1: only 4 ms later
  EXPECT_TRUE(f.Advance(now + 6));   // wrapped to 3: 6 ms later
  EXPECT_EQ(f.Alpha(), 34);
}

}  // namespace
}  // namespace vx
