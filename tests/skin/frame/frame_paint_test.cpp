// The frame's pixels: which image a frame object shows in each state, the
// strips composed from the program's skin (objects onto the right strip, the
// cache, the inactive look), the default frame, the client background and the
// canonical region rectangles the previews print.
#include <gtest/gtest.h>

#include "FramePaint.h"
#include "FrameRecords.h"
#include "../ProgramSkinData.h"
#include "vxCopy.h"
#include "vxMorph.h"
#include "vxRegionData.h"
#include "vxSkinData.h"

namespace vx::frame {
namespace {

using vx::testing::ProgramSkin;

// The program's layout for a window of w x h with its two caption buttons.
struct Layout : PreviewLayout {
  Layout(int w, int h) : PreviewLayout(ProgramSkin(), w, h, kProgramBorderIcons) {}
  FrameObject& Named(const std::string& name) {
    for (FrameObject& o : objects)
      if (o.IDName == name) return o;
    throw std::runtime_error("no " + name);
  }
};

// Whether `canvas` shows `from` of `picture` at (x, y).
bool Shows(const TvxPixmap& canvas, int x, int y, const TvxPixmap& picture, const Rect& from) {
  for (int j = 0; j < from.Height(); ++j)
    for (int i = 0; i < from.Width(); ++i)
      if ((canvas.At(x + i, y + j) & 0xFFFFFF) != (picture.At(from.Left + i, from.Top + j) & 0xFFFFFF)) return false;
  return true;
}

TEST(FrameObjectImage, AButtonShowsTheImageOfItsState) {
  FrameObject b;
  b.kind = ObjectKind::StdButton;
  b.command = TvxStdCommand::cmmaximize;
  b.inPicture = true;
  b.skinRect = {0, 0, 10, 10};
  b.activeRect = {0, 10, 10, 20};
  b.downRect = {0, 20, 10, 30};
  b.inactiveRect = {0, 30, 10, 40};
  b.disabledRect = {0, 40, 10, 50};
  b.restoreRect = {10, 0, 20, 10};
  b.restoreActiveRect = {10, 10, 20, 20};
  ObjectLook look;
  EXPECT_EQ(FrameObjectImage(b, look).source, b.skinRect);
  b.Active = b.MouseIn = true;
  EXPECT_EQ(FrameObjectImage(b, look).source, b.activeRect);
  b.Down = true;
  EXPECT_EQ(FrameObjectImage(b, look).source, b.downRect);
  // Pressed, then dragged off: the pressed image goes with the pointer.
  b.MouseIn = b.Active = false;
  EXPECT_EQ(FrameObjectImage(b, look).source, b.skinRect);
  b.Down = false;
  look.frameActive = false;
  EXPECT_EQ(FrameObjectImage(b, look).source, b.inactiveRect);
  b.Enabled = false;
  EXPECT_EQ(FrameObjectImage(b, look).source, b.disabledRect);
  b.Enabled = true;
  look.frameActive = true;
  look.commandInEffect = true;  // a maximized window's maximize button
  EXPECT_EQ(FrameObjectImage(b, look).source, b.restoreRect);
  b.Active = true;
  EXPECT_EQ(FrameObjectImage(b, look).source, b.restoreActiveRect);
}

TEST(FrameObjectImage, AnObjectOnTheFramePictureIsNotDrawnAgainOnAFrameRepaint) {
  FrameObject o;
  o.kind = ObjectKind::Button;
  o.inPicture = false;
  o.skinRect = {5, 5, 15, 15};
  ObjectLook look;
  EXPECT_TRUE(FrameObjectImage(o, look).source.IsEmpty());
  look.fullRedraw = true;
  const ObjectImage image = FrameObjectImage(o, look);
  EXPECT_EQ(image.source, o.skinRect);
  EXPECT_TRUE(image.fromMain);
  // A caption without an active look of its own draws only its text.
  FrameObject caption;
  caption.kind = ObjectKind::Caption;
  caption.skinRect = {5, 4, 280, 20};
  caption.Active = true;
  EXPECT_TRUE(FrameObjectImage(caption, look).source.IsEmpty());
}

TEST(FrameObjectImage, WithSkinEffectsAMorphingButtonShowsItsMorph) {
  Layout l(883, 708);
  FrameObject close = l.Named("closebutton");
  ASSERT_TRUE(close.morphing);
  const TvxPixmap& buttons = *ProgramSkin().Picture(0);
  TvxPixmap canvas(883, 30);
  ObjectLook look;
  look.effects = true;
  close.Active = true;  // entered, the fade not begun: still the normal look
  ASSERT_TRUE(DrawFrameObjectImage(close, ProgramSkin().MainPicture, canvas, 0, 0, look));
  EXPECT_TRUE(Shows(canvas, 861, 3, buttons, {0, 0, 17, 15}));
  close.morph = 0.6;
  DrawFrameObjectImage(close, ProgramSkin().MainPicture, canvas, 0, 0, look);
  TvxPixmap want(17, 15), active(17, 15);
  CopyRect(buttons, {0, 0, 17, 15}, want, {0, 0, 17, 15});
  CopyRect(buttons, {0, 15, 17, 30}, active, {0, 0, 17, 15});
  MorphBlend(want, active, 0.6, close.morphKind);
  EXPECT_TRUE(Shows(canvas, 861, 3, want, {0, 0, 17, 15}));
  EXPECT_FALSE(Shows(canvas, 861, 3, buttons, {0, 0, 17, 15}));
  close.morph = 1;
  DrawFrameObjectImage(close, ProgramSkin().MainPicture, canvas, 0, 0, look);
  EXPECT_TRUE(Shows(canvas, 861, 3, buttons, {0, 15, 17, 30}));
  // Without skin effects the active look comes at once.
  close.morph = 0;
  look.effects = false;
  DrawFrameObjectImage(close, ProgramSkin().MainPicture, canvas, 0, 0, look);
  EXPECT_TRUE(Shows(canvas, 861, 3, buttons, {0, 15, 17, 30}));
}

TEST(SkinFrame, TheProgramsFrameHasItsStripsAndButtonsAtTheDesignSize) {
  Layout l(883, 708);
  FrameStripCache cache;
  std::vector<Rect> captions;
  BorderStrips s = ComposeSkinFrame(ProgramSkin(), l.skin, l.geometry, l.objects, true, cache,
                                    [&](TvxPixmap&, const FrameObject&, const Rect& r, bool) { captions.push_back(r); });
  EXPECT_EQ(s.top.Width(), 883);
  EXPECT_EQ(s.top.Height(), 26);
  EXPECT_EQ(s.bottom.Height(), 3);
  EXPECT_EQ(s.left.Width(), 3);
  EXPECT_EQ(s.left.Height(), 679);
  EXPECT_EQ(s.right.Width(), 3);
  ASSERT_EQ(captions.size(), 1u);
  EXPECT_EQ(captions[0], (Rect{5, 4, 839, 20}));
  const TvxPixmap& buttons = *ProgramSkin().Picture(0);
  EXPECT_TRUE(Shows(s.top, 861, 3, buttons, {0, 0, 17, 15}));  // close, normal
  // Hot, and inactive.
  l.Named("closebutton").Active = true;
  s = ComposeSkinFrame(ProgramSkin(), l.skin, l.geometry, l.objects, true, cache, {});
  EXPECT_TRUE(Shows(s.top, 861, 3, buttons, {0, 15, 17, 30}));
  l.Named("closebutton").Active = false;
  s = ComposeSkinFrame(ProgramSkin(), l.skin, l.geometry, l.objects, false, cache, {});
  EXPECT_TRUE(Shows(s.top, 861, 3, buttons, {0, 45, 17, 60}));
  // The same strips served from the cache for both looks (no inactive picture).
  EXPECT_EQ(cache.Builds(), 2);
}

TEST(SkinFrame, ObjectsBelowTheClientsTopGoOntoTheBottomStripAndNeverOntoTheSides) {
  Layout l(400, 300);
  FrameStripCache cache;
  const BorderStrips bare = ComposeSkinFrame(ProgramSkin(), l.skin, l.geometry, {}, true, cache, {});
  FrameObject& close = l.Named("closebutton");
  close.rect = {100, 298, 117, 313};  // reaches below the client's top
  FrameObject& min = l.Named("minbutton");
  min.rect = {0, 100, 3, 115};  // in the left border
  const BorderStrips& s = ComposeSkinFrame(ProgramSkin(), l.skin, l.geometry, l.objects, true, cache, {});
  const TvxPixmap& buttons = *ProgramSkin().Picture(0);
  // The bottom strip is rows 297 … 299: the button's top two rows show there.
  ASSERT_EQ(l.geometry.client.Bottom, 297);
  EXPECT_TRUE(Shows(s.bottom, 100, 1, buttons, {0, 0, 17, 2})) << "close on the bottom strip";
  for (const auto& [strip, side] : {std::pair{&s.left, &bare.left}, std::pair{&s.right, &bare.right}})
    for (int y = 0; y < side->Height(); ++y)
      for (int x = 0; x < side->Width(); ++x) ASSERT_EQ(strip->At(x, y), side->At(x, y));
}

TEST(SkinFrame, TheStripCacheFollowsTheSizeAndTheSkin) {
  Layout a(500, 400), b(501, 400);
  FrameStripCache cache;
  cache.Get(ProgramSkin(), a.skin, a.geometry, false);
  cache.Get(ProgramSkin(), a.skin, a.geometry, false);
  EXPECT_EQ(cache.Builds(), 1);
  cache.Get(ProgramSkin(), b.skin, b.geometry, false);
  EXPECT_EQ(cache.Builds(), 2);
  TvxSkinData other;  // another skin data (empty): nothing to cut, but rebuilt
  cache.Get(other, FrameSkin{}, b.geometry, false);
  EXPECT_EQ(cache.Builds(), 3);
  EXPECT_TRUE(cache.Get(other, FrameSkin{}, b.geometry, false).top.Empty());
}

TEST(DefaultFrame, RingsCaptionLinesAndButtonGlyphs) {
  const DefaultFrameColors c;
  FrameObjectList objects = CreateDefaultButtons();
  BorderIconOptions bi;
  bi.icons = biMinimize;
  ApplyBorderIcons(objects, bi);
  FrameOptions o;
  const Rect area = LayoutDefaultButtons(objects, 300, o, {});
  BorderStrips s;
  int textCalls = 0;
  ComposeDefaultFrame(300, 200, 19, area, objects, true, c, [&](TvxPixmap&, const Rect&, bool) { ++textCalls; }, s);
  EXPECT_EQ(textCalls, 1);
  ASSERT_EQ(s.top.Height(), 22);
  ASSERT_EQ(s.left.Width(), 3);
  EXPECT_EQ(s.top.At(0, 0), c.light3D);
  EXPECT_EQ(s.top.At(1, 1), c.btnHighlight);
  EXPECT_EQ(s.bottom.At(150, 2), c.dkShadow3D);
  EXPECT_EQ(s.bottom.At(150, 1), c.btnShadow);
  EXPECT_EQ(s.left.At(2, 50), c.btnFace);
  // The caption lines alternate from row 2 of the bar (window row 5).
  EXPECT_EQ(s.top.At(area.Left + 2, 5), c.btnHighlight);
  EXPECT_EQ(s.top.At(area.Left + 2, 6), c.btnShadow);
  EXPECT_EQ(s.top.At(area.Left + 1, 5), c.btnFace);
  // The close glyph's first stroke starts at (1, 1) of its origin.
  for (const FrameObject& b : objects) {
    if (b.command != TvxStdCommand::cmclose) continue;
    const int x = b.rect.Left + b.rect.Width() / 2 - 5, y = b.rect.Top + b.rect.Height() / 2 - 4;
    EXPECT_EQ(s.top.At(x + 1, y + 1), c.btnText);
    EXPECT_EQ(s.top.At(x + 9, y + 9), c.btnFace);  // lines leave out their end point
  }
}

TEST(ClientBackground, TheTileIsRepeatedOrStretchedAndAMissingTileIsTheFace) {
  const ClientTile tile = ClientBackgroundTile(ProgramSkin());
  ASSERT_NE(tile.picture, nullptr);
  EXPECT_EQ(tile.source, (Rect{3, 26, 282, 207}));
  TvxPixmap canvas(600, 400);
  PaintClientBackground(tile, canvas, 606, 429, 0);
  EXPECT_EQ(canvas.At(280, 183), tile.picture->At(3 + 1, 26 + 2));
  ClientTile stretched = tile;
  stretched.stretch = true;
  stretched.type = TvxStretchType::stFull;
  PaintClientBackground(stretched, canvas, 558, 362, 0);  // twice the tile
  EXPECT_EQ(canvas.At(3, 5), tile.picture->At(3 + 1, 26 + 2));
  PaintClientBackground({}, canvas, 10, 10, MakePixel(1, 2, 3));
  EXPECT_EQ(canvas.At(599, 399), MakePixel(1, 2, 3));
}

TEST(BandedRegionRects, UnionsAreBandedFromTheTopAndMergedLikeThePlatformsRegions) {
  // Overlapping rectangles make one; an L shape makes two bands.
  EXPECT_EQ(BandedRegionRects({{0, 0, 10, 10}, {5, 0, 20, 10}}), (std::vector<PixRect>{{0, 0, 20, 10}}));
  EXPECT_EQ(BandedRegionRects({{0, 0, 10, 20}, {0, 10, 30, 20}}),
            (std::vector<PixRect>{{0, 0, 10, 10}, {0, 10, 30, 20}}));
  // Rows with the same spans merge; a gap between rows does not.
  EXPECT_EQ(BandedRegionRects({{0, 0, 5, 1}, {0, 1, 5, 2}, {0, 3, 5, 4}}),
            (std::vector<PixRect>{{0, 0, 5, 2}, {0, 3, 5, 4}}));
  // Two spans in a band, left to right; empty rectangles add nothing.
  EXPECT_EQ(BandedRegionRects({{20, 0, 30, 5}, {0, 0, 10, 5}, {7, 7, 7, 9}}),
            (std::vector<PixRect>{{0, 0, 10, 5}, {20, 0, 30, 5}}));
  // The program's window at its design size: rounded top corners, one body.
  const auto rects = FrameRegionPreview(ProgramSkin(), 883, 708, kProgramBorderIcons);
  ASSERT_FALSE(rects.empty());
  EXPECT_EQ(rects.front().Top, 0);
  EXPECT_EQ(rects.back().Bottom, 708);
  for (size_t i = 1; i < rects.size(); ++i) EXPECT_GE(rects[i].Top, rects[i - 1].Top);
}

}  // namespace
}  // namespace vx::frame
