// TCustomTabControl: the tab row kept as data and mirrored into the
// platform's tab control.
#include <algorithm>

#include "tkTabs.h"

namespace tk {

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  ControlStyle |= csAcceptsControls;
  ControlStyle &= ~csSetCaption;
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
  SetColor(clBtnFace);
}

TCustomTabControl::~TCustomTabControl() = default;

void TCustomTabControl::BeforeDestruction() {
  if (!tabTornDown_) {
    tabTornDown_ = true;
    if (images_) images_->UnRegisterChanges(this);
  }
  TWinControl::BeforeDestruction();
}

HWND TCustomTabControl::Window() const {
  return HandleAllocated() ? const_cast<TCustomTabControl*>(this)->Handle() : nullptr;
}

// ---- the window ----

void TCustomTabControl::CreateParams(TCreateParams& p) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(p);
  p.WinClassName = L"TkTabControl";
  p.SystemClassName = WC_TABCONTROLW;
  static constexpr DWORD kStyle[] = {TCS_TABS, TCS_BUTTONS, TCS_BUTTONS | TCS_FLATBUTTONS};
  p.Style |= kStyle[static_cast<int>(style_)];
  if (multiLine_) p.Style |= TCS_MULTILINE;
  switch (tabPosition_) {
    case tpTop:
      break;
    case tpBottom:
      p.Style |= TCS_BOTTOM;
      break;
    case tpLeft:
      p.Style |= TCS_VERTICAL | TCS_MULTILINE;
      break;
    case tpRight:
      p.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
      break;
  }
  if (tabWidth_ > 0) p.Style |= TCS_FIXEDWIDTH;
  if (hotTrack_) p.Style |= TCS_HOTTRACK;
}

void TCustomTabControl::CreateHandleDone() {
  HWND h = Window();
  SendMessageW(h, TCM_SETIMAGELIST, 0,
               reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  SendTabSize();
  for (int i = 0; i < TabCount(); ++i) SendTab(i, true);
  SendMessageW(h, TCM_SETCURSEL, tabIndex_, 0);
  ArrowsNeedPaint();
}

void TCustomTabControl::SendTab(int index, bool insert) {
  HWND h = Window();
  if (!h) return;
  Tab& t = tabs_[index];
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = t.caption.data();
  item.iImage = t.imageIndex;
  SendMessageW(h, insert ? TCM_INSERTITEMW : TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void TCustomTabControl::SendTabSize() {
  HWND h = Window();
  if (!h) return;
  if (itemWidth_ >= 0) {
    SendMessageW(h, TCM_SETITEMSIZE, 0, MAKELPARAM(itemWidth_, itemHeight_));
    return;
  }
  // A size of 0 would make the platform's tabs vanish; without settings of
  // ours it keeps sizing them itself.
  if (tabWidth_ > 0 || tabHeight_ > 0)
    SendMessageW(h, TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth_, tabHeight_));
}

void TCustomTabControl::SetItemSize(int width, int height) {
  if (width < 0 || height < 0) {
    width = height = -1;
  }
  itemWidth_ = width;
  itemHeight_ = height;
  if (width < 0 && tabWidth_ == 0 && tabHeight_ == 0)
    RecreateWnd();
  else
    SendTabSize();
  TabsChanged();
}

// ---- the row ----

int TCustomTabControl::TabIndex() const {
  if (HWND h = Window()) return static_cast<int>(SendMessageW(h, TCM_GETCURSEL, 0, 0));
  return tabIndex_;
}

void TCustomTabControl::SetTabIndex(int index) {
  if (index < 0 || index >= TabCount()) index = -1;
  tabIndex_ = index;
  if (HWND h = Window()) SendMessageW(h, TCM_SETCURSEL, index, 0);
}

void TCustomTabControl::InsertTab(int index, const std::wstring& caption, int imageIndex) {
  index = std::clamp(index, 0, TabCount());
  int selected = TabIndex();
  tabs_.insert(tabs_.begin() + index, Tab{caption, imageIndex});
  SendTab(index, true);
  // The selection stays on the tab it was on, whatever the platform did.
  SetTabIndex(selected >= index ? selected + 1 : selected);
  TabsChanged();
}

void TCustomTabControl::DeleteTab(int index) {
  if (index < 0 || index >= TabCount()) return;
  int selected = TabIndex();
  tabs_.erase(tabs_.begin() + index);
  if (HWND h = Window()) SendMessageW(h, TCM_DELETEITEM, index, 0);
  SetTabIndex(selected == index ? -1 : selected > index ? selected - 1 : selected);
  TabsChanged();
}

void TCustomTabControl::SetTabCaption(int index, const std::wstring& caption) {
  if (index < 0 || index >= TabCount() || tabs_[index].caption == caption) return;
  tabs_[index].caption = caption;
  SendTab(index, false);
  TabsChanged();
}

void TCustomTabControl::SetTabImage(int index, int imageIndex) {
  if (index < 0 || index >= TabCount() || tabs_[index].imageIndex == imageIndex) return;
  tabs_[index].imageIndex = imageIndex;
  SendTab(index, false);
  Invalidate();
}

void TCustomTabControl::TabsChanged() {
  Realign();
  ArrowsNeedPaint();
}

void TCustomTabControl::ArrowsNeedPaint() {
  // The platform creates (or moves) its arrows while laying out the row, and
  // under Wine a child that appears inside a parent already waiting to be
  // painted gets no invalid area of its own. The parent clips its children,
  // so nobody would ever draw there: the row would end in a blank patch that
  // still takes the arrows' clicks.
  if (HWND arrows = UpDownWindow()) InvalidateRect(arrows, nullptr, TRUE);
}

// ---- settings ----

void TCustomTabControl::SetTabHeight(int height) {
  height = std::max(0, height);
  if (height == tabHeight_) return;
  tabHeight_ = height;
  if (height == 0 && tabWidth_ == 0)
    RecreateWnd();  // back to the platform's own sizing
  else
    SendTabSize();
  TabsChanged();
}

void TCustomTabControl::SetTabWidth(int width) {
  width = std::max(0, width);
  if (width == tabWidth_) return;
  bool fixedChanged = (width > 0) != (tabWidth_ > 0);
  tabWidth_ = width;
  if (fixedChanged)
    RecreateWnd();  // fixed width is a window style
  else
    SendTabSize();
  TabsChanged();
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
  if (position == tabPosition_) return;
  tabPosition_ = position;
  RecreateWnd();
  TabsChanged();
}

void TCustomTabControl::SetMultiLine(bool multiLine) {
  if (multiLine == multiLine_) return;
  multiLine_ = multiLine;
  RecreateWnd();
  TabsChanged();
}

void TCustomTabControl::SetStyle(TTabStyle style) {
  if (style == style_) return;
  style_ = style;
  RecreateWnd();
  TabsChanged();
}

void TCustomTabControl::SetHotTrack(bool v) {
  if (v == hotTrack_) return;
  hotTrack_ = v;
  RecreateWnd();
}

void TCustomTabControl::SetImages(TCustomImageList* images) {
  if (images == images_) return;
  if (images_) {
    images_->UnRegisterChanges(this);
    RemoveFreeNotification(images_);
  }
  images_ = images;
  if (images_) {
    images_->RegisterChanges(this, [this](TObject*) { ImagesChanged(); });
    FreeNotification(images_);
  }
  ImagesChanged();
}

void TCustomTabControl::ImagesChanged() {
  // Sent again after every change: the platform measures the image slot of
  // its tabs only when it is given the list.
  if (HWND h = Window())
    SendMessageW(h, TCM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  TabsChanged();
  Invalidate();
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    ImagesChanged();
  }
}

// ---- geometry ----

int TCustomTabControl::IndexOfTabAt(int x, int y) const {
  HWND h = Window();
  if (!h) return -1;
  TCHITTESTINFO hit{{x, y}, 0};
  return static_cast<int>(SendMessageW(h, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

TRect TCustomTabControl::TabRect(int index) const {
  HWND h = Window();
  RECT r{};
  if (!h || index < 0 || index >= TabCount() ||
      !SendMessageW(h, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)))
    return {};
  return {r.left, r.top, r.right, r.bottom};
}

TRect TCustomTabControl::DisplayRect() const {
  TRect r = ClientRect();
  AdjustClientRect(r);
  return r;
}

void TCustomTabControl::AdjustClientRect(TRect& rect) const {
  HWND h = Window();
  if (!h) return;
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  SendMessageW(h, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  rect = {r.left, r.top, std::max(r.left, static_cast<LONG>(r.right)),
          std::max(r.top, static_cast<LONG>(r.bottom))};
}

int TCustomTabControl::RowCount() const {
  HWND h = Window();
  return h ? static_cast<int>(SendMessageW(h, TCM_GETROWCOUNT, 0, 0)) : 0;
}

int TCustomTabControl::FirstVisibleTab() const {
  if (multiLine_ || tabPosition_ == tpLeft || tabPosition_ == tpRight) return 0;
  // Tabs scrolled off to the left lie left of 0, or (with some versions of
  // the control) have no rectangle at all; so may tabs beyond the right end.
  for (int i = 0; i < TabCount(); ++i) {
    TRect r = TabRect(i);
    if (!r.IsEmpty() && r.Right > 0) return i;
  }
  return 0;
}

void TCustomTabControl::ScrollTabs(int first) {
  HWND h = Window();
  if (!h) return;
  first = std::clamp(first, 0, std::max(0, TabCount() - 1));
  // Some versions of the control move one tab per message whatever position
  // it names; repeat until the row stands where it was asked to, or stops.
  for (int guard = 0; guard <= TabCount(); ++guard) {
    int now = FirstVisibleTab();
    if (now == first) break;
    SendMessageW(h, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, first), 0);
    if (FirstVisibleTab() == now) break;
  }
  Invalidate();
}

HWND TCustomTabControl::UpDownWindow() const {
  HWND h = Window();
  if (!h) return nullptr;
  HWND arrows = FindWindowExW(h, nullptr, UPDOWN_CLASSW, nullptr);
  return arrows && IsWindowVisible(arrows) ? arrows : nullptr;
}

// ---- messages ----

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
      if (hdr->code == static_cast<UINT>(TCN_SELCHANGING)) {
        m.Result = CanChange() ? FALSE : TRUE;
        return;
      }
      if (hdr->code == static_cast<UINT>(TCN_SELCHANGE)) {
        tabIndex_ = TabIndex();
        Change();
        return;
      }
      break;
    }
    case WM_PAINT:
      // Always through PaintWindow, so a subclass can draw the control.
      PaintHandler(m);
      return;
    case WM_SIZE:
      // A new width may bring the arrows in or move them.
      TWinControl::WndProc(m);
      ArrowsNeedPaint();
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace tk
