// What the skinned controls and the frame ask of the toolkit: a designed
// client size that survives a frame attached during loading, loop and
// shortcut hooks that leave by token, per-class window styles, the focus
// notification to every control, and opaque controls that are not erased.
#include <gtest/gtest.h>

#include <vector>

#include "tkForms.h"
#include "win_support.h"

using namespace tk;
using tktest::ToolkitTest;

namespace {

using SeamsTest = ToolkitTest;

// A component that, like a skinned frame, takes the form's non-client area
// over: here an even 7-pixel border and a 30-pixel caption.
class ThickFrame : public TComponent {
 public:
  explicit ThickFrame(TCustomForm* form) : TComponent(form), form_(form) {
    token_ = form->WindowProc.Add([](TMessage& m, const TWndMethod& next) {
      if (m.Msg == WM_NCCALCSIZE) {
        auto* r = reinterpret_cast<RECT*>(m.LParam);
        r->left += 7;
        r->top += 30;
        r->right -= 7;
        r->bottom -= 7;
        m.Result = 0;
        return;
      }
      next(m);
    });
    if (form->HandleAllocated())
      SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ~ThickFrame() override { form_->WindowProc.Remove(token_); }

 private:
  TCustomForm* form_;
  THookToken token_;
};

// Designed like the main window: the client size is set early, the window is
// made in the middle of loading (as the skin's announcement does), and the
// frame arrives after both.
class DesignedForm : public TForm {
 public:
  explicit DesignedForm(TComponent* owner) : TForm(owner) {
    BeginLoading();
    SetClientWidth(877);
    SetClientHeight(679);
    HandleNeeded();
    new ThickFrame(this);
    EndLoading();
  }
};

TEST_F(SeamsTest, TheDesignedClientSizeHoldsAfterAFrameAttachedDuringLoading) {
  DesignedForm* form = nullptr;
  app->CreateForm(form);
  EXPECT_EQ(form->ClientWidth(), 877);
  EXPECT_EQ(form->ClientHeight(), 679);
  EXPECT_EQ(form->Width(), 877 + 14);
  EXPECT_EQ(form->Height(), 679 + 37);
}

TEST_F(SeamsTest, LoopAndShortCutHooksLeaveByTokenInAnyOrder) {
  TForm* form = nullptr;
  app->CreateForm(form);
  form->Show();
  std::vector<int> seen;
  const UINT probe = WM_APP + 40;
  const THookToken first = app->AddMessageHook([&](MSG& msg, bool&) {
    if (msg.message == probe) seen.push_back(1);
  });
  const THookToken second = app->AddMessageHook([&](MSG& msg, bool& handled) {
    if (msg.message == probe) {
      seen.push_back(2);
      handled = msg.wParam == 1;  // swallowed: the older hook does not see it
    }
  });
  PostMessageW(form->Handle(), probe, 1, 0);
  PostMessageW(form->Handle(), probe, 0, 0);
  PumpUntil([&] { return seen.size() >= 3; }, 2000);
  EXPECT_EQ(seen, (std::vector<int>{2, 2, 1}));

  // The older hook leaves first; the newer one stays.
  EXPECT_TRUE(app->RemoveMessageHook(first));
  EXPECT_FALSE(app->RemoveMessageHook(first));
  seen.clear();
  PostMessageW(form->Handle(), probe, 0, 0);
  PumpUntil([&] { return !seen.empty(); }, 2000);
  Pump(20);
  EXPECT_EQ(seen, (std::vector<int>{2}));
  EXPECT_TRUE(app->RemoveMessageHook(second));

  int shortcuts = 0;
  const THookToken keys = form->AddShortCutHook([&](TMessage& msg, bool& handled) {
    ++shortcuts;
    handled = msg.WParam == VK_F5;
  });
  TMessage f5{WM_KEYDOWN, VK_F5, 0, 0}, f6{WM_KEYDOWN, VK_F6, 0, 0};
  EXPECT_TRUE(form->IsShortCut(f5));
  EXPECT_FALSE(form->IsShortCut(f6));
  EXPECT_TRUE(form->RemoveShortCutHook(keys));
  EXPECT_FALSE(form->IsShortCut(f5));
  EXPECT_EQ(shortcuts, 2);
}

class StyledControl : public TCustomControl {
 public:
  StyledControl(TComponent* owner, UINT classStyle) : TCustomControl(owner), classStyle_(classStyle) {}

 protected:
  void CreateParams(TCreateParams& p) override {
    TCustomControl::CreateParams(p);
    p.WinClassName = L"TkSeamsStyled";
    p.ClassStyle = classStyle_;
  }

 private:
  UINT classStyle_;
};

TEST_F(SeamsTest, EachControlGetsTheClassStylesItAsksFor) {
  TForm* form = nullptr;
  app->CreateForm(form);
  auto* plain = new StyledControl(form, CS_DBLCLKS);
  plain->SetParent(form);
  auto* saving = new StyledControl(form, CS_DBLCLKS | CS_SAVEBITS);
  saving->SetParent(form);
  auto* plainAgain = new StyledControl(form, CS_DBLCLKS);
  plainAgain->SetParent(form);
  form->HandleNeeded();
  auto style = [](TWinControl* c) { return static_cast<UINT>(GetClassLongPtrW(c->Handle(), GCL_STYLE)); };
  EXPECT_EQ(style(plain), static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(style(saving), static_cast<UINT>(CS_DBLCLKS | CS_SAVEBITS))
      << "a later control with other styles is not bound by the first registration";
  EXPECT_EQ(style(plainAgain), static_cast<UINT>(CS_DBLCLKS));
}

class FocusWatcher : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::vector<TWinControl*> told;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_FOCUSCHANGED) told.push_back(reinterpret_cast<TWinControl*>(m.LParam));
    TCustomControl::WndProc(m);
  }
};

TEST_F(SeamsTest, EveryControlOfTheFormHearsWhereTheFocusWent) {
  TForm* form = nullptr;
  app->CreateForm(form);
  form->SetBounds(10, 10, 300, 200);
  auto* panel = new FocusWatcher(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 200, 100);
  auto* inner = new FocusWatcher(form);
  inner->SetParent(panel);
  inner->SetBounds(5, 5, 50, 20);
  auto* other = new FocusWatcher(form);
  other->SetParent(form);
  other->SetBounds(0, 120, 50, 20);
  form->Show();
  PumpUntil([&] { return IsWindowVisible(form->Handle()) != 0; });
  SetForegroundWindow(form->Handle());
  inner->SetFocus();
  other->SetFocus();
  const std::vector<TWinControl*> want{inner, other};
  EXPECT_EQ(panel->told, want);
  EXPECT_EQ(inner->told, want) << "children of children are told too";
  EXPECT_EQ(other->told, want);
  EXPECT_EQ(form->ActiveControl(), other);
}

TEST_F(SeamsTest, AnOpaqueControlIsNotErasedBeforeItPaints) {
  TForm* form = nullptr;
  app->CreateForm(form);
  auto* opaque = new TCustomControl(form);
  opaque->SetParent(form);
  opaque->SetBounds(0, 0, 10, 10);
  opaque->ControlStyle |= csOpaque;
  opaque->SetColor(clRed);
  auto* plain = new TCustomControl(form);
  plain->SetParent(form);
  plain->SetBounds(20, 0, 10, 10);
  plain->SetColor(clRed);
  form->HandleNeeded();
  auto erased = [](TWinControl* c) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 4, 4);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT all{0, 0, 4, 4};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const LRESULT handled = SendMessageW(c->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const COLORREF pixel = GetPixel(dc, 1, 1);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    EXPECT_NE(handled, 0);
    return pixel == RGB(255, 0, 0);
  };
  EXPECT_FALSE(erased(opaque));
  EXPECT_TRUE(erased(plain));
}

}  // namespace
