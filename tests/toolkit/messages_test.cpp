// The message chain: a replaced window procedure, the edit control's
// non-client area, mouse enter/leave and hints.
#include <map>
#include <utility>

#include "tkStdCtrls.h"
#include "win_support.h"

using namespace tk;
using tktest::ToolkitTest;

namespace {

// Records what a thread-wide hook sees sent to one window, to compare with
// what the chain saw.
std::map<UINT, int>* g_hookCounts = nullptr;
HWND g_hookWindow = nullptr;
LRESULT CALLBACK CallWndHook(int code, WPARAM wp, LPARAM lp) {
  auto* cwp = reinterpret_cast<CWPSTRUCT*>(lp);
  if (code >= 0 && g_hookCounts && cwp->hwnd == g_hookWindow) ++(*g_hookCounts)[cwp->message];
  return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(ToolkitTest, AWindowProcHookSeesEveryMessageAndCanBeTakenOut) {
  TForm* f = nullptr;
  app->CreateForm(f);
  f->SetBounds(100, 100, 300, 200);
  f->HandleNeeded();

  std::map<UINT, int> chain, hooked;
  const THookToken token = f->WindowProc.Add([&](TMessage& m, const TWndMethod& next) {
    ++chain[m.Msg];
    if (m.Msg == WM_NCCALCSIZE) {
      m.Result = 0;  // answered here: the client area is the whole window
      return;
    }
    next(m);
  });
  g_hookCounts = &hooked;
  g_hookWindow = f->Handle();
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CallWndHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  // A new window: the chain stays on the control, so it sees the creation too.
  f->RecreateWnd();
  g_hookWindow = f->Handle();
  f->Show();
  SetWindowTextW(f->Handle(), L"changed");
  SendMessageW(f->Handle(), WM_APP + 5, 1, 2);
  PostMessageW(f->Handle(), WM_APP + 6, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return chain[WM_APP + 6] > 0; }));
  UnhookWindowsHookEx(hook);
  g_hookCounts = nullptr;

  EXPECT_GT(chain[WM_NCCREATE], 0);
  EXPECT_GT(chain[WM_NCCALCSIZE], 0);
  EXPECT_EQ(chain[WM_APP + 6], 1);
  // The hook must have seen the sent messages, or the comparison below proves nothing.
  EXPECT_EQ(hooked[WM_APP + 5], 1);
  EXPECT_GT(hooked[WM_SETTEXT], 0);
  for (auto [msg, n] : hooked)
    EXPECT_GE(chain[msg], n) << "message " << msg << " sent to the window passed the chain by";
  RECT wr, cr;
  GetWindowRect(f->Handle(), &wr);
  GetClientRect(f->Handle(), &cr);
  EXPECT_EQ(cr.right, wr.right - wr.left) << "the chain's answer took effect";
  EXPECT_EQ(f->Text(), L"changed");

  // Taken out: the form's own handling again, and the hook sees nothing more.
  EXPECT_TRUE(f->WindowProc.Remove(token));
  EXPECT_FALSE(f->WindowProc.Remove(token)) << "a second removal finds nothing";
  chain.clear();
  f->RecreateWnd();
  SendMessageW(f->Handle(), WM_APP + 5, 1, 2);
  EXPECT_TRUE(chain.empty());
  GetWindowRect(f->Handle(), &wr);
  GetClientRect(f->Handle(), &cr);
  EXPECT_LT(cr.right, wr.right - wr.left);
  EXPECT_TRUE(IsWindowVisible(f->Handle())) << "a re-created visible form shows again";
}

// A control that keeps its window across re-creation, as a control hosting
// an embedded object does.
class KeptWindowControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  HWND kept = nullptr;
  int appMessages = 0;

 protected:
  void CreateWnd() override {
    if (kept) {
      AdoptHandle(std::exchange(kept, nullptr));
      ::SetParent(Handle(), Parent()->Handle());
      return;
    }
    TWinControl::CreateWnd();
  }
  void DestroyWnd() override {
    if (Destroying()) return TWinControl::DestroyWnd();
    kept = DetachHandle();
    ::SetParent(kept, nullptr);
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_APP + 7) ++appMessages;
    TWinControl::WndProc(m);
  }
};

TEST_F(ToolkitTest, AControlCanKeepItsWindowThroughReCreation) {
  TForm* f = nullptr;
  app->CreateForm(f);
  f->SetBounds(100, 100, 300, 200);
  auto* c = new KeptWindowControl(f);
  c->SetParent(f);
  c->SetBounds(5, 5, 50, 40);
  HWND h = c->Handle();
  SendMessageW(h, WM_APP + 7, 0, 0);
  EXPECT_EQ(c->appMessages, 1);

  f->RecreateWnd();
  EXPECT_EQ(c->Handle(), h) << "the control did not get its own window back";
  EXPECT_EQ(GetParent(h), f->Handle());
  EXPECT_EQ(FindControl(h), c);
  SendMessageW(h, WM_APP + 7, 0, 0);
  EXPECT_EQ(c->appMessages, 2);

  // While handed out the window is nobody's: its messages do not reach the control.
  c->SetParent(nullptr);
  EXPECT_FALSE(c->HandleAllocated());
  ASSERT_EQ(c->kept, h);
  EXPECT_EQ(FindControl(h), nullptr);
  SendMessageW(h, WM_APP + 7, 0, 0);
  EXPECT_EQ(c->appMessages, 2);
  // A window that is gone cannot be adopted.
  DestroyWindow(h);
  EXPECT_THROW(c->SetParent(f), EInvalidOperation);
  EXPECT_FALSE(c->HandleAllocated());
  c->kept = nullptr;
  c->HandleNeeded();
  EXPECT_TRUE(c->HandleAllocated());
  EXPECT_NE(c->Handle(), h);
}

// An edit that draws its own 3-pixel frame in the non-client area.
class FramedEdit : public TEdit {
 public:
  using TEdit::TEdit;
  int ncPaints = 0;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_NCCALCSIZE) {
      auto* r = reinterpret_cast<RECT*>(m.LParam);
      InflateRect(r, -3, -3);
      m.Result = 0;
      return;
    }
    if (m.Msg == WM_NCPAINT) {
      ++ncPaints;
      HDC dc = GetWindowDC(Handle());
      RECT r{0, 0, Width(), Height()};
      FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      ReleaseDC(Handle(), dc);
      return;
    }
    TEdit::WndProc(m);
  }
};

TEST_F(ToolkitTest, EditKeepsItsSettingsAndLetsASubclassOwnTheFrame) {
  TForm* f = nullptr;
  app->CreateForm(f);
  auto* e = new FramedEdit(f);
  e->SetParent(f);
  e->SetBounds(10, 10, 121, 24);
  int changes = 0;
  e->OnChange = [&](TObject*) { ++changes; };
  // Settings made before the window exists reach it when it is made.
  e->SetText(L"\u641c\u7d22 keyword");
  e->SetMaxLength(14);
  f->Show();
  HWND h = e->Handle();
  EXPECT_EQ(e->Text(), L"\u641c\u7d22 keyword");
  RECT cr;
  GetClientRect(h, &cr);
  EXPECT_EQ(cr.right, 121 - 6);
  EXPECT_EQ(cr.bottom, 24 - 6);
  RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GT(e->ncPaints, 0);

  e->SetSelStart(3);
  e->SetSelLength(4);
  EXPECT_EQ(e->SelText(), L"keyw");
  e->SetSelText(L"KEYW");
  EXPECT_EQ(e->Text(), L"\u641c\u7d22 KEYWord");
  EXPECT_GE(changes, 1);

  // Typing stops at MaxLength; read-only refuses typing.
  e->SelectAll();
  SendMessageW(h, WM_CHAR, L'x', 0);
  int before = changes;
  for (int i = 0; i < 20; ++i) SendMessageW(h, WM_CHAR, L'y', 0);
  EXPECT_EQ(e->Text().size(), 14u);
  EXPECT_GT(changes, before);
  e->SetReadOnly(true);
  e->SelectAll();
  SendMessageW(h, WM_CHAR, L'z', 0);
  EXPECT_EQ(e->Text().size(), 14u);

  // Alignment needs a new window; text and settings survive it.
  e->SetAlignment(taRightJustify);
  EXPECT_NE(e->Handle(), nullptr);
  EXPECT_TRUE(GetWindowLongPtrW(e->Handle(), GWL_STYLE) & ES_RIGHT);
  EXPECT_TRUE(GetWindowLongPtrW(e->Handle(), GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(e->Text().size(), 14u);
}

class Hot : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
};

class RecordingHint : public THintWindow {
 public:
  explicit RecordingHint(TComponent* owner) : THintWindow(owner) {}
  void ActivateHint(const TRect& r, const std::wstring& hint) override {
    shown.push_back(hint);
    THintWindow::ActivateHint(r, hint);
  }
  std::vector<std::wstring> shown;
};

TEST_F(ToolkitTest, MouseEnterLeaveAndHintsFollowThePointer) {
  TForm* f = nullptr;
  app->CreateForm(f);
  auto* a = new Hot(f);
  a->SetParent(f);
  a->SetBounds(10, 10, 50, 20);
  auto* b = new TPanel(f);
  b->SetParent(f);
  b->SetBounds(100, 10, 50, 20);
  b->SetHint(L"\u81ea\u5b9a\u4e49\u641c\u7d22\u7f51\u7ad9");
  b->SetShowHint(true);
  std::vector<std::string> events;
  a->OnMouseEnter = [&](TObject*) { events.push_back("enter a"); };
  a->OnMouseLeave = [&](TObject*) { events.push_back("leave a"); };
  b->OnMouseEnter = [&](TObject*) { events.push_back("enter b"); };
  b->OnMouseLeave = [&](TObject*) { events.push_back("leave b"); };
  RecordingHint* hint = nullptr;
  app->HintWindowClass = [&](TComponent* owner) { return hint = new RecordingHint(owner); };
  app->HintPause = 20;
  f->Show();

  SendMessageW(f->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 15));
  SendMessageW(f->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(21, 15));  // no second enter
  SendMessageW(f->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(80, 15));
  SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(events, (std::vector<std::string>{"enter a", "leave a", "enter b"}));
  ASSERT_TRUE(PumpUntil([&] { return hint && !hint->shown.empty(); }));
  EXPECT_EQ(hint->shown[0], b->Hint());
  EXPECT_TRUE(IsWindowVisible(hint->Handle()));
  EXPECT_FALSE(GetForegroundWindow() == hint->Handle()) << "a hint never takes the focus";

  SendMessageW(b->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(events.back(), "leave b");
  EXPECT_FALSE(IsWindowVisible(hint->Handle()));

  // A control freed while under the pointer is simply forgotten.
  SendMessageW(f->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 15));
  a->Free();
  SendMessageW(f->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 16));
  EXPECT_EQ(events.back(), "enter a");
}

TEST_F(ToolkitTest, TabMovesTheFocusInTabOrder) {
  TForm* f = nullptr;
  app->CreateForm(f);
  TEdit* e[3];
  for (int i = 0; i < 3; ++i) {
    e[i] = new TEdit(f);
    e[i]->SetParent(f);
    e[i]->SetBounds(10, 10 + 30 * i, 100, 22);
  }
  e[2]->SetTabOrder(0);  // e2, e0, e1
  f->Show();
  SetForegroundWindow(f->Handle());
  e[2]->SetFocus();
  ASSERT_TRUE(e[2]->Focused());
  PostMessageW(e[2]->Handle(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(PumpUntil([&] { return e[0]->Focused(); }));
  PostMessageW(e[0]->Handle(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(PumpUntil([&] { return e[1]->Focused(); }));
  EXPECT_EQ(f->ActiveControl(), e[1]);
}

}  // namespace
