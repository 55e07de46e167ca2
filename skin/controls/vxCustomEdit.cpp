// The edit box's behaviour on the platform edit control: transparent text,
// one line only, Enter and Escape kept out of the text, read-only
// filtering, and its context menu.
#include <windowsx.h>

#include "vxSkinBoxCtrls.h"
#include "tkForms.h"
#include "tkWidgetSet.h"

namespace vx {

// Sent by a skinned menu to the control that opened it once a command ran.
constexpr unsigned kMenuCommandDone = 1229;

using tk::FindControl;

namespace {
TvxEditContextMenus& EditContextMenus() {
  static TvxEditContextMenus menus;
  return menus;
}
}  // namespace

void SetEditContextMenus(TvxEditContextMenus menus) { EditContextMenus() = std::move(menus); }

tk::TPopupMenu* NewEditContextMenu(TvxCustomEdit* edit) {
  if (const auto& make = EditContextMenus().make)
    if (tk::TPopupMenu* menu = make(edit)) return menu;
  return new tk::TPopupMenu(edit);
}

void OpenEditContextMenu(tk::TPopupMenu* menu, TvxCustomEdit* edit, int x, int y) {
  if (const auto& open = EditContextMenus().open) return open(menu, edit, x, y);
  menu->Popup(x, y);
}

TvxCustomEdit::TvxCustomEdit(tk::TComponent* owner) : tk::TCustomMaskEdit(owner) {}

void TvxCustomEdit::CreateParams(tk::TCreateParams& p) {
  tk::TCustomMaskEdit::CreateParams(p);
  // One line: a keyword never holds a line break.
  p.Style &= ~static_cast<DWORD>(ES_MULTILINE | ES_WANTRETURN | WS_BORDER);
  p.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT);
  // A text given before the window existed reaches it without WM_SETTEXT.
  p.Caption = FirstLine(p.Caption);
}

TvxEditMenuState TvxCustomEdit::MenuState() {
  TvxEditMenuState s;
  s.readOnly = ReadOnly();
  s.textLength = static_cast<int>(Text().size());
  if (HandleAllocated()) {
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    s.selStart = static_cast<int>(start);
    s.selEnd = static_cast<int>(end);
    s.canUndo = SendMessageW(Handle(), EM_CANUNDO, 0, 0) != 0;
  }
  s.clipboardHasText = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
  return s;
}

void TvxCustomEdit::RunCommand(TvxEditCommand command) {
  if (!HandleAllocated()) return;
  // Through the window, so the filters below see the menu's requests too.
  HWND h = Handle();
  switch (command) {
    case TvxEditCommand::undo: SendMessageW(h, WM_UNDO, 0, 0); break;
    case TvxEditCommand::cut: SendMessageW(h, WM_CUT, 0, 0); break;
    case TvxEditCommand::copy: SendMessageW(h, WM_COPY, 0, 0); break;
    case TvxEditCommand::paste: SendMessageW(h, WM_PASTE, 0, 0); break;
    case TvxEditCommand::del: SendMessageW(h, WM_CLEAR, 0, 0); break;
    case TvxEditCommand::selectAll: SendMessageW(h, EM_SETSEL, 0, -1); break;
    case TvxEditCommand::none: break;
  }
}

tk::TPopupMenu* TvxCustomEdit::BuildContextMenu() {
  if (contextMenu_ && !menuOpen_) {
    contextMenu_->Free();
    contextMenu_ = nullptr;
  }
  if (menuOpen_) return contextMenu_;
  tk::TPopupMenu* menu = NewEditContextMenu(this);
  contextMenu_ = menu;
  menu->PopupComponent = this;
  const TvxEditMenuState state = MenuState();
  const TvxResourceStrData* strings = MenuStrings();
  for (const TvxEditMenuEntry& e : kEditMenu) {
    auto* item = new tk::TMenuItem(menu);
    std::string caption = e.fallback;
    if (e.captionKey && strings) {
      std::string fromSkin = strings->GetResStr(e.captionKey);
      if (!fromSkin.empty()) caption = fromSkin;
    }
    item->SetCaption(tk::Utf8ToWide(caption));
    item->Enabled = EditCommandEnabled(e.command, state);
    const TvxEditCommand command = e.command;
    if (command != TvxEditCommand::none) item->OnClick = [this, command](tk::TObject*) { RunCommand(command); };
    menu->Items()->Add(item);
  }
  return menu;
}

tk::TPoint TvxCustomEdit::ContextMenuPoint(int x, int y) {
  if (!IsKeyboardMenuRequest(x, y)) return {x, y};
  HWND h = Handle();
  POINT caret{};
  if (GetFocus() == h && GetCaretPos(&caret)) {
    // Below the caret's line, as a menu key press opens it in text.
    TEXTMETRICW tm{};
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    POINT p{caret.x, caret.y + tm.tmHeight};
    ::ClientToScreen(h, &p);
    return {p.x, p.y};
  }
  RECT r{};
  GetWindowRect(h, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void TvxCustomEdit::ContextRequest(int x, int y) {
  if (menuOpen_) return;
  const tk::TPoint at = ContextMenuPoint(x, y);
  if (PopupMenu) {
    PopupMenu->PopupComponent = this;
    PopupMenu->Popup(at.X, at.Y);
    return;
  }
  tk::TPopupMenu* menu = BuildContextMenu();
  menuOpen_ = true;
  try {
    OpenEditContextMenu(menu, this, at.X, at.Y);
  } catch (...) {
    menuOpen_ = false;
    throw;
  }
  menuOpen_ = false;
}

void TvxCustomEdit::PasteFirstLine() {
  if (!OpenClipboard(Handle())) return;
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      // The clipboard's text ends at its terminator or at the block's end.
      const size_t limit = GlobalSize(data) / sizeof(wchar_t);
      text.assign(p, wcsnlen(p, limit));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(FirstLine(text).c_str()));
}

namespace {

// Messages after which the platform control may have moved its selection or
// scrolled its text without changing it.
bool MayMoveSelection(const tk::TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_TIMER:
    case EM_SETSEL:
      return true;
    case WM_MOUSEMOVE:
      return (m.WParam & MK_LBUTTON) != 0;
    default:
      return false;
  }
}

struct SelectionMark {
  DWORD start = 0, end = 0;
  LRESULT firstVisible = 0;
  bool operator==(const SelectionMark&) const = default;
};

SelectionMark MarkOf(HWND h) {
  SelectionMark s;
  SendMessageW(h, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), reinterpret_cast<LPARAM>(&s.end));
  s.firstVisible = SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0);
  return s;
}

}  // namespace

void TvxCustomEdit::WndProc(tk::TMessage& m) {
  if (!MayMoveSelection(m) || !HandleAllocated()) {
    Dispatch(m);
    return;
  }
  HWND h = Handle();
  const SelectionMark before = MarkOf(h);
  Dispatch(m);
  // The platform control may draw a moved selection straight onto the
  // screen, over the old one: paint the whole text area again.
  if (IsWindow(h) && FindControl(h) == this && !(MarkOf(h) == before)) TextAreaChanged();
}

void TvxCustomEdit::Dispatch(tk::TMessage& m) {
  switch (m.Msg) {
    case WM_CHAR: {
      const auto ch = static_cast<wchar_t>(m.WParam);
      if (IsRoutedKey(ch)) {
        // Its key-down already reached the form's default or cancel button.
        DoKeyPress(m);
        m.Result = 0;
        return;
      }
      // Copying changes nothing, so it stays open to a read-only box.
      if (ReadOnly() && ch != 0x03) return;
      break;
    }
    case WM_KEYDOWN:
      if (m.WParam == VK_DELETE && ReadOnly()) return;
      break;
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
      if (ReadOnly()) return;
      break;
    case WM_PASTE:
      if (ReadOnly()) return;
      PasteFirstLine();
      m.Result = 0;
      return;
    case WM_SETTEXT:
    case EM_REPLACESEL:
      if (m.LParam) {
        const std::wstring line = FirstLine(reinterpret_cast<const wchar_t*>(m.LParam));
        tk::TMessage copy = m;
        copy.LParam = reinterpret_cast<intptr_t>(line.c_str());
        tk::TCustomMaskEdit::WndProc(copy);
        m.Result = copy.Result;
        return;
      }
      break;
    case WM_CONTEXTMENU:
      // Ours, before the platform control shows its own menu.
      ContextRequest(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      m.Result = 0;
      return;
    case kMenuCommandDone:
      if (contextMenu_ && !menuOpen_ && tk::ws::SentByThisThread()) {
        contextMenu_->Free();
        contextMenu_ = nullptr;
      }
      return;
    case tk::CN_CTLCOLOREDIT:
    case tk::CN_CTLCOLORSTATIC: {
      // The text lies on the picture drawn behind it.
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, tk::ColorToRGB(TextColor()));
      m.Result = reinterpret_cast<intptr_t>(GetStockObject(NULL_BRUSH));
      return;
    }
    case tk::CN_COMMAND:
      if (HIWORD(m.WParam) == EN_CHANGE || HIWORD(m.WParam) == EN_UPDATE) TextAreaChanged();
      break;
    default:
      break;
  }
  tk::TCustomMaskEdit::WndProc(m);
}

}  // namespace vx
