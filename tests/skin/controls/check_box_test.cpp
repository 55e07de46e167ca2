// The check box in its plain look: a click toggles it, and what it draws
// shows the state.
#include <gtest/gtest.h>

#include <vector>

#include "vxSkinCtrls.h"
#include "win_support.h"

using tktest::ToolkitTest;

namespace {

using CheckBoxTest = ToolkitTest;

// The left 18 columns: the box, without the caption and its focus rectangle.
std::vector<COLORREF> RenderBox(tk::TWinControl* c) {
  const int w = 18, h = c->Height();
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(dc, bmp);
  SendMessageW(c->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  std::vector<COLORREF> px;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) px.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return px;
}

TEST_F(CheckBoxTest, ClickTogglesAndTheBoxShowsTheState) {
  tk::TForm* form = nullptr;
  app->CreateForm(form);
  form->SetBounds(30, 30, 300, 120);
  auto* box = new vx::TvxSkinCheckRadioBox(form);
  box->SetParent(form);
  box->SetBounds(10, 10, 150, 25);
  box->SetCaption(L"site");
  box->SetChecked(true);
  int clicks = 0;
  box->OnClick = [&](tk::TObject*) { ++clicks; };
  form->Show();
  auto checked = RenderBox(box);

  auto click = [&] {
    SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 12));
    SendMessageW(box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(8, 12));
  };
  click();
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 1);
  auto unchecked = RenderBox(box);
  int differing = 0;
  for (size_t i = 0; i < checked.size(); ++i) differing += checked[i] != unchecked[i];
  EXPECT_GT(differing, 5) << "the tick is drawn";

  click();
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(RenderBox(box), checked);
  // The keyboard toggles it too.
  box->SetFocus();
  SendMessageW(box->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_FALSE(box->Checked());
}

}  // namespace
