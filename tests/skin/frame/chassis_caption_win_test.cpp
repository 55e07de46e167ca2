// The caption on real windows: a skin whose caption plays a strip of cells
// when the window's activity changes, and quick buttons on the program's
// caption (their places, looks, clicks and the hit test around them).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Chassis.h"
#include "FramePaint.h"
#include "../ProgramSkinOnForm.h"
#include "../ProgramSkinParts.h"
#include "tkForms.h"
#include "tkImgList.h"
#include "vxBmpCodec.h"
#include "vxCopy.h"
#include "vxPixmapDib.h"
#include "vxSkinContainer.h"
#include "vxSkinZlib.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

constexpr vx::frame::TvxBorderIcons kIcons = vx::frame::biMinimize | vx::frame::biRollUp;

// The looks the animated caption can show, as colours in the middle of it.
constexpr vx::Pixel kActive = 0xFFFF00, kCell1 = 0xFF0000, kCell2 = 0x00FF00, kCell3 = 0x0000FF;
// The animate button's four frames and its pressed look.
constexpr vx::Pixel kFrames[] = {0x102030, 0x405060, 0x708090, 0xA0B0C0};
constexpr vx::Pixel kPressed = 0xC02080;

// The program's skin with two additions: the caption gets a look of its own
// (picture 18, a copy of the caption-button picture with the caption's
// active image and three animation cells below it), played at 100 ms a
// cell and backwards when the window goes inactive; and an animate object
// acting as the roll-up button, four frames of 17 x 15 at 150 ms a frame
// and a pressed image, in the same picture below the cells.
vx::Bytes AnimatedCaptionSkin() {
  vx::testing::ProgramSkinParts apart = vx::testing::TakeProgramSkinApart();
  const vx::TvxSkinContainer& c = apart.container;
  vx::TvxSkinContainerParts& parts = apart.parts;
  const vx::TvxPixmap& buttons = c.pictures.at(0).picture;
  const int top = buttons.Height(), width = std::max(buttons.Width(), 275);
  vx::TvxPixmap strip(width, top + 79);
  vx::CopyRect(buttons, {0, 0, buttons.Width(), top}, strip, {0, 0, buttons.Width(), top});
  const vx::Pixel looks[] = {kActive, kCell1, kCell2, kCell3};
  for (int i = 0; i < 4; ++i)
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < width; ++x) strip.Set(x, top + 16 * i + y, 0xFF000000u | looks[i]);
  const vx::Pixel animate[] = {kFrames[0], kFrames[1], kFrames[2], kFrames[3], kPressed};
  for (int i = 0; i < 5; ++i)
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < 17; ++x) strip.Set(17 * i + x, top + 64 + y, 0xFF000000u | animate[i]);
  parts.pictures.push_back(vx::EncodeBmp(strip, 24));
  const std::string t = std::to_string(top);
  const std::string a = std::to_string(top + 64), a2 = std::to_string(top + 79);
  bool inCaption = false, inObjects = false;
  for (std::string& line : vx::SplitSkinLines(c.definition)) {
    if (!line.empty() && line[0] == '[') inCaption = line == "[caption]";
    if (line == "activepicturescount=18") line = "activepicturescount=19\r\n18=captionanimation.bmp";
    if (line == "[SKINOBJECTS]") inObjects = true;
    if (inObjects && line == "count=11") line = "count=12";
    if (inObjects && line == "10=menubarminbutton:mainmenubarbutton") {
      line += "\r\n11=animbutton:animate";
      inObjects = false;
    }
    if (inCaption) {
      if (line.rfind("activepictureindex=", 0) == 0) line = "activepictureindex=18";
      if (line.rfind("activeskinrect=", 0) == 0) line = "activeskinrect=0," + t + ",275," + std::to_string(top + 16);
      if (line.rfind("animateskinrect=", 0) == 0)
        line = "animateskinrect=0," + std::to_string(top + 16) + ",275," + std::to_string(top + 64);
      if (line.rfind("framecount=", 0) == 0) line = "framecount=3";
      if (line.rfind("animateinterval=", 0) == 0) line = "animateinterval=100";
      if (line.rfind("inactiveanimation=", 0) == 0) line = "inactiveanimation=1";
    }
    parts.definitionLines.push_back(line);
  }
  for (const std::string& line :
       {std::string("[animbutton]"), std::string("hint=Roll up"), std::string("activepictureindex=18"),
        std::string("skinrectinapicture=1"), "skinrect=0," + a + ",17," + a2, std::string("countframes=4"),
        std::string("buttonstyle=1"), std::string("timerinterval=150"), std::string("command=cmrollup"),
        "downskinrect=68," + a + ",85," + a2})
    parts.definitionLines.push_back(line);
  return vx::DeflateSkin(vx::WriteSkinContainer(parts));
}

class CaptionTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    tktest::ParkPointer();
    app->CreateForm(form);
    form->SetCaption(L"Caption test");
  }
  // The animated caption skin, owned by the form.
  vx::TvxSkinDataComponent* AnimatedSkinData() {
    auto* stored = new vx::TvxCompressedStoredSkinComponent(form);
    stored->SetCompressedData(AnimatedCaptionSkin());
    auto* data = new vx::TvxSkinDataComponent(form);
    data->SetCompressedStoredSkin(stored);
    return data;
  }
  void Attach(vx::TvxSkinDataComponent* data) {
    chassis = new vx::TvxChassis(form);
    chassis->SetSkinData(data);
    chassis->SetBorderIcons(kIcons);
    form->SetBounds(40, 30, 883, 708);
    form->Show();
    SetActiveWindow(form->Handle());
    ASSERT_TRUE(PumpUntil([&] { return form->Active(); }));
    PumpUntilIdle();
  }
  HWND Handle() { return form->Handle(); }
  RECT WindowRect() {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r;
  }
  LPARAM At(int x, int y) {
    const RECT w = WindowRect();
    return MAKELPARAM(w.left + x, w.top + y);
  }
  LRESULT HitTest(int x, int y) { return SendMessageW(Handle(), WM_NCHITTEST, 0, At(x, y)); }
  vx::TvxPixmap PrintFrame() {
    tk::TBitmap bitmap(883, 708);
    SendMessageW(Handle(), vx::kFramePrintMessage, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()), 0);
    GdiFlush();
    return bitmap.Pixmap();
  }
  // Another window takes the activation.
  void Deactivate() {
    if (!other) {
      app->CreateForm(other);
      other->SetBounds(600, 760, 200, 100);
      other->Show();
    }
    SetActiveWindow(other->Handle());
    ASSERT_TRUE(PumpUntil([&] { return !form->Active(); }));
  }

  tk::TForm* form = nullptr;
  tk::TForm* other = nullptr;
  vx::TvxChassis* chassis = nullptr;
};

// The looks the caption was painted with, in order, repeats folded.
struct PaintedLooks {
  std::vector<vx::Pixel> seen;
  void Record(vx::Pixel p) {
    if (seen.empty() || seen.back() != p) seen.push_back(p);
  }
  std::vector<vx::Pixel> Since(size_t start) const {
    return {seen.begin() + static_cast<std::ptrdiff_t>(std::min(start, seen.size())), seen.end()};
  }
};

TEST_F(CaptionTest, TheCaptionPlaysItsCellsInOrderWhenTheActivityChanges) {
  vx::TvxSkinDataComponent* data = AnimatedSkinData();
  ASSERT_FALSE(data->Empty());
  data->EnableSkinEffects = true;
  PaintedLooks looks;
  Attach(data);
  // The text is left out: what lies under it is the caption's look.
  chassis->OnCaptionPaint = [&](tk::TCanvas& canvas, const tk::TRect& r, bool) {
    GdiFlush();
    looks.Record(vx::PixelFromColor(GetPixel(canvas.Handle(), r.Left + 400, r.Top + 8)) & 0xFFFFFF);
  };
  ASSERT_TRUE(PumpUntil([&] { return !chassis->AnimationRunning(); }));

  size_t start = looks.seen.size();
  Deactivate();
  ASSERT_TRUE(PumpUntil([&] { return !chassis->AnimationRunning(); }));
  std::vector<vx::Pixel> backwards = looks.Since(start);
  // The last cell first, down to the first, then the frame picture's caption.
  ASSERT_GE(backwards.size(), 4u);
  const vx::Pixel idle = backwards.back();
  EXPECT_EQ(std::vector<vx::Pixel>(backwards.end() - 4, backwards.end()),
            (std::vector<vx::Pixel>{kCell3, kCell2, kCell1, idle}));
  for (vx::Pixel p : {kActive, kCell1, kCell2, kCell3}) EXPECT_NE(idle, p);

  start = looks.seen.size();
  SetActiveWindow(Handle());
  ASSERT_TRUE(PumpUntil([&] { return form->Active(); }));
  ASSERT_TRUE(PumpUntil([&] { return !chassis->AnimationRunning(); }));
  const std::vector<vx::Pixel> forwards = looks.Since(start);
  ASSERT_GE(forwards.size(), 4u);
  EXPECT_EQ(std::vector<vx::Pixel>(forwards.end() - 4, forwards.end()),
            (std::vector<vx::Pixel>{kCell1, kCell2, kCell3, kActive}));
  // At rest the window shows the active look.
  const vx::TvxPixmap frame = PrintFrame();
  EXPECT_EQ(frame.At(400, 12) & 0xFFFFFF, kActive);

  // Without skin effects the look changes at once, with no tick running.
  data->EnableSkinEffects = false;
  start = looks.seen.size();
  Deactivate();
  PumpUntilIdle();
  EXPECT_FALSE(chassis->AnimationRunning());
  EXPECT_EQ(looks.Since(start), (std::vector<vx::Pixel>{idle}));
}

TEST_F(CaptionTest, DestroyingTheWindowStopsTheCaptionAnimation) {
  vx::TvxSkinDataComponent* data = AnimatedSkinData();
  ASSERT_FALSE(data->Empty());
  data->EnableSkinEffects = true;
  Attach(data);
  ASSERT_TRUE(PumpUntil([&] { return !chassis->AnimationRunning(); }));
  Deactivate();
  ASSERT_TRUE(chassis->AnimationRunning());
  DestroyWindow(Handle());
  EXPECT_FALSE(chassis->AnimationRunning());
}

TEST_F(CaptionTest, AnAnimateButtonStepsThroughItsFramesAsThePointerComesAndGoes) {
  vx::TvxSkinDataComponent* data = AnimatedSkinData();
  ASSERT_FALSE(data->Empty());
  Attach(data);
  int index = -1;
  for (size_t i = 0; i < chassis->Objects().size(); ++i)
    if (chassis->Objects()[i].IDName == "animbutton") index = static_cast<int>(i);
  ASSERT_GE(index, 0);
  const vx::frame::FrameObject& button = chassis->Objects()[index];
  // It takes the roll-up button's place, left of minimize.
  EXPECT_EQ(button.rect, (vx::frame::Rect{817, 3, 834, 18}));
  const int x = 825, y = 10;
  auto look = [&] { return PrintFrame().At(x, y) & 0xFFFFFF; };
  EXPECT_EQ(look(), kFrames[0]);
  // Every frame the button takes, with what the window then shows.
  std::vector<vx::Pixel> shown;
  int last = button.currentFrame;
  auto record = [&] {
    if (button.currentFrame != last) {
      last = button.currentFrame;
      shown.push_back(look());
    }
    return !chassis->AnimationRunning();
  };
  const RECT w = WindowRect();
  SetCursorPos(w.left + x, w.top + y);
  EXPECT_EQ(HitTest(x, y), HTOBJECT);
  ASSERT_TRUE(PumpUntil(record));
  EXPECT_EQ(shown, (std::vector<vx::Pixel>{kFrames[1], kFrames[2], kFrames[3]}));
  // The pointer leaves the window: the hover poll lets go and it steps back.
  shown.clear();
  tktest::ParkPointer();
  ASSERT_TRUE(PumpUntil([&] { return chassis->AnimationRunning(); }));
  ASSERT_TRUE(PumpUntil(record));
  EXPECT_EQ(shown, (std::vector<vx::Pixel>{kFrames[2], kFrames[1], kFrames[0]}));
  EXPECT_EQ(look(), kFrames[0]);

  // Pressed: the last frame in the pressed look; released on it: roll-up.
  SetCursorPos(w.left + x, w.top + y);
  HitTest(x, y);
  SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTOBJECT, At(x, y));
  EXPECT_EQ(look(), kPressed);
  SendMessageW(Handle(), WM_NCLBUTTONUP, HTOBJECT, At(x, y));
  EXPECT_TRUE(PumpUntil([&] { return chassis->RolledUp(); }));
}

// Quick buttons on the program's caption: two 16 x 16 images.
class QuickButtonsTest : public CaptionTest {
 protected:
  void SetUp() override {
    CaptionTest::SetUp();
    const auto program = vx::testing::AddProgramSkin(form);
    Attach(program.skin);
    skin = program.skin;
    images = new tk::TImageList(form);
    images->SetSize(16, 16);
    for (vx::Pixel colour : {kRed, kBlue}) {
      tk::TBitmap b(16, 16);
      b.Pixmap().Fill(0xFF000000u | colour);
      images->Add(b);
    }
    for (int i = 0; i < 2; ++i) {
      vx::TvxQuickButtonItem* item = chassis->QuickButtons().Add();
      item->SetImageIndex(i);
      item->OnClick = [this, i](tk::TObject*) { ++clicks[i]; };
    }
    chassis->SetQuickImageList(images);
    PumpUntilIdle();
  }
  vx::frame::Rect Item(int i) { return chassis->QuickButtons().Items(i)->ItemRect(); }
  void Move(int x, int y) { SendMessageW(Handle(), WM_NCMOUSEMOVE, HitTest(x, y), At(x, y)); }
  void Press(int x, int y) { SendMessageW(Handle(), WM_NCLBUTTONDOWN, HitTest(x, y), At(x, y)); }
  void Release(int x, int y) { SendMessageW(Handle(), WM_NCLBUTTONUP, HitTest(x, y), At(x, y)); }

  static constexpr vx::Pixel kRed = 0xE02020, kBlue = 0x2020E0;
  vx::TvxSkinDataComponent* skin = nullptr;
  tk::TImageList* images = nullptr;
  int clicks[2] = {0, 0};
};

TEST_F(QuickButtonsTest, TheyAreDrawnAtTheirPlacesAfterTheDividerAsThePreviewShows) {
  // Caption (5, 4, 839, 20), divider 3 wide: the buttons start at 5 + 3 + 6.
  EXPECT_EQ(Item(0), (vx::frame::Rect{14, 2, 34, 22}));
  EXPECT_EQ(Item(1), (vx::frame::Rect{38, 2, 58, 22}));
  const vx::TvxPixmap frame = PrintFrame();
  for (int i = 0; i < 2; ++i) {
    const vx::frame::Rect r = Item(i);
    EXPECT_EQ(frame.At(r.Left + 10, r.Top + 10) & 0xFFFFFF, i == 0 ? kRed : kBlue) << i;
  }
  // The window and the preview draw the strip alike; the text, centred
  // right of the strip, is left out.
  std::vector<vx::frame::QuickButton> buttons(2);
  std::vector<vx::frame::QuickButton*> refs{&buttons[0], &buttons[1]};
  buttons[0].imageIndex = 0;
  buttons[1].imageIndex = 1;
  vx::frame::QuickButtonsPaint quick;
  quick.items = refs;
  quick.looks.drawImage = [&](vx::TvxPixmap& canvas, int x, int y, int index, bool enabled) {
    images->Draw(vx::PixmapDC(canvas), x, y, index, enabled);
    GdiFlush();
  };
  const vx::TvxPixmap preview = vx::frame::RenderFramePreview(*skin, 883, 708, kIcons, false, &quick);
  int differences = 0;
  for (int y = 0; y < 26; ++y)
    for (int x = 0; x < 62; ++x) differences += (frame.At(x, y) & 0xFFFFFF) != (preview.At(x, y) & 0xFFFFFF);
  EXPECT_EQ(differences, 0);
  // Hidden items take no place.
  chassis->QuickButtons().Items(0)->SetVisible(false);
  PumpUntilIdle();
  PrintFrame();
  EXPECT_EQ(Item(1).Left, 14);
  EXPECT_TRUE(Item(0).IsEmpty());
}

TEST_F(QuickButtonsTest, TheCaptionMovesTheWindowOnlyRightOfTheButtons) {
  PrintFrame();
  EXPECT_EQ(HitTest(20, 10), HTOBJECT);
  EXPECT_EQ(HitTest(57, 10), HTOBJECT);  // the second button's last column
  EXPECT_EQ(HitTest(61, 10), HTOBJECT);  // its gap
  EXPECT_EQ(HitTest(62, 10), HTCAPTION);
  EXPECT_EQ(HitTest(400, 10), HTCAPTION);
  // Without an image list the strip is gone.
  chassis->SetQuickImageList(nullptr);
  EXPECT_EQ(HitTest(20, 10), HTCAPTION);
  chassis->SetQuickImageList(images);
  EXPECT_EQ(HitTest(20, 10), HTOBJECT);
  // Freeing the list leaves the frame without it, never with a dangling one.
  delete images;
  images = nullptr;
  EXPECT_EQ(chassis->QuickImageList(), nullptr);
  EXPECT_EQ(HitTest(20, 10), HTCAPTION);
  PrintFrame();
}

TEST_F(QuickButtonsTest, HotAndDownLooksAndOneClickOnReleaseOverTheButton) {
  const vx::frame::Rect r = Item(0);
  const int x = r.Left + 10, y = r.Top + 10;
  const vx::TvxPixmap idle = PrintFrame();
  Move(x, y);
  ASSERT_TRUE(chassis->QuickButtons().Items(0)->Hot());
  const vx::TvxPixmap hot = PrintFrame();
  Press(x, y);
  ASSERT_TRUE(chassis->QuickButtons().Items(0)->Down());
  const vx::TvxPixmap down = PrintFrame();
  // The image stays; the background around it changes with the look.
  auto border = [&](const vx::TvxPixmap& p) { return p.At(r.Left + 1, r.Top + 1) & 0xFFFFFF; };
  EXPECT_EQ(hot.At(x, y) & 0xFFFFFF, kRed);
  EXPECT_EQ(down.At(x, y) & 0xFFFFFF, kRed);
  EXPECT_NE(border(hot), border(idle));
  EXPECT_NE(border(down), border(hot));
  EXPECT_EQ(clicks[0], 0);
  Release(x, y);
  EXPECT_EQ(clicks[0], 1);
  EXPECT_EQ(clicks[1], 0);
  EXPECT_FALSE(chassis->QuickButtons().Items(0)->Down());
  EXPECT_EQ(border(PrintFrame()), border(hot));
  // A second release without a press runs nothing.
  Release(x, y);
  EXPECT_EQ(clicks[0], 1);

  // Pressed, dragged off onto the caption and released there: nothing.
  Press(x, y);
  Move(300, 12);
  EXPECT_FALSE(chassis->QuickButtons().Items(0)->Hot());
  Release(300, 12);
  EXPECT_EQ(clicks[0], 1);
  EXPECT_EQ(border(PrintFrame()), border(idle));
  // Pressed, dragged onto the other button and released there: nothing.
  Move(x, y);
  Press(x, y);
  const vx::frame::Rect r2 = Item(1);
  Move(r2.Left + 10, r2.Top + 10);
  Release(r2.Left + 10, r2.Top + 10);
  EXPECT_EQ(clicks[0], 1);
  EXPECT_EQ(clicks[1], 0);
  // A disabled button neither lights up nor clicks.
  chassis->QuickButtons().Items(1)->SetEnabled(false);
  Move(r2.Left + 10, r2.Top + 10);
  EXPECT_FALSE(chassis->QuickButtons().Items(1)->Hot());
  Press(r2.Left + 10, r2.Top + 10);
  Release(r2.Left + 10, r2.Top + 10);
  EXPECT_EQ(clicks[1], 0);
}

TEST_F(QuickButtonsTest, AButtonsHintShowsInTheSkinHintOnlyWhenAskedFor) {
  app->HintPause = 20;
  app->HintHidePause = 60000;
  chassis->QuickButtons().Items(0)->SetHint(L"Red");
  chassis->QuickButtons().Items(1)->SetHint(L"Blue");
  auto* hint = new vx::TvxSkinHint(form);
  hint->SetSkinData(skin);
  chassis->SetSkinHint(hint);
  auto shown = [&] { return IsWindowVisible(hint->HintWindow()->Handle()) != FALSE; };
  // The real pointer goes along: the frame's hover poll must find it where
  // the moves say it is, or it takes the pointer for gone and hides the hint.
  auto hover = [&](int x, int y) {
    const RECT w = WindowRect();
    SetCursorPos(w.left + x, w.top + y);
    Move(x, y);
  };
  const vx::frame::Rect r0 = Item(0), r1 = Item(1);
  hover(r0.Left + 10, r0.Top + 10);
  EXPECT_FALSE(PumpUntil(shown, 300));
  hover(300, 12);

  chassis->QuickButtonsShowHint = true;
  hover(r0.Left + 10, r0.Top + 10);
  ASSERT_TRUE(PumpUntil(shown, 3000));
  EXPECT_EQ(hint->HintWindow()->ShownText(), L"Red");
  // Onto the other button: its own hint.
  hover(r1.Left + 10, r1.Top + 10);
  ASSERT_TRUE(PumpUntil([&] { return shown() && hint->HintWindow()->ShownText() == L"Blue"; }, 3000));
  // Off the buttons onto the caption: hidden at once.
  hover(300, 12);
  EXPECT_FALSE(shown());
  tktest::ParkPointer();
}

}  // namespace
