// Quick buttons drawn onto the program's caption by the portable frame
// painting: the divider from the caption's picture, the images at their
// places, the hover and pressed backgrounds of the "officequickbutton"
// record, and nothing drawn without items.
#include <gtest/gtest.h>

#include "FramePaint.h"
#include "QuickButtonRecords.h"
#include "../ProgramSkinData.h"
#include "vxCopy.h"
#include "vxSkinData.h"

namespace vx::frame {
namespace {

using vx::testing::ProgramSkin;

constexpr Pixel kColours[] = {MakePixel(200, 30, 30), MakePixel(30, 30, 200)};

struct Quick {
  std::vector<QuickButton> buttons{2};
  std::vector<QuickButton*> refs{&buttons[0], &buttons[1]};
  QuickButtonsPaint paint;
  Quick() {
    buttons[0].imageIndex = 0;
    buttons[1].imageIndex = 1;
    paint.items = refs;
    paint.looks.drawImage = [](TvxPixmap& canvas, int x, int y, int index, bool enabled) {
      const Pixel p = enabled ? kColours[index] : MakePixel(128, 128, 128);
      for (int j = 0; j < 16; ++j)
        for (int i = 0; i < 16; ++i)
          if (canvas.Contains(x + i, y + j)) canvas.Set(x + i, y + j, p);
    };
    QuickButtonBackgroundFromSkinData(ProgramSkin(), paint.looks);
  }
  TvxPixmap Render(bool divider = true) {
    return RenderFramePreview(ProgramSkin(), 883, 708, kProgramBorderIcons, false, &paint, divider);
  }
};

Pixel At(const TvxPixmap& p, int x, int y) { return p.At(x, y) & 0xFFFFFF; }

TEST(QuickButtonPaint, ImagesSitCentredInTheirPlacesAfterTheDivider) {
  Quick q;
  const TvxPixmap frame = q.Render();
  ASSERT_FALSE(frame.Empty());
  // The program's caption (5, 4, 839, 20) has a 3 x 13 divider.
  EXPECT_EQ(q.paint.layout.divider, (Rect{8, 6, 11, 19}));
  EXPECT_EQ(q.buttons[0].rect, (Rect{14, 2, 34, 22}));
  EXPECT_EQ(q.buttons[1].rect, (Rect{38, 2, 58, 22}));
  for (int i = 0; i < 2; ++i) {
    const Rect r = q.buttons[i].rect;
    EXPECT_EQ(At(frame, r.Left + 2, r.Top + 2), kColours[i] & 0xFFFFFF);
    EXPECT_EQ(At(frame, r.Right - 3, r.Bottom - 3), kColours[i] & 0xFFFFFF);
    EXPECT_NE(At(frame, r.Left + 1, r.Top + 1), kColours[i] & 0xFFFFFF);  // the 2-pixel margin
  }
  // The divider is the caption picture's dividerrect.
  const TvxPixmap* picture = ProgramSkin().Picture(0);
  ASSERT_NE(picture, nullptr);
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(At(frame, 8 + x, 6 + y), picture->At(66 + x, 42 + y) & 0xFFFFFF);
  // Without the divider the buttons start at the caption's edge and the
  // divider's place shows the bare frame.
  const TvxPixmap bare = RenderFramePreview(ProgramSkin(), 883, 708, kProgramBorderIcons, false);
  const TvxPixmap plain = q.Render(false);
  EXPECT_EQ(q.buttons[0].rect.Left, 5);
  EXPECT_TRUE(q.paint.layout.divider.IsEmpty());
  int differences = 0;
  for (int x = 60; x < 800; ++x) differences += At(plain, x, 3) != At(bare, x, 3);
  EXPECT_EQ(differences, 0);
}

TEST(QuickButtonPaint, HotAndPressedItemsGetTheButtonRecordsBackgrounds) {
  Quick q;
  const TvxPixmap idle = q.Render();
  q.buttons[1].hot = true;
  const TvxPixmap hot = q.Render();
  q.buttons[1].down = true;
  const TvxPixmap down = q.Render();
  const Rect r = q.buttons[1].rect;
  ASSERT_NE(q.paint.looks.backPicture, nullptr);
  // The background's top-left corner is the record's image corner, unscaled.
  const TvxPixmap& back = *q.paint.looks.backPicture;
  EXPECT_EQ(At(hot, r.Left, r.Top), back.At(q.paint.looks.backHover.Left, q.paint.looks.backHover.Top) & 0xFFFFFF);
  EXPECT_EQ(At(down, r.Left, r.Top), back.At(q.paint.looks.backDown.Left, q.paint.looks.backDown.Top) & 0xFFFFFF);
  EXPECT_NE(At(hot, r.Left + 1, r.Top + 1), At(idle, r.Left + 1, r.Top + 1));
  EXPECT_NE(At(down, r.Left + 1, r.Top + 1), At(hot, r.Left + 1, r.Top + 1));
  // The image stays on top; the other item is untouched.
  EXPECT_EQ(At(down, r.Left + 5, r.Top + 5), kColours[1] & 0xFFFFFF);
  const Rect o = q.buttons[0].rect;
  for (int y = o.Top; y < o.Bottom; ++y)
    for (int x = o.Left; x < o.Right; ++x) ASSERT_EQ(At(down, x, y), At(idle, x, y));
  // A disabled item shows its disabled image and no background.
  q.buttons[1].enabled = false;
  const TvxPixmap disabled = q.Render();
  EXPECT_EQ(At(disabled, r.Left + 5, r.Top + 5), MakePixel(128, 128, 128) & 0xFFFFFF);
  EXPECT_EQ(At(disabled, r.Left + 1, r.Top + 1), At(idle, r.Left + 1, r.Top + 1));
}

TEST(QuickButtonPaint, WithoutItemsOrARecordNothingExtraIsDrawn) {
  Quick q;
  std::vector<QuickButton*> none;
  q.paint.items = none;
  const TvxPixmap empty = q.Render();
  const TvxPixmap bare = RenderFramePreview(ProgramSkin(), 883, 708, kProgramBorderIcons, false);
  ASSERT_EQ(empty.Width(), bare.Width());
  int differences = 0;
  for (int y = 0; y < 26; ++y)
    for (int x = 0; x < 883; ++x) differences += At(empty, x, y) != At(bare, x, y);
  EXPECT_EQ(differences, 0);
  // A skin without either button record: hot items draw their image only.
  TvxSkinData blank;
  QuickButtonLooks looks;
  looks.backPicture = &bare;
  QuickButtonBackgroundFromSkinData(blank, looks);
  EXPECT_EQ(looks.backPicture, nullptr);
}

}  // namespace
}  // namespace vx::frame
