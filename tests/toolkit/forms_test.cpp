// Forms with real windows: the main window's design aligns to its design
// rectangles, docking a form into a panel, closing, the loop, exceptions.
#include <stdexcept>

#include "tkStdCtrls.h"
#include "tkTimer.h"
#include "win_support.h"

using namespace tk;
using tktest::ToolkitTest;
using tktest::WindowBoundsInParent;

namespace {

// Stand-ins for the skinned classes: a window-less button and a windowed one.
class SpeedButton : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
};
class Button : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
};

// The main window's design: the controls, parents, bounds and alignment as
// the form data gives them, in that order.
class MainForm : public TForm {
 public:
  explicit MainForm(TComponent* owner) : TForm(owner) {
    BeginLoading();
    SetName("Form1");
    SetCaption(L"Kinopod 1.00.01");
    SetBounds(326, 147, Width(), Height());
    SetClientWidth(877);
    SetClientHeight(679);
    SetPosition(poScreenCenter);
    SetAutoScroll(false);

    panelTop = Make<TPanel>("vxSkinPanel2", this, alTop, 0, 0, 877, 49);
    edit1 = Make<TEdit>("edit1", panelTop, alNone, 232, 16, 121, 18);
    search = Make<SpeedButton>("vxSkinSpeedButton1", panelTop, alNone, 424, 16, 73, 25);
    sites = Make<SpeedButton>("vxSkinSpeedButton2", panelTop, alNone, 520, 16, 97, 25);
    panelLeft = Make<TPanel>("vxSkinPanel1", this, alLeft, 0, 49, 97, 630);
    panelClient = Make<TPanel>("panel2", this, alClient, 97, 49, 780, 630);
    // Made in name order; alTop must stack them by their design tops.
    static const int kTops[] = {0, 33, 66, 99, 198, 165, 132};
    for (int i = 0; i < 7; ++i) {
      std::string name = "vxSkinButton";
      name += std::to_string(i + 1);
      buttons[i] = Make<Button>(name, panelLeft, alTop, 0, kTops[i], 97, 33);
    }
    EndLoading();
  }

  template <class C>
  C* Make(const std::string& name, TWinControl* parent, TAlign align, int l, int t, int w, int h) {
    auto* c = new C(this);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBounds(l, t, w, h);
    c->SetAlign(align);
    if constexpr (std::is_base_of_v<TPanel, C>) c->SetBevelOuter(bvNone);
    return c;
  }

  TPanel *panelTop, *panelLeft, *panelClient;
  TEdit* edit1;
  SpeedButton *search, *sites;
  Button* buttons[7];
};

TEST_F(ToolkitTest, MainWindowDesignAlignsToItsDesignRectangles) {
  MainForm* f = nullptr;
  app->CreateForm(f);
  EXPECT_EQ(app->MainForm(), f);
  f->Show();
  ASSERT_TRUE(f->HandleAllocated());
  RECT cr;
  GetClientRect(f->Handle(), &cr);
  EXPECT_EQ(cr.right, 877);
  EXPECT_EQ(cr.bottom, 679);

  auto expectAt = [](TControl* c, TRect r) {
    EXPECT_EQ(c->BoundsRect(), r) << c->Name();
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
      EXPECT_EQ(WindowBoundsInParent(w->Handle()), r) << c->Name() << " (window)";
    }
  };
  expectAt(f->panelTop, Bounds(0, 0, 877, 49));
  expectAt(f->edit1, Bounds(232, 16, 121, 18));
  expectAt(f->search, Bounds(424, 16, 73, 25));
  expectAt(f->sites, Bounds(520, 16, 97, 25));
  expectAt(f->panelLeft, Bounds(0, 49, 97, 630));
  expectAt(f->panelClient, Bounds(97, 49, 780, 630));
  static const int kTops[] = {0, 33, 66, 99, 198, 165, 132};
  for (int i = 0; i < 7; ++i) expectAt(f->buttons[i], Bounds(0, kTops[i], 97, 33));

  // Centred on the screen.
  RECT wr;
  GetWindowRect(f->Handle(), &wr);
  EXPECT_NEAR((wr.left + wr.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((wr.top + wr.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  // A resize of the window: the bars keep their thickness, the client panel
  // takes the rest, the buttons keep their stack.
  SetWindowPos(f->Handle(), nullptr, 0, 0, (wr.right - wr.left) + 123, (wr.bottom - wr.top) + 121,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(f->ClientWidth(), 1000);
  expectAt(f->panelTop, Bounds(0, 0, 1000, 49));
  expectAt(f->panelLeft, Bounds(0, 49, 97, 751));
  expectAt(f->panelClient, Bounds(97, 49, 903, 751));
  expectAt(f->buttons[4], Bounds(0, 198, 97, 33));
  expectAt(f->edit1, Bounds(232, 16, 121, 18));
}

TEST_F(ToolkitTest, ADockedFormFillsThePanelWithoutFrame) {
  MainForm* main = nullptr;
  app->CreateForm(main);
  TForm* sub = nullptr;
  app->CreateForm(sub);
  sub->SetClientWidth(300);
  sub->SetClientHeight(200);
  auto* keep = new TPanel(main);  // a child of the panel that is not a form
  keep->SetParent(main->panelClient);
  main->Show();
  sub->Show();  // a top-level window first
  ASSERT_FALSE(GetWindowLongPtrW(sub->Handle(), GWL_STYLE) & WS_CHILD);

  // The docking steps.
  for (int i = 0; i < main->panelClient->ControlCount(); ++i)
    if (auto* f = dynamic_cast<TCustomForm*>(main->panelClient->Controls(i))) f->Hide();
  sub->SetParent(main->panelClient);
  sub->SetLeft(0);
  sub->SetTop(0);
  sub->SetAlign(alClient);
  int cw = sub->ClientWidth(), ch = sub->ClientHeight();
  sub->SetBorderStyle(bsNone);
  sub->SetWidth(cw);
  sub->SetHeight(ch);
  sub->BringToFront();
  sub->Show();

  HWND h = sub->Handle();
  EXPECT_EQ(GetParent(h), main->panelClient->Handle());
  EXPECT_TRUE(GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD);
  EXPECT_FALSE(GetWindowLongPtrW(h, GWL_STYLE) & WS_CAPTION);
  EXPECT_TRUE(IsWindowVisible(h));
  EXPECT_EQ(WindowBoundsInParent(h), Bounds(0, 0, 780, 630));
  EXPECT_EQ(sub->ClientWidth(), 780);
  EXPECT_TRUE(keep->Visible()) << "docking hides forms only";
  EXPECT_EQ(main->panelClient->Controls(main->panelClient->ControlCount() - 1), sub);
  EXPECT_EQ(sub->ParentForm(), main);

  // Freeing the main form frees the docked form with its panel.
  int forms = Screen->FormCount();
  main->Free();
  EXPECT_EQ(Screen->FormCount(), forms - 2);
  EXPECT_FALSE(IsWindow(h));
}

TEST_F(ToolkitTest, CloseHidesASecondaryFormAndEndsTheLoopForTheMainForm) {
  TForm* main = nullptr;
  TForm* dialog = nullptr;
  app->CreateForm(main);
  app->CreateForm(dialog);
  int closes = 0, shows = 0;
  dialog->OnClose = [&](TObject*, TCloseAction& a) {
    ++closes;
    EXPECT_EQ(a, caHide);
  };
  main->OnShow = [&](TObject*) { ++shows; };
  bool vetoed = true;
  main->OnCloseQuery = [&](TObject*, bool& can) {
    can = !vetoed;
    vetoed = false;
  };

  // A timer drives the scenario from inside the loop; a second one is the
  // watchdog that ends a loop that did not end by itself.
  int step = 0;
  bool watchdogFired = false;
  TTimer script(nullptr), watchdog(nullptr);
  script.SetInterval(30);
  script.SetOnTimer([&](TObject*) {
    switch (step++) {
      case 0:
        dialog->Show();
        break;
      case 1:
        PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
        break;
      case 2:
        EXPECT_FALSE(dialog->Visible());
        EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
        main->Close();  // refused by OnCloseQuery
        break;
      case 3:
        EXPECT_TRUE(main->Visible());
        main->Close();
        break;
      default:
        break;
    }
  });
  watchdog.SetInterval(5000);
  watchdog.SetOnTimer([&](TObject*) {
    watchdogFired = true;
    app->Terminate();
  });
  app->Run();
  EXPECT_FALSE(watchdogFired);
  EXPECT_EQ(step, 4);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(shows, 1);
  EXPECT_TRUE(app->Terminated());
}

TEST_F(ToolkitTest, ExceptionFromAClickHandlerIsShownAndTheLoopGoesOn) {
  TForm* f = nullptr;
  app->CreateForm(f);
  auto* b = new Button(f);
  b->SetParent(f);
  b->SetBounds(10, 10, 80, 30);
  auto* g = new SpeedButton(f);
  g->SetParent(f);
  g->SetBounds(100, 10, 80, 30);
  int clicks = 0;
  b->OnClick = [&](TObject*) {
    ++clicks;
    throw std::runtime_error("Search failed");
  };
  g->OnClick = [&](TObject*) { ++clicks; };
  f->Show();
  // Clicks arrive as the loop's messages: the windowed button's through its
  // window, the graphic one's through its parent's.
  PostMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PostMessageW(f->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 20));
  PostMessageW(f->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(110, 20));
  EXPECT_TRUE(PumpUntil([&] { return clicks == 2; }));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], L"Search failed.");

  // A press released outside the control is no click.
  PostMessageW(f->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 20));
  PostMessageW(f->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(300, 200));
  PumpUntilIdle();
  EXPECT_EQ(clicks, 2);

  // OnException takes over from the message box.
  std::wstring seen;
  app->OnException = [&](TObject* sender, const std::wstring& text) {
    EXPECT_EQ(sender, b);
    seen = text;
  };
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(seen, L"Search failed");
  EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(ToolkitTest, FreeingAFormFreesItsComponentsAndClearsReferences) {
  TForm* a = nullptr;
  TForm* b = nullptr;
  app->CreateForm(a);
  app->CreateForm(b);
  // A component of form b points at a timer of form a.
  class Holder : public TComponent {
   public:
    using TComponent::TComponent;
    TComponent* ref = nullptr;
    void Set(TComponent* c) {
      ref = c;
      c->FreeNotification(this);
    }

   protected:
    void Notification(TComponent* c, TOperation op) override {
      TComponent::Notification(c, op);
      if (op == opRemove && c == ref) ref = nullptr;
    }
  };
  auto* timer = new TTimer(a);
  auto* holder = new Holder(b);
  holder->Set(timer);
  auto* edit = new TEdit(a);
  edit->SetParent(a);
  a->Show();
  HWND editWindow = edit->Handle();
  ASSERT_TRUE(IsWindow(editWindow));
  a->Free();
  EXPECT_EQ(holder->ref, nullptr);
  EXPECT_FALSE(IsWindow(editWindow));
  EXPECT_EQ(app->MainForm(), nullptr);
  ASSERT_EQ(Screen->FormCount(), 1);
  EXPECT_EQ(Screen->Forms(0), b);

  // A plain delete leaves the screen's list as Free does.
  delete b;
  EXPECT_EQ(Screen->FormCount(), 0);
  Screen->Broadcast(WM_NULL, 0, 0);
}

TEST_F(ToolkitTest, BroadcastReachesEveryFormInCreationOrder) {
  std::vector<std::string> order;
  class Listener : public TForm {
   public:
    Listener(TComponent* owner, std::vector<std::string>* log) : TForm(owner), log_(log) {}

   protected:
    void WndProc(TMessage& m) override {
      if (m.Msg == WM_APP + 77) {
        log_->push_back(Name());
        m.Result = 1;
        return;
      }
      TForm::WndProc(m);
    }
    std::vector<std::string>* log_;
  };
  for (const char* n : {"Form1", "Form2", "Form3", "Form4"}) {
    auto* f = new Listener(app, &order);
    f->SetName(n);
  }
  Screen->Forms(1)->HandleNeeded();  // with and without windows alike
  Screen->Broadcast(WM_APP + 77, 0, 0);
  EXPECT_EQ(order, (std::vector<std::string>{"Form1", "Form2", "Form3", "Form4"}));
}

}  // namespace
