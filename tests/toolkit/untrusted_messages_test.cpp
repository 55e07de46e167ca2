// Messages whose parameters are pointers or name our controls: a parent hands
// a notification to the child it names only when this thread sent it and the
// child is its own; the toolkit's private messages reach a control only from
// this thread; posted forgeries of either never arrive. Finally the e2e
// helper attacks a form from another process.
#include <atomic>
#include <map>
#include <string>
#include <thread>

#include "win_support.h"

using namespace tk;
using tktest::ToolkitTest;

namespace {

// A windowed control that counts what reaches its class handling.
class TListener : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::map<uint32_t, int> heard;

 protected:
  void WndProc(TMessage& m) override {
    ++heard[m.Msg];
    TWinControl::WndProc(m);
  }
};

constexpr LPARAM kNowhere = static_cast<LPARAM>(0xDEADBEEF);

class UntrustedMessagesTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    app->CreateForm(form);
    form->SetBounds(80, 80, 320, 240);
    child = new TListener(form);
    child->SetBounds(10, 10, 100, 60);
    child->SetParent(form);
    grandchild = new TListener(form);
    grandchild->SetBounds(5, 5, 40, 30);
    grandchild->SetParent(child);
    form->HandleNeeded();
    child->HandleNeeded();
    grandchild->HandleNeeded();
    child->heard.clear();
    grandchild->heard.clear();
  }

  // Sends from a thread of its own while this one handles messages.
  LRESULT SendFromAnotherThread(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    std::atomic<bool> done{false};
    DWORD_PTR result = 0;
    std::thread sender([&] {
      SendMessageTimeoutW(w, msg, wp, lp, SMTO_NORMAL, 10000, &result);
      done = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }, 15000));
    sender.join();
    return static_cast<LRESULT>(result);
  }

  int Heard(TListener* c, uint32_t msg) { return c->heard.count(msg) ? c->heard[msg] : 0; }

  TForm* form = nullptr;
  TListener* child = nullptr;
  TListener* grandchild = nullptr;
};

TEST_F(UntrustedMessagesTest, AParentHandsOnlyThisThreadsNotificationsFromItsOwnChildren) {
  HWND f = form->Handle();
  NMHDR fromChild{child->Handle(), 1, 5};
  NMHDR fromGrandchild{grandchild->Handle(), 1, 5};
  NMHDR fromForm{f, 1, 5};
  DRAWITEMSTRUCT draw{ODT_BUTTON, 1, 0, ODA_DRAWENTIRE, 0, child->Handle(), nullptr, {0, 0, 4, 4}, 0};
  DELETEITEMSTRUCT del{ODT_LISTBOX, 1, 0, child->Handle(), 0};
  COMPAREITEMSTRUCT cmp{ODT_LISTBOX, 1, child->Handle(), 0, 0, 1, 0, 0};

  // This thread, the form's own child: handed on, each as its reflection.
  SendMessageW(f, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&fromChild));
  SendMessageW(f, WM_COMMAND, MAKEWPARAM(1, 0), reinterpret_cast<LPARAM>(child->Handle()));
  SendMessageW(f, WM_DRAWITEM, 1, reinterpret_cast<LPARAM>(&draw));
  SendMessageW(f, WM_DELETEITEM, 1, reinterpret_cast<LPARAM>(&del));
  SendMessageW(f, WM_COMPAREITEM, 1, reinterpret_cast<LPARAM>(&cmp));
  EXPECT_EQ(Heard(child, CN_NOTIFY), 1);
  EXPECT_EQ(Heard(child, CN_COMMAND), 1);
  EXPECT_EQ(Heard(child, CN_DRAWITEM), 1);
  EXPECT_EQ(Heard(child, CN_BASE + WM_DELETEITEM), 1);
  EXPECT_EQ(Heard(child, CN_BASE + WM_COMPAREITEM), 1);

  // Not the form's child (a grandchild, the form itself), or no structure.
  SendMessageW(f, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&fromGrandchild));
  SendMessageW(f, WM_COMMAND, MAKEWPARAM(1, 0), reinterpret_cast<LPARAM>(grandchild->Handle()));
  SendMessageW(f, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&fromForm));
  SendMessageW(f, WM_NOTIFY, 1, 0);
  SendMessageW(f, WM_DRAWITEM, 1, 0);
  EXPECT_EQ(Heard(grandchild, CN_NOTIFY) + Heard(grandchild, CN_COMMAND), 0);
  EXPECT_EQ(Heard(child, CN_NOTIFY), 1);

  // Another thread: the same valid structures naming the same child are refused.
  EXPECT_EQ(SendFromAnotherThread(f, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&fromChild)), 0);
  SendFromAnotherThread(f, WM_COMMAND, MAKEWPARAM(1, 0), reinterpret_cast<LPARAM>(child->Handle()));
  SendFromAnotherThread(f, WM_DRAWITEM, 1, reinterpret_cast<LPARAM>(&draw));
  SendFromAnotherThread(f, WM_DELETEITEM, 1, reinterpret_cast<LPARAM>(&del));
  SendFromAnotherThread(f, WM_COMPAREITEM, 1, reinterpret_cast<LPARAM>(&cmp));
  EXPECT_EQ(Heard(child, CN_NOTIFY), 1);
  EXPECT_EQ(Heard(child, CN_COMMAND), 1);
  EXPECT_EQ(Heard(child, CN_DRAWITEM), 1);
  EXPECT_EQ(Heard(child, CN_BASE + WM_DELETEITEM), 1);
  EXPECT_EQ(Heard(child, CN_BASE + WM_COMPAREITEM), 1);

  // ... and pointers that point nowhere are never followed.
  for (UINT msg : {WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_DELETEITEM, WM_COMPAREITEM}) {
    SendFromAnotherThread(f, msg, 1, kNowhere);
    SendFromAnotherThread(child->Handle(), msg, 1, kNowhere);
  }
  EXPECT_TRUE(IsWindow(f));
}

TEST_F(UntrustedMessagesTest, TheToolkitsOwnMessagesComeOnlyFromThisThread) {
  HWND c = child->Handle();
  // A control's own messages may go through its window from this thread.
  SendMessageW(c, CM_BASE + 60, 0, 0);
  EXPECT_EQ(Heard(child, CM_BASE + 60), 1);

  // From another thread not even the class handling sees them.
  for (UINT msg : {CN_NOTIFY, CN_DRAWITEM, CN_COMMAND, CM_FOCUSCHANGED, CM_BASE + 60}) {
    EXPECT_EQ(SendFromAnotherThread(c, msg, static_cast<WPARAM>(kNowhere), kNowhere), 0);
    EXPECT_EQ(Heard(child, msg), msg == CM_BASE + 60 ? 1 : 0) << std::hex << msg;
  }
}

TEST_F(UntrustedMessagesTest, PostedForgeriesAreDroppedBeforeAnyLoopDispatchesThem) {
  HWND f = form->Handle(), c = child->Handle();
  // A posted control notification naming our child, our own messages posted
  // with pointers that point nowhere, and a harmless message of the
  // application's own that must still arrive.
  ASSERT_TRUE(PostMessageW(f, WM_COMMAND, MAKEWPARAM(1, 0), reinterpret_cast<LPARAM>(c)));
  ASSERT_TRUE(PostMessageW(c, CN_NOTIFY, 0, kNowhere));
  ASSERT_TRUE(PostMessageW(c, CM_FOCUSCHANGED, 0, kNowhere));
  // The platform may refuse to post these at all; if it does not, they must vanish.
  for (UINT msg : {WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_DELETEITEM, WM_COMPAREITEM})
    PostMessageW(f, msg, 1, kNowhere);
  ASSERT_TRUE(PostMessageW(c, WM_APP + 7, 0, 0));
  EXPECT_TRUE(PumpUntil([&] { return Heard(child, WM_APP + 7) == 1; }));
  EXPECT_TRUE(PumpUntilIdle());
  EXPECT_EQ(Heard(child, CN_COMMAND), 0);
  EXPECT_EQ(Heard(child, CN_NOTIFY), 0);
  EXPECT_EQ(Heard(child, CM_FOCUSCHANGED), 0);

  // A loop that is not the application's (a modal loop of the platform's)
  // gets them dropped as well.
  ASSERT_TRUE(PostMessageW(f, WM_COMMAND, MAKEWPARAM(1, 0), reinterpret_cast<LPARAM>(c)));
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_EQ(Heard(child, CN_COMMAND), 0);
}

TEST_F(UntrustedMessagesTest, TheApplicationWindowKeepsNoPointerInItsUserData) {
  // Any process may set a window's user data (Windows lets it; Wine refuses
  // other processes, so this test sets it from inside).
  HWND w = app->Handle();
  SetWindowLongPtrW(w, GWLP_USERDATA, kNowhere);
  SendMessageW(w, WM_TIMER, 1, 0);
  SendMessageW(w, WM_TIMER, 2, 0);
  // The application still releases a form through its window.
  TForm* other = nullptr;
  app->CreateForm(other);
  const int forms = Screen->FormCount();
  app->ReleaseForm(other);
  EXPECT_TRUE(PumpUntil([&] { return Screen->FormCount() == forms - 1; }));
}

// The helper of the program's end-to-end test, aimed at a toolkit form.
TEST_F(UntrustedMessagesTest, MessagesFromAnotherProcessChangeNothing) {
  const std::wstring title = L"untrusted messages target";
  form->SetCaption(title);
  form->Show();
  EXPECT_TRUE(PumpUntilIdle());
  child->heard.clear();
  grandchild->heard.clear();
  std::string path = KINOPOD_E2E_WINDOW;
  std::wstring cmd = L"\"Z:";
  for (char ch : path) cmd += ch == '/' ? L'\\' : static_cast<wchar_t>(ch);
  cmd += L"\" hostile \"" + title + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      << GetLastError();
  EXPECT_TRUE(PumpUntil([&] { return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0; }, 180000));
  DWORD code = 99;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(PumpUntilIdle());

  for (TListener* c : {child, grandchild})
    for (uint32_t msg : {CN_NOTIFY, CN_COMMAND, CN_DRAWITEM, CN_BASE + WM_DELETEITEM, CN_BASE + WM_COMPAREITEM,
                         CM_FOCUSCHANGED})
      EXPECT_EQ(Heard(c, msg), 0) << std::hex << msg;
  // The form still works: this thread's notifications still reach its child.
  NMHDR fromChild{child->Handle(), 1, 5};
  SendMessageW(form->Handle(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&fromChild));
  EXPECT_EQ(Heard(child, CN_NOTIFY), 1);
}

}  // namespace
