// The frame's menus: the skinned system menu in place of the platform's, the
// message hook that feeds key presses to an open menu, the closing of menus
// on clicks anywhere else, and the keyboard menu mode the platform would
// start on Alt (never started: it would take the keys from the keyword box).
//
// Outside clicks reach the frame three ways: the form's own mouse and
// activation messages, the application's message loop (clicks in child
// windows that tell their parent nothing, such as the browser's), and the
// menu windows' 50 ms pointer poll for clicks in other programs, which
// reach no window of ours at all when the form was not the active one.
#include <windowsx.h>

#include "Chassis.h"
#include "vxResourceStrings.h"
#include "vxSkinMenus.h"

namespace vx {

TvxSkinMenu& TvxChassis::SkinMenu() {
  if (!skinMenu_) {
    skinMenu_ = new TvxSkinMenu(this);
    skinMenu_->Form = form_;
  }
  TvxSkinMenu& m = *skinMenu_;
  m.DefaultItemHeight = DefMenuItemHeight;
  m.DefaultItemFont.Assign(defMenuItemFont_);
  m.UseSkinFont = UseSkinFontInMenu;
  m.MaxItemsInWindow = MaxMenuItemsInWindow;
  m.AlphaBlend = MenusAlphaBlend;
  m.AlphaBlendAnimation = MenusAlphaBlendAnimation;
  m.AlphaBlendValue = MenusAlphaBlendValue;
  return m;
}

frame::SystemMenuState TvxChassis::SystemMenuStateNow() const {
  frame::SystemMenuState s;
  s.frameState = states_.State();
  s.rolledUp = states_.RolledUp();
  s.icons = borderIcons_;
  const TvxSkinData* data = Data();
  if (data && data->ResourceStrData()) {
    const TvxResourceStrData* strings = data->ResourceStrData();
    s.resources = [strings](const std::string& key) -> std::optional<std::string> {
      std::string text = strings->GetResStr(key);
      if (text.empty()) return std::nullopt;
      return text;
    };
  }
  return s;
}

frame::MenuItem TvxChassis::GetSystemMenuItems() const { return frame::BuildDefaultSystemMenu(SystemMenuStateNow()); }

void TvxChassis::PopupSystemMenu(int x, int y) { PopupSystemMenu(RECT{x, y, x, y}); }

void TvxChassis::PopupSystemMenu(const RECT& under) {
  if (!form_ || !form_->HandleAllocated()) return;
  MenuOpenNotification();
  const frame::MenuItem items = GetSystemMenuItems();
  SkinMenu().Popup(nullptr, SkinData(), false, items, {under.left, under.top, under.right, under.bottom}, 0,
                   [this](const frame::MenuItem& item) {
                     RunSystemMenuCommand(static_cast<frame::SystemMenuCommand>(item.command));
                   });
  // Nothing to show (no items): the menu never opened.
  if (!skinMenu_->Visible() && menuOpen_) MenusClosed();
}

void TvxChassis::RunSystemMenuCommand(frame::SystemMenuCommand command) {
  if (!form_) return;
  frame::SystemMenuActionState s;
  s.frameState = states_.State();
  s.rolledUp = states_.RolledUp();
  s.rolledUpWhileMaximized = states_.RolledUpWhileMaximized();
  s.alwaysMinimizeToTray = AlwaysMinimizeToTray;
  using A = frame::SystemMenuAction;
  using S = frame::TvxFrameWindowState;
  switch (frame::ResolveSystemMenuCommand(command, s)) {
    case A::SetMinimized: SetFrameWindowState(S::Minimized); break;
    case A::SetMaximized: SetFrameWindowState(S::Maximized); break;
    case A::SetNormal: SetFrameWindowState(S::Normal); break;
    case A::RollUp: SetRollUpState(true); break;
    case A::RollDown: SetRollUpState(false); break;
    case A::Close: form_->Close(); break;
    case A::MinimizeToTray: MinimizeToTray(); break;
    case A::RestoreFromTray: RestoreFromTray(); break;
    case A::None: break;
  }
}

void TvxChassis::MenuOpenNotification() {
  if (!menuLoopHook_ && tk::Application)
    menuLoopHook_ = tk::Application->AddMessageHook([this](MSG& msg, bool& handled) { MenuLoopMessage(msg, handled); });
  if (!menuOpen_) {
    menuOpen_ = true;
    if (OnSkinMenuOpen) OnSkinMenuOpen(this);
  }
}

void TvxChassis::MenusClosed() {
  menuOpen_ = false;
  // The token removes our hook only: one installed after it stays.
  if (menuLoopHook_) {
    if (tk::Application) tk::Application->RemoveMessageHook(menuLoopHook_);
    menuLoopHook_ = 0;
  }
  // The system-menu button that opened the menu comes back up.
  RunEvents(mouse_.MenuClosed());
  if (OnSkinMenuClose) OnSkinMenuClose(this);
}

void TvxChassis::MenuLoopMessage(MSG& msg, bool& handled) {
  const bool shown = skinMenu_ && skinMenu_->Visible();
  switch (msg.message) {
    case WM_KEYDOWN:
      if (shown && skinMenu_->KeyDown(msg.wParam)) MenusClosed();
      else if (!shown && menuOpen_) MenusClosed();
      msg.message = WM_NULL;
      handled = true;
      return;
    case WM_MOUSEWHEEL:
      msg.message = WM_NULL;
      handled = true;
      return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDBLCLK:
      // A press in any window of ours but the menu's, also in children that
      // tell their parent nothing; the press itself goes on.
      if (shown && skinMenu_->IsMenuWindow(msg.hwnd)) return;
      if (shown) skinMenu_->CloseAll();
      else if (menuOpen_) MenusClosed();
      return;
    default:
      return;
  }
}

bool TvxChassis::MenuMessage(tk::TMessage& m) {
  auto dismiss = [this] {
    if (skinMenu_ && skinMenu_->Visible()) skinMenu_->CloseAll();
    else if (menuOpen_) MenusClosed();
  };
  switch (m.Msg) {
    case WM_ACTIVATE:
      // Only losing the activation: under X11 the activation a click on the
      // inactive form causes may arrive after the press that opened the menu.
      if (LOWORD(m.WParam) == WA_INACTIVE) dismiss();
      return false;
    case WM_MOVE:
    case WM_SIZE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
      // Their wParam is no hit-test code (WM_SIZE's SIZE_MAXIMIZED equals
      // HTCAPTION): they only close an open menu and go on.
      dismiss();
      return false;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
      dismiss();
      // The platform's own handling of a right press on the caption waits in
      // a loop of its own for the button's release and then opens its menu:
      // the frame's menu opens at once instead. The second press of a quick
      // pair arrives as a double click and opens it as well.
      if (!Skinnable() || m.WParam != HTCAPTION) return false;
      Mouse(m);
      m.Result = 0;
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCMBUTTONDBLCLK:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_PARENTNOTIFY:
      dismiss();
      return false;
    case WM_ACTIVATEAPP:
      if (!m.WParam) dismiss();
      return false;
    case WM_SKIN_MENU_CLOSED:
      MenusClosed();
      m.Result = 0;
      return true;
    case WM_SYSCOMMAND: {
      if ((m.WParam & 0xFFF0) != SC_KEYMENU || !Skinnable()) return false;
      // Alt or F10 alone, or Alt with a key: the platform's keyboard menu
      // never starts. An open system menu closes.
      if (menuOpen_) dismiss();
      if (m.LParam == ' ') {
        // Alt+Space: under the first enabled system-menu button; none here shows nothing.
        const frame::FrameObjectList& list = mouse_.Objects();
        for (const frame::FrameObject& o : list) {
          if (!o.Visible || !o.Enabled || !o.HasCommand() || o.command != frame::TvxStdCommand::cmsysmenu) continue;
          RECT w{};
          GetWindowRect(form_->Handle(), &w);
          PopupSystemMenu(RECT{w.left + o.rect.Left, w.top + o.rect.Top, w.left + o.rect.Right, w.top + o.rect.Bottom});
          break;
        }
      }
      m.Result = 0;
      return true;
    }
    case WM_CONTEXTMENU: {
      // A right click on the frame: the system menu is ours (it opened on the
      // press); the platform's must not follow it.
      if (!Skinnable() || m.LParam == -1) return false;
      POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      HWND h = form_->Handle();
      if (reinterpret_cast<HWND>(m.WParam) != h) return false;
      ScreenToClient(h, &p);
      RECT c{};
      GetClientRect(h, &c);
      if (PtInRect(&c, p)) return false;
      m.Result = 0;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace vx
