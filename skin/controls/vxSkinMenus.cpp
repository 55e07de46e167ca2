#include "vxSkinMenus.h"

#include <windowsx.h>

#include <algorithm>

#include "Chassis.h"
#include "vxSkinBoxCtrls.h"
#include "vxPixmapDib.h"
#include "vxPlatform.h"
#include "vxRegionWin.h"
#include "vxWindowClass.h"

namespace vx {
namespace {

using K = frame::MenuEvent::Kind;

constexpr UINT_PTR kMouseTimer = 1;
constexpr UINT_PTR kScrollTimer = 2;
constexpr UINT_PTR kFadeTimer = 3;
constexpr unsigned kMouseTimerMs = 50;
constexpr unsigned kScrollTimerMs = 100;
constexpr unsigned kSubmenuDelayMs = 500;
constexpr wchar_t kPopupClass[] = L"VxSkinPopupWindow";

std::string WideToUtf8(const std::wstring& w) {
  if (w.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(std::max(n, 0)), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

Pixel SysPixel(int index) { return PixelFromColor(GetSysColor(index)); }

frame::MenuColors SystemMenuColors() {
  frame::MenuColors c;
  c.btnFace = SysPixel(COLOR_BTNFACE);
  c.window = SysPixel(COLOR_WINDOW);
  c.btnShadow = SysPixel(COLOR_BTNSHADOW);
  c.btnHighlight = SysPixel(COLOR_BTNHIGHLIGHT);
  c.btnText = SysPixel(COLOR_BTNTEXT);
  c.windowText = SysPixel(COLOR_WINDOWTEXT);
  return c;
}

// Item texts through GDI in the menu's font.
class GdiMenuText : public frame::MenuTextPainter {
 public:
  explicit GdiMenuText(HFONT font) : font_(font) {}
  int Width(const std::string& text) override {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_);
    const std::wstring w = tk::Utf8ToWide(text);
    RECT r{0, 0, 0, 0};
    // Measured as drawn: "&" marks take no room.
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteDC(dc);
    return r.right - r.left;
  }
  void Draw(TvxPixmap& canvas, const frame::Rect& rect, const std::string& text, Pixel colour, frame::TextAlign align,
            bool prefix) override {
    HDC dc = PixmapDC(canvas);
    if (!dc || rect.IsEmpty()) return;
    HGDIOBJ old = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorFromPixel(colour));
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    UINT format = DT_SINGLELINE | DT_VCENTER | (prefix ? 0 : DT_NOPREFIX);
    if (align == frame::TextAlign::Right) format |= DT_RIGHT;
    else if (align == frame::TextAlign::Center) format |= DT_CENTER;
    const std::wstring w = tk::Utf8ToWide(text);
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, format);
    SelectObject(dc, old);
    GdiFlush();
  }

 private:
  HFONT font_;
};

frame::MenuKey KeyOf(WPARAM vk) {
  switch (vk) {
    case VK_RETURN: return frame::MenuKey::Enter;
    case VK_ESCAPE: return frame::MenuKey::Escape;
    case VK_LEFT: return frame::MenuKey::Left;
    case VK_RIGHT: return frame::MenuKey::Right;
    case VK_UP: return frame::MenuKey::Up;
    case VK_DOWN: return frame::MenuKey::Down;
    default: return frame::MenuKey::Other;
  }
}

// The character an accelerator key press stands for (0 for none).
char AccelChar(WPARAM vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return static_cast<char>(vk);
  const UINT ch = MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_CHAR) & 0x7FFF;
  return ch > 32 && ch < 128 ? static_cast<char>(ch) : 0;
}

}  // namespace

// ---- TvxSkinPopupWindow ----

TvxSkinPopupWindow::TvxSkinPopupWindow(TvxSkinMenu& menu, int level) : menu_(menu), level_(level) {}

TvxSkinPopupWindow::~TvxSkinPopupWindow() {
  if (handle_) {
    KillTimer(handle_, kMouseTimer);
    KillTimer(handle_, kScrollTimer);
    KillTimer(handle_, kFadeTimer);
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

RECT TvxSkinPopupWindow::ItemScreenRect(int index) const {
  RECT r{};
  if (index < 0 || index >= static_cast<int>(items_.size()) || !handle_) return r;
  RECT w{};
  GetWindowRect(handle_, &w);
  const frame::Rect& i = items_[index].ItemRect;
  return {w.left + i.Left, w.top + i.Top, w.left + i.Right, w.top + i.Bottom};
}

void TvxSkinPopupWindow::Open(const frame::Rect& anchor, bool subMenu, bool popupUp) {
  const frame::MenuWindowState& state = menu_.nav_.Window(level_);
  std::vector<const frame::MenuItem*> models;
  for (const frame::MenuEntry& e : state.entries) models.push_back(e.item);
  size_ = menu_.SizeFor(models);
  items_.clear();
  for (const frame::MenuItem* m : models) items_.push_back({this, m, {}, false});
  Relayout();
  int visible = 0;
  for (const TvxSkinMenuItem& i : items_) visible += i.Visible ? 1 : 0;
  menu_.nav_.SetScrollMode(level_, size_.scrollMode, visible);

  frame::PopupPlacementInput place;
  const RECT wa = menu_.workArea_;
  place.workArea = {wa.left, wa.top, wa.right, wa.bottom};
  place.anchor = anchor;
  place.width = size_.width;
  place.height = size_.height;
  place.itemsTop = size_.itemsRect.Top;
  place.subMenu = subMenu;
  place.popupUp = popupUp;
  place.scrollMode = size_.scrollMode;
  place.maxItemsLimited = size_.maxItemsLimited;
  const frame::Point at = frame::PositionPopup(place);

  RegisterWindowClass(kPopupClass, &TvxSkinPopupWindow::Proc);
  HWND owner = menu_.Form && menu_.Form->HandleAllocated() ? menu_.Form->Handle() : nullptr;
  const TvxPlatform& platform = TvxPlatform::Get();
  const bool layered = menu_.AlphaBlend && platform.LayeredWindowsAvailable();
  const bool fadeIn = layered && menu_.AlphaBlendAnimation && level_ == 0;
  DWORD ex = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  if (layered) ex |= WS_EX_LAYERED;
  handle_ = CreateWindowExW(ex, kPopupClass, L"", WS_POPUP, at.X, at.Y, size_.width, size_.height, owner, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!handle_) return;
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // The window's text lists its items, one a line (shortcut after a tab), for
  // screen readers and other programs that read windows.
  std::string listing;
  for (const frame::MenuItem* m : models) {
    if (!listing.empty()) listing += "\n";
    listing += m->caption + (m->shortcut.empty() ? "" : "\t" + m->shortcut);
  }
  SetWindowTextW(handle_, tk::Utf8ToWide(listing).c_str());
  if (auto sized = frame::PopupWindowRegion(menu_.look_, size_)) {
    if (HRGN rgn = SizedRegionHandle(*sized)) SetWindowRgn(handle_, rgn, FALSE);
  }
  if (layered) {
    // The first window fades in from transparent, driven by a timer so the
    // program keeps answering meanwhile; the others show at the set opacity.
    alpha_ = fadeIn ? 0 : std::clamp(menu_.AlphaBlendValue, 0, 255);
    platform.SetOpacity(handle_, static_cast<BYTE>(alpha_));
    if (fadeIn) {
      fade_.Start(menu_.AlphaBlendValue);
      SetTimer(handle_, kFadeTimer, 1, nullptr);
    }
  }
  SetWindowPos(handle_, HWND_TOPMOST, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  GetCursorPos(&lastMouse_);
  SetTimer(handle_, kMouseTimer, kMouseTimerMs, nullptr);
}

void TvxSkinPopupWindow::FadeTick() {
  const uint32_t now = menu_.FadeClock ? menu_.FadeClock() : GetTickCount();
  if (fade_.Advance(now)) {
    alpha_ = fade_.Alpha();
    TvxPlatform::Get().SetOpacity(handle_, static_cast<BYTE>(alpha_));
  }
  if (!fade_.Running()) KillTimer(handle_, kFadeTimer);
}

void TvxSkinPopupWindow::Relayout() {
  if (level_ >= menu_.nav_.WindowCount()) return;
  const frame::MenuWindowState& state = menu_.nav_.Window(level_);
  const frame::MenuItemPlaces places =
      frame::LayoutMenuItems(size_.itemsRect, size_.itemHeights, state.firstVisible, size_.scrollMode);
  for (size_t i = 0; i < items_.size() && i < places.rects.size(); ++i) {
    items_[i].ItemRect = places.rects[i];
    items_[i].Visible = places.visible[i];
  }
}

void TvxSkinPopupWindow::Repaint() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TvxSkinPopupWindow::StartScrollTimer() {
  if (handle_) SetTimer(handle_, kScrollTimer, kScrollTimerMs, nullptr);
}

void TvxSkinPopupWindow::StopScrollTimer() {
  if (handle_) KillTimer(handle_, kScrollTimer);
}

void TvxSkinPopupWindow::Paint(HDC dc) {
  if (level_ >= menu_.nav_.WindowCount()) return;
  const frame::MenuWindowState& state = menu_.nav_.Window(level_);
  frame::PopupPaintInput in;
  in.look = &menu_.look_;
  in.colors = SystemMenuColors();
  in.size = size_;
  in.scrollCode = state.scrollCode;
  for (size_t i = 0; i < items_.size(); ++i) {
    const bool lit = i < state.entries.size() && (state.entries[i].Active || state.entries[i].Down);
    in.items.push_back({items_[i].Model, lit, items_[i].ItemRect, items_[i].Visible});
  }
  TvxPixmap picture;
  frame::RenderPopupWindow(in, *menu_.text_, picture);
  if (HDC src = PixmapDC(picture)) BitBlt(dc, 0, 0, picture.Width(), picture.Height(), src, 0, 0, SRCCOPY);
}

int TvxSkinPopupWindow::ItemAt(int x, int y) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].Visible && items_[i].ItemRect.Contains(x, y)) return static_cast<int>(i);
  return -1;
}

int TvxSkinPopupWindow::MarkerAt(int x, int y) const {
  if (!size_.scrollMode) return 0;
  const frame::PopupSkin skin = menu_.look_.Sizing();
  if (frame::TopScrollMarker(skin, size_.itemsRect, size_.width, size_.height).Contains(x, y)) return 1;
  if (frame::BottomScrollMarker(skin, size_.itemsRect, size_.width, size_.height).Contains(x, y)) return 2;
  return 0;
}

void TvxSkinPopupWindow::MouseTick() {
  POINT p{};
  GetCursorPos(&p);
  // A press in another program reaches none of our windows.
  const bool pressed = (GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON) | GetAsyncKeyState(VK_MBUTTON)) & 0x8000;
  if (pressed) {
    DWORD pid = 0;
    HWND under = WindowFromPoint(p);
    if (under) GetWindowThreadProcessId(under, &pid);
    if (pid != GetCurrentProcessId()) {
      menu_.CloseAll();
      return;
    }
  }
  if (p.x == lastMouse_.x && p.y == lastMouse_.y) return;
  lastMouse_ = p;
  RECT w{};
  GetWindowRect(handle_, &w);
  const int x = p.x - w.left, y = p.y - w.top;
  if (WindowFromPoint(p) != handle_) {
    menu_.Run(menu_.nav_.HoverScrollMarker(level_, 0));
    return;
  }
  menu_.Run(menu_.nav_.HoverScrollMarker(level_, MarkerAt(x, y)));
  // The window may have closed under the handlers.
  if (!menu_.Window(level_) || menu_.Window(level_) != this) return;
  const int item = ItemAt(x, y);
  if (item >= 0) menu_.Run(menu_.nav_.Hover(level_, item));
}

LRESULT CALLBACK TvxSkinPopupWindow::Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<TvxSkinPopupWindow*>(GetWindowLongPtrW(h, GWLP_USERDATA));
  if (!self) return DefWindowProcW(h, msg, wp, lp);
  try {
    return self->Handle(msg, wp, lp);
  } catch (...) {
    tk::HandleException(nullptr);
    return 0;
  }
}

LRESULT TvxSkinPopupWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  HWND h = handle_;
  switch (msg) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      Paint(reinterpret_cast<HDC>(wp));
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      Paint(dc);
      EndPaint(h, &ps);
      return 0;
    }
    case WM_TIMER:
      if (wp == kMouseTimer) MouseTick();
      else if (wp == kScrollTimer) menu_.Run(menu_.nav_.ScrollTimerFired(level_));
      else if (wp == kFadeTimer) FadeTick();
      return 0;
    case WM_MOUSEMOVE:
      MouseTick();
      return 0;
    case WM_LBUTTONUP: {
      const int item = ItemAt(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      if (item >= 0) menu_.Run(menu_.nav_.Release(level_, item));
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      return 0;
    default:
      return DefWindowProcW(h, msg, wp, lp);
  }
}

// ---- TvxSkinMenu ----

TvxSkinMenu::TvxSkinMenu(tk::TComponent* owner) : tk::TComponent(owner) {
  DefaultItemFont.SetName(L"Arial");
  DefaultItemFont.SetHeight(14);
  submenuTimer_ = new tk::TTimer(this);
  submenuTimer_->SetEnabled(false);
  submenuTimer_->SetInterval(kSubmenuDelayMs);
  submenuTimer_->SetOnTimer([this](tk::TObject*) {
    submenuTimer_->SetEnabled(false);
    Run(nav_.SubmenuTimerFired());
  });
  nav_.OnOpeningSubmenu = [this](const frame::MenuItem& item) {
    if (opening_) opening_(item);
  };
}

TvxSkinMenu::~TvxSkinMenu() { CloseWindowsQuietly(); }

void TvxSkinMenu::CloseWindowsQuietly() {
  // Going away with the frame: the windows go, nobody is told.
  windows_.clear();
  nav_.CloseFrom(0);
  popupControl_ = nullptr;
  commandControl_ = nullptr;
}

TvxSkinPopupWindow* TvxSkinMenu::Window(int level) const {
  return level >= 0 && level < WindowCount() ? windows_[level].get() : nullptr;
}

bool TvxSkinMenu::IsMenuWindow(HWND h) const {
  for (const auto& w : windows_)
    if (w->Handle() == h) return true;
  return false;
}

void TvxSkinMenu::ChooseFont(const TvxSkinData* data) {
  font_.Assign(DefaultItemFont);
  if (UseSkinFont && look_.window.present && look_.item.present) {
    font_.SetName(tk::Utf8ToWide(look_.item.fontname));
    font_.SetHeight(look_.item.fontheight);
    font_.SetStyle(static_cast<tk::TFontStyles>(look_.item.fontstyle));
  }
  (void)data;
  text_ = std::make_unique<GdiMenuText>(font_.Handle());
}

frame::PopupSize TvxSkinMenu::SizeFor(const std::vector<const frame::MenuItem*>& items) const {
  frame::PopupSizeInput in;
  in.items = &items;
  frame::MenuTextPainter* text = text_.get();
  in.textWidth = [text](const std::string& t) { return text ? text->Width(t) : 0; };
  in.defaultItemHeight = DefaultItemHeight;
  in.maxItemsInWindow = MaxItemsInWindow;
  in.workAreaHeight = workArea_.bottom - workArea_.top;
  return frame::ComputePopupSize(look_.Sizing(), in);
}

void TvxSkinMenu::Popup(tk::TWinControl* control, const TvxSkinData* data, bool popupUp, const frame::MenuItem& root,
                        const frame::Rect& anchor, int start, Runner execute, Runner opening) {
  // A new menu replaces the open one without telling anybody it closed.
  windows_.clear();
  nav_.CloseFrom(0);
  submenuTimer_->SetEnabled(false);
  popupControl_ = control;
  if (control) FreeNotification(control);
  skinData_ = data;
  root_ = root;
  anchor_ = anchor;
  popupUp_ = popupUp;
  start_ = start;
  execute_ = std::move(execute);
  opening_ = std::move(opening);
  toolkitMenu_ = nullptr;
  workArea_ = {};
  HWND formWindow = Form && Form->HandleAllocated() ? Form->Handle() : nullptr;
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (formWindow && GetMonitorInfoW(MonitorFromWindow(formWindow, MONITOR_DEFAULTTONEAREST), &mi))
    workArea_ = mi.rcWork;
  else
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea_, 0);
  look_ = data ? frame::MenuLookFromSkinData(*data) : frame::MenuLook{};
  ChooseFont(data);
  Run(nav_.Popup(&root_, start));
}

void TvxSkinMenu::FillFromToolkit(frame::MenuItem& model, tk::TMenuItem* item) {
  model.items.clear();
  for (int i = 0; i < item->Count(); ++i) {
    tk::TMenuItem* sub = item->Items(i);
    frame::MenuItem m;
    m.name = sub->Name();
    m.caption = WideToUtf8(sub->Caption());
    if (sub->ShortCut() != tk::scNone) m.shortcut = WideToUtf8(sub->ShortCutText());
    m.enabled = sub->Enabled;
    m.visible = sub->Visible;
    m.checked = sub->Checked();
    m.radio = sub->RadioItem();
    m.command = sub->Command();
    FillFromToolkit(m, sub);
    model.items.push_back(std::move(m));
  }
}

void TvxSkinMenu::Popup(tk::TWinControl* control, const TvxSkinData* data, bool popupUp, tk::TMenuItem* root,
                        const frame::Rect& anchor, int start) {
  if (!root) return;
  tk::TMenu* menu = root->GetParentMenu();
  frame::MenuItem model;
  FillFromToolkit(model, root);
  // Items are found again by their command number when they run: one freed
  // meanwhile is not run.
  auto live = [menu](const frame::MenuItem& m) -> tk::TMenuItem* { return menu ? menu->FindItem(m.command) : nullptr; };
  Popup(
      control, data, popupUp, model, anchor, start,
      [live](const frame::MenuItem& m) {
        if (tk::TMenuItem* item = live(m)) item->Click();
      },
      [live](const frame::MenuItem& m) {
        tk::TMenuItem* item = live(m);
        if (!item) return;
        item->Click();
        // The handler may have filled or changed the sub-menu: show what is there now.
        if ((item = live(m))) FillFromToolkit(const_cast<frame::MenuItem&>(m), item);
      });
  toolkitMenu_ = menu;
  if (menu) FreeNotification(menu);
}

void TvxSkinMenu::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TComponent::Notification(component, operation);
  if (operation != tk::opRemove) return;
  if (component == commandControl_) commandControl_ = nullptr;
  if (component == popupControl_) popupControl_ = nullptr;
  if (component != toolkitMenu_) return;
  // The menu being shown is going away: none of its items may run, and the
  // control it was opened for is not told about a menu that no longer is.
  toolkitMenu_ = nullptr;
  execute_ = nullptr;
  opening_ = nullptr;
  OnMenuClose = nullptr;
  popupControl_ = nullptr;
  commandControl_ = nullptr;
  if (Visible()) CloseAll();
}

void TvxSkinMenu::Run(const frame::MenuEvents& events) {
  for (const frame::MenuEvent& e : events) {
    switch (e.kind) {
      case K::OpenWindow: {
        if (e.level != WindowCount()) break;
        auto w = std::make_unique<TvxSkinPopupWindow>(*this, e.level);
        TvxSkinPopupWindow* win = w.get();
        windows_.push_back(std::move(w));
        frame::Rect anchor = anchor_;
        if (e.level > 0) {
          const RECT r = windows_[e.level - 1]->ItemScreenRect(e.index);
          anchor = {r.left, r.top, r.right, r.bottom};
        }
        win->Open(anchor, e.level > 0, e.level == 0 && popupUp_);
        break;
      }
      case K::CloseWindow:
        if (e.level >= 0 && e.level < WindowCount()) windows_.resize(e.level);
        break;
      case K::RedrawItem:
        if (TvxSkinPopupWindow* w = Window(e.level)) w->Repaint();
        break;
      case K::Scrolled:
        if (TvxSkinPopupWindow* w = Window(e.level)) {
          w->Relayout();
          w->Repaint();
        }
        break;
      case K::StartSubmenuTimer:
        submenuTimer_->SetEnabled(false);
        submenuTimer_->SetEnabled(true);
        break;
      case K::StopSubmenuTimer:
        submenuTimer_->SetEnabled(false);
        break;
      case K::StartScrollTimer:
        if (TvxSkinPopupWindow* w = Window(e.level)) w->StartScrollTimer();
        break;
      case K::StopScrollTimer:
        if (TvxSkinPopupWindow* w = Window(e.level)) w->StopScrollTimer();
        break;
      case K::Execute:
        // Items with sub-items ran as their sub-menu opened.
        if (e.level < 0 && e.item && execute_) {
          // The model dies with the next popup, which the command may start.
          const frame::MenuItem chosen = *e.item;
          Runner run = execute_;
          run(chosen);
        }
        break;
      case K::MenuClosed:
        if (e.level == 0) {
          EndMenu();
        } else {
          if (Form && Form->HandleAllocated()) SendMessageW(Form->Handle(), WM_SKIN_MENU_CLOSED, 0, 0);
          if (popupControl_ && popupControl_->HandleAllocated())
            SendMessageW(popupControl_->Handle(), WM_SKIN_MENU_CLOSED, 0, 0);
        }
        break;
      case K::CommandDone:
        if (commandControl_ && commandControl_->HandleAllocated())
          SendMessageW(commandControl_->Handle(), WM_SKIN_MENU_COMMAND, 0, 0);
        commandControl_ = nullptr;
        break;
    }
  }
}

void TvxSkinMenu::EndMenu() {
  submenuTimer_->SetEnabled(false);
  commandControl_ = popupControl_;
  tk::TWinControl* control = popupControl_;
  popupControl_ = nullptr;
  if (control && control->HandleAllocated()) SendMessageW(control->Handle(), WM_SKIN_MENU_CLOSED, 0, 0);
  if (OnMenuClose) {
    auto handler = std::move(OnMenuClose);
    OnMenuClose = nullptr;
    handler();
  }
}

void TvxSkinMenu::CloseFrom(int level) { Run(nav_.CloseFrom(level)); }

void TvxSkinMenu::CloseAll() {
  submenuTimer_->SetEnabled(false);
  Run(nav_.CloseAll());
}

bool TvxSkinMenu::KeyDown(WPARAM key) {
  if (!Visible()) return false;
  const frame::MenuKey k = KeyOf(key);
  frame::MenuEvents ev = nav_.Key(k, k == frame::MenuKey::Other ? AccelChar(key) : 0);
  const bool closed = nav_.ClosedByLastKey();
  Run(ev);
  return closed;
}

// ---- TvxSkinPopupMenu ----

TvxSkinPopupMenu::TvxSkinPopupMenu(tk::TComponent* owner) : tk::TPopupMenu(owner) {}

void TvxSkinPopupMenu::SetSkinData(TvxSkinDataComponent* data) {
  if (skinData_) RemoveFreeNotification(skinData_);
  skinData_ = data;
  if (skinData_) FreeNotification(skinData_);
}

void TvxSkinPopupMenu::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TPopupMenu::Notification(component, operation);
  if (operation == tk::opRemove && component == skinData_) skinData_ = nullptr;
}

TvxChassis* TvxSkinPopupMenu::FindFrame() const {
  if (Chassis) return Chassis;
  auto chassisOf = [](tk::TComponent* c) -> TvxChassis* {
    auto* form = dynamic_cast<tk::TCustomForm*>(c);
    return form ? FindChassis(form) : nullptr;
  };
  if (PopupForm)
    if (TvxChassis* c = FindChassis(PopupForm)) return c;
  tk::TComponent* owner = Owner();
  if (TvxChassis* c = chassisOf(owner)) return c;
  if (owner)
    if (TvxChassis* c = chassisOf(owner->Owner())) return c;
  return nullptr;
}

bool TvxSkinPopupMenu::Show(tk::TWinControl* control, const frame::Rect& anchor, bool upward, bool needSkinData) {
  DoPopup(this);
  TvxChassis* frame = FindFrame();
  if (!skinData_ && frame) SetSkinData(frame->SkinData());
  if (!frame || (needSkinData && !skinData_)) return false;
  TvxSkinMenu& menu = frame->SkinMenu();
  if (frame->MenuOpen()) frame->MenusClosed();
  frame->MenuOpenNotification();
  menu.Popup(control, skinData_, upward, Items(), anchor, 0);
  if (OnMenuClose) {
    tk::TNotifyEvent handler = OnMenuClose;
    menu.OnMenuClose = [this, handler] { handler(this); };
  }
  return true;
}

void TvxSkinPopupMenu::Popup(int x, int y) {
  last_ = {x, y};
  Show(nullptr, {x, y, x, y}, false, false);
}

void TvxSkinPopupMenu::Popup(tk::TWinControl* control, const RECT& rect, bool upward) {
  last_ = {rect.left, rect.top};
  Show(control, {rect.left, rect.top, rect.right, rect.bottom}, upward, false);
}

void TvxSkinPopupMenu::PopupForEdit(tk::TWinControl* edit, int x, int y) {
  last_ = {x, y};
  Show(edit, {x, y, x, y}, false, true);
}

void UseSkinnedEditMenus() {
  TvxEditContextMenus menus;
  menus.make = [](TvxCustomEdit* edit) -> tk::TPopupMenu* {
    tk::TCustomForm* form = edit->ParentForm();
    if (form && FindChassis(form)) return new TvxSkinPopupMenu(edit);
    return nullptr;
  };
  menus.open = [](tk::TPopupMenu* menu, TvxCustomEdit* edit, int x, int y) {
    if (auto* skinned = dynamic_cast<TvxSkinPopupMenu*>(menu)) {
      skinned->PopupForm = edit->ParentForm();
      skinned->PopupForEdit(edit, x, y);
    } else {
      menu->Popup(x, y);
    }
  };
  SetEditContextMenus(std::move(menus));
}

}  // namespace vx
