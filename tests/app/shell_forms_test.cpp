// The shell's forms on real windows: start-up order, the main window's
// layout, docking sub-forms into the client panel, the dialog button, the
// socket layer's start-up failure, and the check boxes' states.
#include <gtest/gtest.h>

#include "CategoryBrowser.h"
#include "CategoryPages.h"
#include "LntProcess.h"
#include "MainWindow.h"
#include "SearchResults.h"
#include "SearchSites.h"
#include "SiteDialog.h"
#include "tkForms.h"

// Every host points at a closed loopback port: pages fail at once, nothing
// leaves the machine.
namespace kinopod {

const SearchHosts& ConfiguredSearchHosts() {
  static const std::string host = "127.0.0.1:9";
  static const SearchHosts hosts{host, host, host, host, host, host, host, host, "127.0.0.1"};
  return hosts;
}

std::wstring CategoryUrl(const wchar_t* path) { return std::wstring(L"http://127.0.0.1:9") + path; }

}  // namespace kinopod

namespace {

class ShellForms : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<tk::TApplication>();
    app_->CreateForm(Form1);
    app_->CreateForm(Form2);
    app_->CreateForm(Form3);
    app_->CreateForm(Form4);
  }
  void TearDown() override {
    app_.reset();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
  }
  static bool DockedAndFilling(tk::TCustomForm* form) {
    tk::TRect panel = Form1->clientPanel->ClientRect();
    return form->Parent() == Form1->clientPanel && form->Visible() && form->BorderStyle() == tk::bsNone &&
           form->BoundsRect() == panel;
  }
  kinopod::lnt::LntUnit lnt_;
  std::unique_ptr<tk::TApplication> app_;
};

TEST_F(ShellForms, StartUpMakesFourFormsAndLoadsTheProgramSkin) {
  ASSERT_EQ(tk::Screen->FormCount(), 4);
  EXPECT_EQ(tk::Screen->Forms(0), Form1);
  EXPECT_EQ(tk::Screen->Forms(3), Form4);
  EXPECT_EQ(app_->MainForm(), Form1);
  EXPECT_FALSE(Form4->Visible());
  EXPECT_FALSE(Form1->skinData->Empty());
  EXPECT_NE(Form1->skinData->FindControl("button"), nullptr);
  EXPECT_EQ(Form1->skinData->CompressedStoredSkin(), Form1->storedSkin);
  EXPECT_TRUE(Form1->winsockStartup->SocketsStarted());
}

TEST_F(ShellForms, MainWindowLayout) {
  Form1->Show();
  EXPECT_EQ(Form1->ClientWidth(), 877);
  EXPECT_EQ(Form1->ClientHeight(), 679);
  EXPECT_EQ(Form1->searchBar->BoundsRect(), tk::Bounds(0, 0, 877, 49));
  EXPECT_EQ(Form1->categoryBar->BoundsRect(), tk::Bounds(0, 49, 97, 630));
  EXPECT_EQ(Form1->clientPanel->BoundsRect(), tk::Bounds(97, 49, 780, 630));
  // alTop stacks the category buttons in the order of their design tops, at
  // the height the skin's "button" record fixes; the design names stay with
  // their rows.
  const char* names[] = {"vxSkinButton1", "vxSkinButton2", "vxSkinButton3", "vxSkinButton4",
                         "vxSkinButton7", "vxSkinButton6", "vxSkinButton5"};
  for (int i = 0; i < TForm1::kCategoryCount; ++i) {
    EXPECT_EQ(Form1->categoryButtons[i]->BoundsRect(), tk::Bounds(0, 22 * i, 97, 22)) << i;
    EXPECT_EQ(Form1->categoryButtons[i]->Name(), names[i]);
  }
  EXPECT_EQ(Form1->categoryButtons[1]->TabOrder(), 0);
  EXPECT_EQ(Form1->categoryButtons[4]->TabOrder(), 6);
  // The speed buttons take the "toolbutton" record's height.
  EXPECT_EQ(Form1->searchButton->BoundsRect(), tk::Bounds(424, 16, 73, 26));
  EXPECT_EQ(Form1->sitesButton->BoundsRect(), tk::Bounds(520, 16, 97, 26));
  EXPECT_EQ(Form4->okButton->BoundsRect(), tk::Bounds(224, 248, 73, 26));
}

TEST_F(ShellForms, FirstShowDocksTheCategoryBrowserAndSearchSwapsIt) {
  Form1->Show();
  EXPECT_TRUE(DockedAndFilling(Form2));

  // A child of the panel that is not a form is never hidden by docking.
  auto* other = new vx::TvxSkinPanel(Form1);
  other->SetParent(Form1->clientPanel);
  other->SetBounds(0, 0, 10, 10);

  Form1->SearchClick(nullptr);
  EXPECT_TRUE(DockedAndFilling(Form3));
  EXPECT_FALSE(Form2->Visible());
  EXPECT_TRUE(other->Visible());

  Form1->categoryButtons[3]->Click();
  EXPECT_TRUE(DockedAndFilling(Form2));
  EXPECT_FALSE(Form3->Visible());
  EXPECT_EQ(Form1->clientPanel->Controls(Form1->clientPanel->ControlCount() - 1), Form2);

  // Docking what is already docked keeps it visible and in front.
  Form1->categoryButtons[6]->Click();
  EXPECT_TRUE(DockedAndFilling(Form2));
  EXPECT_EQ(Form1->clientPanel->Controls(Form1->clientPanel->ControlCount() - 1), Form2);
  EXPECT_EQ(tk::Screen->FormCount(), 4);
}

TEST_F(ShellForms, ShowFormInPanelMakesAFormOfTheClassWhenGivenNone) {
  Form1->Show();
  Form1->ShowFormInPanel(nullptr, [](tk::TComponent* o) { return new TForm3(o); }, true, Form1->clientPanel);
  ASSERT_EQ(tk::Screen->FormCount(), 5);
  auto* made = tk::Screen->Forms(4);
  EXPECT_EQ(made->Owner(), app_.get());
  EXPECT_EQ(made->Name(), "Form3_1");  // the design's name is taken by Form3
  EXPECT_TRUE(DockedAndFilling(made));
  EXPECT_FALSE(Form2->Visible());
}

TEST_F(ShellForms, DialogButtonShowsTheOneDialog) {
  Form1->Show();
  Form1->SitesClick(nullptr);
  EXPECT_TRUE(Form4->Visible());
  EXPECT_EQ(Form4->Parent(), nullptr);
  Form4->siteBoxes[2]->SetChecked(false);
  Form1->SitesClick(nullptr);
  EXPECT_TRUE(Form4->Visible());
  EXPECT_EQ(tk::Screen->FormCount(), 4);
  Form4->OkClick(nullptr);
  EXPECT_FALSE(Form4->Visible());
  Form1->SitesClick(nullptr);
  EXPECT_FALSE(Form4->siteBoxes[2]->Checked());
  EXPECT_TRUE(Form4->siteBoxes[0]->Checked());

  // The OK button hides the dialog on a click through the dialog's window ...
  HWND dialog = Form4->Handle();
  const LPARAM ok = MAKELPARAM(224 + 30, 248 + 10);
  SendMessageW(dialog, WM_MOUSEMOVE, 0, ok);
  SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, ok);
  EXPECT_TRUE(Form4->Visible()) << "a click is the release";
  SendMessageW(dialog, WM_LBUTTONUP, 0, ok);
  EXPECT_FALSE(Form4->Visible());
  // ... and on Enter, wherever the dialog's focus is.
  Form1->SitesClick(nullptr);
  Form4->siteBoxes[0]->SetFocus();
  PostMessageW(Form4->siteBoxes[0]->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  app_->ProcessMessages();
  EXPECT_FALSE(Form4->Visible());
  EXPECT_TRUE(Form4->siteBoxes[0]->Checked()) << "Enter does not toggle the box";
}

TEST(ShellStartUp, SocketLayerFailureFailsTheMainWindow) {
  kinopod::lnt::LntUnit lnt;
  auto saved = kinopod::TWinsockStartup::Layer();
  int cleanups = 0;
  kinopod::TWinsockStartup::Layer() = {[] { return 10092; }, [&] { ++cleanups; }};
  {
    tk::TApplication app;
    try {
      app.CreateForm(Form1);
      ADD_FAILURE() << "the main window was made";
    } catch (const tk::Exception& e) {
      EXPECT_STREQ(e.what(), "Winsock Initialization Error.");
    }
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(tk::Screen->FormCount(), 0);
  }
  EXPECT_EQ(cleanups, 0);  // nothing was started, so nothing is released
  kinopod::TWinsockStartup::Layer() = {[] { return 0; }, [&] { ++cleanups; }};
  {
    tk::TApplication app;
    app.CreateForm(Form1);
  }
  Form1 = nullptr;
  EXPECT_EQ(cleanups, 1);
  kinopod::TWinsockStartup::Layer() = saved;
}

// Check boxes on a form of their own, clicked through their windows.
class CheckBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = new tk::TForm(&app_);
    form_->SetBounds(0, 0, 300, 200);
    for (auto*& b : boxes_) {
      b = new vx::TvxSkinCheckRadioBox(form_);
      b->SetParent(form_);
      b->SetBounds(10, 10, 100, 25);
    }
    form_->Show();
  }
  static void ClickWindow(vx::TvxSkinCheckRadioBox* b) {
    HWND h = b->Handle();
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  tk::TApplication app_;
  tk::TForm* form_ = nullptr;
  vx::TvxSkinCheckRadioBox* boxes_[3] = {};
};

TEST_F(CheckBoxes, ClickAndSpaceToggle) {
  auto* b = boxes_[0];
  int clicks = 0;
  b->OnClick = [&](tk::TObject*) { ++clicks; };
  ClickWindow(b);
  EXPECT_TRUE(b->Checked());
  ClickWindow(b);
  EXPECT_FALSE(b->Checked());
  // Space toggles on its release, in a box that takes the focus.
  b->SetCanFocused(true);
  b->SetFocus();
  SendMessageW(b->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_FALSE(b->Checked());
  SendMessageW(b->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_TRUE(b->Checked());
  EXPECT_EQ(clicks, 3);
  // A press released outside the box is no click.
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
  EXPECT_TRUE(b->Checked());
}

TEST_F(CheckBoxes, ClicksTurnGrayedBeforeCheckedOnlyWhenAllowed) {
  auto* b = boxes_[0];
  b->SetState(vx::cbGrayed);
  EXPECT_EQ(b->State(), vx::cbGrayed) << "a grayed state set by the program stays";
  ClickWindow(b);
  EXPECT_EQ(b->State(), vx::cbChecked);
  ClickWindow(b);
  EXPECT_EQ(b->State(), vx::cbUnchecked);
  ClickWindow(b);
  EXPECT_EQ(b->State(), vx::cbChecked) << "no grayed step without AllowGrayed";
  b->SetChecked(false);
  b->SetAllowGrayed(true);
  ClickWindow(b);
  EXPECT_EQ(b->State(), vx::cbGrayed);
  EXPECT_FALSE(b->Checked());
  ClickWindow(b);
  EXPECT_EQ(b->State(), vx::cbChecked);
}

TEST_F(CheckBoxes, RadioButtonsOfAGroupExcludeEachOther) {
  for (auto* b : boxes_) b->SetRadio(true);
  boxes_[0]->GroupIndex = boxes_[1]->GroupIndex = 2;
  boxes_[2]->GroupIndex = 1;
  boxes_[2]->SetChecked(true);
  ClickWindow(boxes_[0]);
  ClickWindow(boxes_[1]);
  EXPECT_FALSE(boxes_[0]->Checked());
  EXPECT_TRUE(boxes_[1]->Checked());
  EXPECT_TRUE(boxes_[2]->Checked());  // another group
  ClickWindow(boxes_[1]);             // a checked radio button stays checked
  EXPECT_TRUE(boxes_[1]->Checked());
}

}  // namespace
