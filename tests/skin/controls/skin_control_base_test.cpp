// The skinned control bases and the panel on real windows, with the
// program's own skin: what they paint (checked pixel for pixel against the
// skin's pictures and against `skinpack render`), how they size, how they
// follow skin changes, and that nothing is left behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "../ProgramSkinOnForm.h"
#include "resource_counts.h"
#include "tkForms.h"
#include "vxBmpCodec.h"
#include "vxByteStream.h"
#include "vxSkinContainer.h"
#include "vxSkinZlib.h"
#include "vxSkinCtrls.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

// A plain custom control bound to any record: the base's own look.
class RecordControl : public vx::TvxSkinCustomControl {
 public:
  explicit RecordControl(tk::TComponent* owner, const char* name) : vx::TvxSkinCustomControl(owner) {
    SetSkinDataName(name);
  }
  int applied = 0;
  void ApplySkin() override {
    ++applied;
    vx::TvxSkinCustomControl::ApplySkin();
  }
};

vx::TvxPixmap Capture(tk::TWinControl* c) { return vx::testing::CapturePaint(c); }

vx::Pixel Opaque(vx::Pixel p) { return p & 0xFFFFFF; }

// Pixels that differ (alpha ignored), and where the first one is.
int Differences(const vx::TvxPixmap& a, const vx::TvxPixmap& b, std::string* first = nullptr) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (Opaque(a.At(x, y)) != Opaque(b.At(x, y)) && n++ == 0 && first)
        *first = tktest::PointText(x, y);
  return n;
}

class SkinControlBaseTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    app->CreateForm(form);
    form->SetBounds(20, 20, 500, 400);
    const auto program = vx::testing::AddProgramSkin(form);
    stored = program.stored;
    skin = program.skin;
    ASSERT_FALSE(skin->Empty());
  }
  // A failed load leaves the skin empty and tells every form so.
  void LoadEmptySkin() {
    vx::TvxCompressedStoredSkin broken;
    broken.SetCompressedData(vx::Bytes{0x78, 0xDA, 1, 2, 3});
    EXPECT_ANY_THROW(skin->LoadCompressedStoredSkin(broken));
    EXPECT_TRUE(skin->Empty());
  }
  void LoadProgramSkin() { skin->LoadCompressedStoredSkin(*stored); }

  tk::TForm* form = nullptr;
  vx::TvxCompressedStoredSkinComponent* stored = nullptr;
  vx::TvxSkinDataComponent* skin = nullptr;
};

// The expected look of a borderless panel: the record's client piece (the
// 55 x 48 rectangle at (143,6) of picture 4) tiled from the panel's origin.
vx::TvxPixmap TiledPanel(const vx::TvxSkinData& skin, int w, int h) {
  const vx::TvxPixmap& picture = *skin.Picture(4);
  vx::TvxPixmap want(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) want.Set(x, y, picture.At(143 + x % 55, 6 + y % 48));
  return want;
}

TEST_F(SkinControlBaseTest, ABorderlessPanelIsTheRecordsClientPieceTiledFromItsOrigin) {
  auto* panel = new vx::TvxSkinPanel(form);
  EXPECT_EQ(panel->Width(), 150);
  EXPECT_EQ(panel->Height(), 150);
  EXPECT_EQ(panel->BorderStyle(), vx::bvFrame);
  panel->SetParent(form);
  panel->SetBorderStyle(vx::bvNone);
  panel->SetSkinData(skin);
  panel->SetBounds(7, 9, 203, 131);  // neither side a multiple of the tile
  form->Show();
  ASSERT_GE(panel->RecordIndex(), 0);
  EXPECT_EQ(panel->SizingMode(), 1);
  std::string where;
  EXPECT_EQ(Differences(Capture(panel), TiledPanel(*skin, 203, 131), &where), 0) << "first at " << where;

  // Its children use the whole panel.
  auto* child = new tk::TPanel(form);
  child->SetParent(panel);
  child->SetAlign(tk::alClient);
  EXPECT_EQ(child->BoundsRect(), (tk::TRect{0, 0, 203, 131}));

  // Smaller than one tile: the tile's top-left part.
  panel->SetBounds(0, 0, 20, 10);
  EXPECT_EQ(Differences(Capture(panel), TiledPanel(*skin, 20, 10)), 0);
}

TEST_F(SkinControlBaseTest, WithoutARecordThePanelDrawsItsDefaultLook) {
  auto* panel = new vx::TvxSkinPanel(form);
  panel->SetParent(form);
  panel->SetSkinDataName("nosuchpanel");
  panel->SetSkinData(skin);
  panel->SetBounds(0, 0, 60, 40);
  form->Show();
  EXPECT_EQ(panel->RecordIndex(), -1);
  const vx::TvxPixmap shot = Capture(panel);
  const vx::Pixel face = vx::PixelFromColor(GetSysColor(COLOR_BTNFACE));
  const vx::Pixel shadow = vx::PixelFromColor(GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(Opaque(shot.At(30, 20)), face);
  EXPECT_EQ(Opaque(shot.At(0, 0)), shadow) << "bvFrame: a one-pixel shadow frame";
  EXPECT_EQ(Opaque(shot.At(59, 39)), shadow);
  // Children are aligned inside the frame.
  auto* child = new tk::TPanel(form);
  child->SetParent(panel);
  child->SetAlign(tk::alClient);
  EXPECT_EQ(child->BoundsRect(), (tk::TRect{1, 1, 59, 39}));
}

TEST_F(SkinControlBaseTest, RecordsFixTheDimensionsTheirCornerPointsFix) {
  auto* button = new RecordControl(form, "button");
  button->SetParent(form);
  button->SetSkinData(skin);
  button->SetBounds(0, 0, 97, 40);
  EXPECT_EQ(button->Width(), 97);
  EXPECT_EQ(button->Height(), 22) << "the button record is three parts across";
  auto* tool = new RecordControl(form, "toolbutton");
  tool->SetParent(form);
  tool->SetSkinData(skin);
  tool->SetBounds(0, 50, 60, 10);
  EXPECT_EQ(tool->Height(), 26);
  tool->SetAlign(tk::alLeft);  // alignment cannot stretch it either
  EXPECT_EQ(tool->Height(), 26);

  auto* unknown = new RecordControl(form, "nosuch");
  unknown->SetParent(form);
  unknown->SetSkinData(skin);
  unknown->SetBounds(0, 100, 33, 44);
  EXPECT_EQ(unknown->Width(), 33);
  EXPECT_EQ(unknown->Height(), 44) << "no record: the caller's size stays";
  unknown->SetDefaultWidth(70);
  EXPECT_EQ(unknown->Width(), 70);

  // A width or height of 0 paints nothing and raises nothing.
  unknown->SetBounds(0, 100, 0, 10);
  form->Show();
  EXPECT_NO_THROW(unknown->Repaint());
}

// The tool's preview of a record at a size, made by running skinpack itself.
vx::TvxPixmap SkinpackRender(const std::string& name, int w, int h, const char* state) {
  auto windows = [](std::string path) {
    for (char& c : path)
      if (c == '/') c = '\\';
    return path[0] == '\\' ? "Z:" + path : path;
  };
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string out = std::string(temp) + "render-" + name + "-" + state + ".bmp";
  std::string command = "\"" + windows(KINOPOD_SKINPACK_EXE) + "\" render \"" + windows(KINOPOD_PROGRAM_SKIN_FILE) +
                        "\" " + name + " " + std::to_string(w) + " " + std::to_string(h) + " \"" + out +
                        "\" --state " + state;
  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESTDHANDLES;  // keep the tool's line off the test's output
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi))
    return {};
  WaitForSingleObject(pi.hProcess, 60000);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  if (code != 0) return {};
  std::ifstream in(out, std::ios::binary);
  vx::Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  DeleteFileA(out.c_str());
  vx::TvxByteReader reader{vx::ByteSpan(bytes)};
  return vx::ReadBmp(reader, nullptr, vx::TvxBmpSource::File);
}

TEST_F(SkinControlBaseTest, AControlPaintsWhatSkinpackRenderShows) {
  struct Case {
    const char* name;
    int w, h;
  };
  for (const Case& c : {Case{"button", 97, 22}, Case{"toolbutton", 75, 26}, Case{"edit", 121, 21},
                        Case{"panel", 90, 70}, Case{"checkbox", 150, 25}}) {
    auto* control = new RecordControl(form, c.name);
    control->SetParent(form);
    control->SetSkinData(skin);
    control->SetBounds(0, 0, c.w, c.h);
    form->Show();
    ASSERT_GE(control->RecordIndex(), 0) << c.name;
    const vx::TvxPixmap want = SkinpackRender(c.name, c.w, c.h, "normal");
    ASSERT_FALSE(want.Empty()) << "skinpack render " << c.name;
    std::string where;
    EXPECT_EQ(Differences(Capture(control), want, &where), 0) << c.name << ", first at " << where;
    control->Free();
  }
}

TEST_F(SkinControlBaseTest, SkinChangesReachEveryControlOfEveryFormOnce) {
  // A second form docked into a panel of the first, with controls of its own
  // bound to the first form's skin data.
  auto* host = new vx::TvxSkinPanel(form);
  host->SetParent(form);
  host->SetBorderStyle(vx::bvNone);
  host->SetSkinData(skin);
  host->SetAlign(tk::alClient);
  auto* outer = new RecordControl(form, "panel");
  outer->SetParent(host);
  outer->SetSkinData(skin);
  tk::TForm* docked = nullptr;
  app->CreateForm(docked);
  auto* inner = new RecordControl(docked, "panel");
  inner->SetParent(docked);
  inner->SetSkinData(skin);
  docked->SetParent(host);
  docked->Show();
  form->Show();

  // A control bound to a skin data of its own is left alone.
  auto* otherSkin = new vx::TvxSkinDataComponent(form);
  otherSkin->SetCompressedStoredSkin(stored);
  auto* foreign = new RecordControl(form, "panel");
  foreign->SetParent(form);
  foreign->SetSkinData(otherSkin);

  outer->applied = inner->applied = foreign->applied = 0;
  LoadEmptySkin();
  EXPECT_EQ(outer->applied, 1);
  EXPECT_EQ(inner->applied, 1) << "the docked form's control hears it once";
  EXPECT_EQ(foreign->applied, 0);
  EXPECT_EQ(inner->RecordIndex(), -1);
  EXPECT_EQ(Opaque(Capture(host).At(5, 5)), vx::PixelFromColor(GetSysColor(COLOR_BTNFACE)));

  LoadProgramSkin();
  EXPECT_EQ(inner->applied, 2);
  EXPECT_GE(inner->RecordIndex(), 0);
  EXPECT_EQ(Differences(Capture(host), TiledPanel(*skin, host->Width(), host->Height())), 0);
}

TEST_F(SkinControlBaseTest, RepaintsAndSkinSwitchesLeaveNothingBehind) {
  auto* panel = new vx::TvxSkinPanel(form);
  panel->SetParent(form);
  panel->SetBorderStyle(vx::bvNone);
  panel->SetSkinData(skin);
  panel->SetAlign(tk::alClient);
  auto* button = new RecordControl(form, "button");
  button->SetParent(panel);
  button->SetSkinData(skin);
  button->SetBounds(10, 10, 97, 22);
  form->Show();
  Pump(50);
  for (int i = 0; i < 5; ++i) {  // warm up caches the platform keeps
    panel->Repaint();
    LoadEmptySkin();
    LoadProgramSkin();
  }
  Pump(50);
  const int gdi = tktest::GdiObjectCount(), user = tktest::UserObjectCount();
  for (int i = 0; i < 1000; ++i) {
    panel->Repaint();
    button->Repaint();
  }
  for (int i = 0; i < 100; ++i) {
    LoadEmptySkin();
    panel->Repaint();
    LoadProgramSkin();
    panel->Repaint();
  }
  // Painting is synchronous (Repaint): the counts are settled now.
  EXPECT_EQ(tktest::GdiObjectCount(), gdi);
  EXPECT_EQ(tktest::UserObjectCount(), user);
  EXPECT_EQ(Differences(Capture(panel), TiledPanel(*skin, panel->Width(), panel->Height())), 0);
}

TEST_F(SkinControlBaseTest, TheSkinDataGoingAwayLeavesTheDefaultLook) {
  auto* panel = new vx::TvxSkinPanel(form);
  panel->SetParent(form);
  panel->SetBorderStyle(vx::bvNone);
  panel->SetSkinData(skin);
  panel->SetBounds(0, 0, 40, 40);
  form->Show();
  skin->Free();
  skin = nullptr;
  EXPECT_EQ(panel->SkinData(), nullptr);
  EXPECT_EQ(Opaque(Capture(panel).At(20, 20)), vx::PixelFromColor(GetSysColor(COLOR_BTNFACE)));
}

}  // namespace

namespace {

// The toolkit's bitmaps and the skin engine's pictures share one storage: a
// picture made by either can be drawn on by GDI through the other's calls,
// and what GDI draws is what the pixel code reads.
TEST_F(SkinControlBaseTest, ToolkitAndSkinPicturesShareOneDrawableStorage) {
  vx::InstallDibPixelStorage();
  tk::InstallDibPixelStorage();
  tk::TBitmap bitmap(12, 12);
  bitmap.Pixmap().Set(3, 4, vx::MakePixel(200, 10, 20));
  HDC skinSide = vx::PixmapDC(bitmap.Pixmap());
  ASSERT_NE(skinSide, nullptr);
  EXPECT_EQ(GetPixel(skinSide, 3, 4), RGB(200, 10, 20));

  vx::TvxPixmap picture(12, 12);
  HDC toolkitSide = tk::PixmapDC(picture);
  ASSERT_NE(toolkitSide, nullptr);
  RECT r{2, 2, 6, 6};
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 250));
  FillRect(toolkitSide, &r, brush);
  DeleteObject(brush);
  GdiFlush();
  EXPECT_EQ(Opaque(picture.At(5, 5)), vx::MakePixel(1, 2, 250));
  EXPECT_EQ(Opaque(picture.At(6, 6)), 0u);
}

}  // namespace

namespace {

// A skin of one 10 x 10 fixed-size control whose mask (picture 1, black is
// inside) keeps its left half, or, with `masked` false, the same control
// without a mask.
vx::TvxCompressedStoredSkin MaskedSkin(bool masked) {
  vx::TvxPixmap face(10, 10, vx::MakePixel(90, 160, 40)), mask(10, 10, vx::MakePixel(255, 255, 255));
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 5; ++x) mask.Set(x, y, vx::MakePixel(0, 0, 0));
  std::string d =
      "[VERSION]\r\nskinname=Masked\r\n[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\nmask=\r\n"
      "activepicturescount=2\r\n0=face.bmp\r\n1=mask.bmp\r\n[SKINOBJECTS]\r\ncount=0\r\n"
      "[SKINCONTROLS]\r\ncount=1\r\n0=masked:panel\r\n[masked]\r\npictureindex=0\r\nskinrect=0,0,10,10\r\n";
  d += masked ? "maskpictureindex=1\r\n" : "maskpictureindex=-1\r\n";
  vx::TvxSkinContainerParts parts;
  parts.main = vx::EncodeBmp(face, 24);
  parts.pictures = {vx::EncodeBmp(face, 24), vx::EncodeBmp(mask, 24)};
  parts.definitionLines = vx::SplitSkinLines(d);
  vx::TvxCompressedStoredSkin stored;
  stored.SetCompressedData(vx::DeflateSkin(vx::WriteSkinContainer(parts)));
  return stored;
}

TEST_F(SkinControlBaseTest, AMaskGivesTheWindowItsRegionAndTakingItAwayRemovesIt) {
  auto* control = new RecordControl(form, "masked");
  control->SetParent(form);
  form->Show();
  const vx::TvxCompressedStoredSkin withMask = MaskedSkin(true), withoutMask = MaskedSkin(false);
  skin->LoadCompressedStoredSkin(withMask);
  control->SetSkinData(skin);
  ASSERT_GE(control->RecordIndex(), 0);
  EXPECT_EQ(control->Width(), 10) << "a fixed-size record";
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(control->Handle(), probe), ERROR) << "the window has a region";
  RECT box;
  GetRgnBox(probe, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 5) << "the mask's black half";
  EXPECT_EQ(box.bottom, 10);

  // The region survives a new window, and a skin without the mask takes it away.
  control->RecreateWnd();
  EXPECT_NE(GetWindowRgn(control->Handle(), probe), ERROR);
  skin->LoadCompressedStoredSkin(withoutMask);
  EXPECT_EQ(GetWindowRgn(control->Handle(), probe), ERROR);
  DeleteObject(probe);
}

}  // namespace
