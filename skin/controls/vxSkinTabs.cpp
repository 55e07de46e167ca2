// The skinned page control: settings, tab geometry, closing pages and the
// close-button tracking. The painting is in vxSkinTabsPaint.cpp.
#include "vxSkinTabs.h"

#include <windowsx.h>

#include <algorithm>

#include "vxSkinMessages.h"

namespace vx {

// Answered by a sheet instead of drawing when a frame asks its children to
// print themselves.
constexpr unsigned kFramePrintRequest = 45513;
constexpr intptr_t kFramePrintAnswer = 12851;
// Posted to itself: look at the scroll arrows again, outside their own events.
constexpr unsigned kRecheckArrows = WM_APP + 0x2A1;

namespace {
tk::TRect TkRect(const TvxRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
}  // namespace

// ---- sheets ----

TvxSkinCustomTabSheet::TvxSkinCustomTabSheet(tk::TComponent* owner)
    : tk::TTabSheet(owner), wallPaper_(std::make_unique<tk::TBitmap>()) {
  SetAlign(tk::alClient);
  // Every tab refers to the page control's slot list, so the platform keeps
  // room in the tab for the close button.
  SetImageIndex(0);
}

// The sheet leaves its page control in the toolkit's teardown, before the
// wallpaper goes here.
TvxSkinCustomTabSheet::~TvxSkinCustomTabSheet() = default;

void TvxSkinCustomTabSheet::CreateParams(tk::TCreateParams& p) {
  tk::TTabSheet::CreateParams(p);
  p.WinClassName = L"TvxSkinTabSheet";
  p.ClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TvxSkinCustomTabSheet::WndProc(tk::TMessage& m) {
  if (m.Msg == kFramePrintRequest) {
    m.Result = kFramePrintAnswer;
    return;
  }
  if (m.Msg == WM_ERASEBKGND && Width() >= 1 && Height() >= 1 && Parent()) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (!wallPaper_->Empty()) {
      HDC src = wallPaper_->Canvas().Handle();
      const int w = wallPaper_->Width(), h = wallPaper_->Height();
      for (int y = 0; y < Height(); y += h)
        for (int x = 0; x < Width(); x += w) BitBlt(dc, x, y, w, h, src, 0, 0, SRCCOPY);
      m.Result = 1;
      return;
    }
    auto* pc = dynamic_cast<TvxSkinPageControl*>(PageControl());
    if (pc && pc->PaintSheetBackground(dc, Width(), Height())) {
      m.Result = 1;
      return;
    }
  }
  tk::TTabSheet::WndProc(m);
}

// ---- page control: settings ----

TvxSkinPageControl::TvxSkinPageControl(tk::TComponent* owner) : tk::TPageControl(owner), skinData_(*this) {
  SetDefaultSkinFont(defaultFont_, tk::clBtnText);
  SetDefaultSkinFont(Font(), tk::clBtnText);
  slotImages_ = std::make_unique<tk::TImageList>(nullptr);
  slotImages_->SetSize(1, 1);
  tk::TPageControl::SetImages(slotImages_.get());
  ApplyTabHeight();
}

TvxSkinPageControl::~TvxSkinPageControl() = default;

void TvxSkinPageControl::SetSkinData(TvxSkinDataComponent* data) {
  skinData_.Set(data);
  if (data && !data->Empty()) ApplySkin();
  Invalidate();
}

const TvxDataSkinTabControl* TvxSkinPageControl::TabRecord() const {
  TvxSkinDataComponent* data = SkinData();
  if (!data || data->Empty()) return nullptr;
  const int index = data->GetControlIndex(skinDataName_);
  return index < 0 ? nullptr : dynamic_cast<const TvxDataSkinTabControl*>(data->ControlRecord(index));
}

int TvxSkinPageControl::CloseButtonSize() const {
  const TvxDataSkinTabControl* rec = TabRecord();
  return rec ? tabs::CloseButtonSizeOf(TkRect(rec->closebuttonrect)) : tabs::kDefaultCloseButtonSize;
}

void TvxSkinPageControl::ApplySkin() {
  Font().Assign(defaultFont_);
  if (const TvxDataSkinTabControl* rec = TabRecord()) {
    if (UseSkinFont) {
      Font().SetName(tk::Utf8ToWide(rec->fontname));
      Font().SetHeight(rec->fontheight);
      Font().SetStyle(rec->fontstyle);
    }
    Font().SetColor(static_cast<tk::TColor>(rec->fontcolor));
  }
  UpdateImageSlot();
  ApplyTabHeight();
  // The record's margins move the page area.
  Realign();
  if (arrows_) {
    TvxSkinUpDown* old = arrows_;
    arrows_ = nullptr;
    old->Free();
  }
  UpdateScrollArrows();
  Invalidate();
}

void TvxSkinPageControl::SetSkinDataName(const std::string& name) {
  skinDataName_ = name;
  Invalidate();
}

void TvxSkinPageControl::Notification(tk::TComponent* component, tk::TOperation operation) {
  tk::TPageControl::Notification(component, operation);
  skinData_.Notification(component, operation);
  if (operation == tk::opRemove && component == userImages_) {
    userImages_ = nullptr;
    UpdateImageSlot();
  }
  // A sheet freed by anyone while its tab is hot: the hot index would name
  // another tab from now on.
  if (operation == tk::opRemove && dynamic_cast<tk::TTabSheet*>(component)) ResetHover();
}

tabs::TabSide TvxSkinPageControl::Side() const {
  switch (TabPosition()) {
    case tk::tpBottom: return tabs::TabSide::Bottom;
    case tk::tpLeft: return tabs::TabSide::Left;
    case tk::tpRight: return tabs::TabSide::Right;
    default: return tabs::TabSide::Top;
  }
}

void TvxSkinPageControl::UpdateImageSlot() {
  int room = 1 + (userImages_ ? userImages_->Width() : 0) + (showCloseButtons_ ? CloseButtonSize() : 0);
  bool across = Side() == tabs::TabSide::Left || Side() == tabs::TabSide::Right;
  slotImages_->SetSize(across ? 1 : room, across ? room : 1);
  Invalidate();
}

void TvxSkinPageControl::ApplyTabHeight() {
  int height = TabHeight();
  if (height <= 0) {
    const TvxDataSkinTabControl* rec = TabRecord();
    height = rec && !PixRect(rec->tabrect).IsEmpty() ? PixRect(rec->tabrect).Height() : defaultItemHeight_;
  }
  SetItemSize(TabWidth(), height);
}

void TvxSkinPageControl::SetShowCloseButtons(bool show) {
  if (show == showCloseButtons_) return;
  showCloseButtons_ = show;
  UpdateImageSlot();
}

void TvxSkinPageControl::SetDefaultItemHeight(int height) {
  defaultItemHeight_ = height;
  ApplyTabHeight();
}

void TvxSkinPageControl::SetImages(tk::TCustomImageList* images) {
  if (images == userImages_) return;
  if (userImages_) RemoveFreeNotification(userImages_);
  userImages_ = images;
  if (userImages_) FreeNotification(userImages_);
  UpdateImageSlot();
}

void TvxSkinPageControl::SetTabsOffset(int offset) {
  tabsOffset_ = offset;
  if (offset > 0) {
    SetTabPosition(tk::tpTop);
    SetMultiLine(false);
    tabsBGTransparent_ = true;
  }
  Invalidate();
}

void TvxSkinPageControl::SetTabsInCenter(bool center) {
  // Centring needs tabs of one fixed width.
  if (TabWidth() == 0) center = false;
  tabsInCenter_ = center;
  if (center) {
    SetTabPosition(tk::tpTop);
    SetMultiLine(false);
    tabsBGTransparent_ = true;
  }
  Invalidate();
}

void TvxSkinPageControl::SetTabsBGTransparent(bool transparent) {
  if (transparent == tabsBGTransparent_) return;
  tabsBGTransparent_ = transparent;
  Invalidate();
}

void TvxSkinPageControl::SetTextInHorizontal(bool v) {
  textInHorizontal_ = v;
  Invalidate();
}

void TvxSkinPageControl::SetTabExtededDraw(bool v) {
  tabExtededDraw_ = v;
  Invalidate();
}

void TvxSkinPageControl::SetTabMargin(int margin) {
  if (margin == tabMargin_ || margin < -1) return;
  tabMargin_ = margin;
  Invalidate();
}

void TvxSkinPageControl::SetTabSpacing(int spacing) {
  if (spacing == tabSpacing_) return;
  tabSpacing_ = spacing;
  Invalidate();
}

void TvxSkinPageControl::CreateHandleDone() {
  tk::TPageControl::CreateHandleDone();
  ApplyTabHeight();
  UpdateScrollArrows();
}

// ---- geometry ----

void TvxSkinPageControl::AdjustClientRect(tk::TRect& rect) const {
  tk::TRect computed = rect;
  tk::TPageControl::AdjustClientRect(computed);
  std::optional<tabs::PageMargins> margins;
  if (const TvxDataSkinTabControl* rec = TabRecord())
    margins = tabs::MarginsOf(PixRect(rec->skinrect).Width(), PixRect(rec->skinrect).Height(), TkRect(rec->clientrect));
  rect = tabs::PageArea(computed, ClientWidth(), ClientHeight(), Side(), margins);
  rect.Right = std::max(rect.Left, rect.Right);
  rect.Bottom = std::max(rect.Top, rect.Bottom);
}

int TvxSkinPageControl::TabsShift() const {
  if (tabsOffset_ > 0) return tabsOffset_;
  if (!tabsInCenter_ || TabWidth() == 0) return 0;
  return std::max(0, Width() / 2 - (TabCount() * TabWidth()) / 2);
}

tk::TRect TvxSkinPageControl::TabItemRect(int tabIndex) const {
  tk::TRect r = TabRect(tabIndex);
  if (r.IsEmpty()) return r;
  r = tabs::TabItemRect(r, Side(), MultiLine(), Style() != tk::tsTabs, tabIndex == 0);
  if (Side() == tabs::TabSide::Top) r = r.Offset(TabsShift(), 0);
  return r;
}

int TvxSkinPageControl::TabAtPoint(int x, int y) const {
  for (int i = 0; i < TabCount(); ++i)
    if (TabItemRect(i).Contains(x, y)) return i;
  return -1;
}

TvxSkinCustomTabSheet* TvxSkinPageControl::SkinPage(int tabIndex) const {
  return dynamic_cast<TvxSkinCustomTabSheet*>(PageForTab(tabIndex));
}

tk::TRect TvxSkinPageControl::CloseButtonRect(int tabIndex) const {
  TvxSkinCustomTabSheet* sheet = SkinPage(tabIndex);
  if (!sheet || sheet->CloseButtonRect.IsEmpty()) return {};
  tk::TRect item = TabItemRect(tabIndex);
  return sheet->CloseButtonRect.Offset(item.Left, item.Top);
}

// ---- closing ----

void TvxSkinPageControl::CloseActivePage() {
  tk::TTabSheet* page = ActivePage();
  if (!page) return;
  bool canClose = true;
  if (OnClose) OnClose(page, canClose);
  if (!canClose) {
    POINT pt;
    GetCursorPos(&pt);
    bool over = HandleAllocated() && WindowFromPoint(pt) == Handle();
    if (auto* sheet = dynamic_cast<TvxSkinCustomTabSheet*>(page); sheet && !over) {
      sheet->CloseButtonHot = sheet->CloseButtonPressed = false;
      Invalidate();
    }
    return;
  }
  // Before the tab goes: from then on the hot index names another tab, and
  // the page may be freed.
  ResetHover();
  page->SetTabVisible(false);
  if (FreeOnClose) page->Free();
  Invalidate();
  if (OnAfterClose) OnAfterClose(this);
}

// ---- pointer ----

void TvxSkinPageControl::UpdateHover(int x, int y) {
  int tab = TabAtPoint(x, y);
  if (tab != hotTab_) {
    if (hotTab_ >= 0 && hotTab_ != TabIndex())
      if (TvxSkinCustomTabSheet* old = SkinPage(hotTab_)) old->CloseButtonHot = old->CloseButtonPressed = false;
    previousHotTab_ = hotTab_;
    hotTab_ = tab;
    Invalidate();
  }
  TvxSkinCustomTabSheet* sheet = SkinPage(hotTab_);
  if (!sheet) return;
  bool in = tabs::InCloseButton(sheet->CloseButtonRect, TabItemRect(hotTab_), 0, x, y);
  if (in && !sheet->CloseButtonHot) {
    sheet->CloseButtonHot = true;
    Invalidate();
  } else if (!in && (sheet->CloseButtonHot || sheet->CloseButtonPressed)) {
    sheet->CloseButtonHot = sheet->CloseButtonPressed = false;
    Invalidate();
  }
}

void TvxSkinPageControl::ResetHover() {
  hotTab_ = -1;
  previousHotTab_ = -1;
}

void TvxSkinPageControl::ClearHover() {
  if (hotTab_ < 0) return;
  if (TvxSkinCustomTabSheet* old = SkinPage(hotTab_))
    if (hotTab_ != TabIndex()) old->CloseButtonHot = old->CloseButtonPressed = false;
  previousHotTab_ = hotTab_;
  hotTab_ = -1;
  Invalidate();
}

void TvxSkinPageControl::MouseWheel(int delta) {
  tk::TTabSheet* active = ActivePage();
  if (!active) return;
  // Next or previous page with a tab, without wrapping round.
  const int n = PageCount();
  int i = active->PageIndex();
  for (i += delta < 0 ? 1 : -1; i >= 0 && i < n; i += delta < 0 ? 1 : -1) {
    if (!Pages(i)->TabVisible()) continue;
    if (CanChange()) {
      SetActivePage(Pages(i));
      Change();
    }
    return;
  }
}

void TvxSkinPageControl::Change() {
  tk::TPageControl::Change();
  UpdateScrollArrows();
  Invalidate();
}

// Tabs beyond the right end may have no rectangle either, so the count
// comes from the first tab the row shows.
int TvxSkinPageControl::TabsScrolledOff() const { return FirstVisibleTab(); }

void TvxSkinPageControl::UpdateScrollArrows() {
  if (!HandleAllocated() || Designing() || (ComponentState() & tk::csDestroying)) return;
  // The platform's arrows stay (the tab control keeps using its handle to
  // them), hidden and moved out of the row, every time it lays the row out.
  if (HWND platform = FindWindowExW(Handle(), nullptr, UPDOWN_CLASSW, nullptr)) {
    if (IsWindowVisible(platform)) ShowWindow(platform, SW_HIDE);
    SetWindowPos(platform, nullptr, -1000, -1000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  int n = 0;
  if (!MultiLine()) {
    const int w = ClientWidth();
    for (int i = 0; i < TabCount(); ++i) {
      const tk::TRect r = TabItemRect(i);
      if (r.Right > w - 3 || r.Right <= 0) ++n;
    }
  }
  if (n == 0) {
    if (!arrows_) return;
    // Not from inside the arrows' own event: they are freed when it is over.
    if (inArrowsChange_) {
      PostMessageW(Handle(), kRecheckArrows, 0, 0);
      return;
    }
    TvxSkinUpDown* old = arrows_;
    arrows_ = nullptr;
    old->Free();
    return;
  }
  syncingArrows_ = true;
  if (!arrows_) {
    arrows_ = new TvxSkinUpDown(this);
    arrows_->SetParent(this);
    const TvxDataSkinTabControl* rec = TabRecord();
    arrows_->SetSkinDataName(rec && !rec->updown.empty() ? rec->updown : "hupdown");
    arrows_->SetBounds(0, 0, 2 * defaultItemHeight_, defaultItemHeight_);
    arrows_->SetSkinData(SkinData());
    arrows_->SetMin(0);
    arrows_->SetIncrement(1);
    arrows_->OnChange = [this](tk::TObject*) { ArrowsChanged(); };
  }
  arrows_->SetMax(n);
  arrows_->SetPosition(std::min(TabsScrolledOff(), n));
  const int top = Side() == tabs::TabSide::Top ? 0 : ClientHeight() - arrows_->Height();
  arrows_->SetBounds(ClientWidth() - arrows_->Width(), top, arrows_->Width(), arrows_->Height());
  arrows_->BringToFront();
  syncingArrows_ = false;
}

void TvxSkinPageControl::ArrowsChanged() {
  if (syncingArrows_ || !arrows_) return;
  inArrowsChange_ = true;
  const int position = arrows_->Position();
  ScrollTabs(position);
  inArrowsChange_ = false;
  UpdateScrollArrows();
  Invalidate();
}

void TvxSkinPageControl::WndProc(tk::TMessage& m) {
  switch (m.Msg) {
    case kRecheckArrows:
      UpdateScrollArrows();
      return;
    case VXM_PARENTBACKGROUND:
      // A see-through tab row shows what changed behind it.
      if (tabsBGTransparent_) Invalidate();
      return;
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_SETFONT:
    case TCM_INSERTITEMW:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
    case TCM_SETITEMW:
    case TCM_SETITEMSIZE:
    case TCM_SETIMAGELIST:
    case TCM_SETCURSEL:
      // Each of these lays the platform's row out again.
      tk::TPageControl::WndProc(m);
      UpdateScrollArrows();
      if (m.Msg == TCM_SETCURSEL || m.Msg == WM_HSCROLL) Invalidate();
      return;
    case WM_ERASEBKGND:
      // PaintWindow covers every pixel.
      m.Result = 1;
      return;
    case WM_SKIN_CHANGED:
      // Only the skin it is bound to; the announcement is not for the platform.
      if (SkinMessageFrom(m.WParam, SkinData())) ApplySkin();
      return;
    case WM_MOUSELEAVE:
      if (showCloseButtons_) ClearHover();
      break;
    case WM_MOUSEWHEEL:
      if (MouseWheelSupport && Focused()) {
        MouseWheel(GET_WHEEL_DELTA_WPARAM(m.WParam));
        m.Result = 0;
        return;
      }
      break;
    default:
      break;
  }
  const bool mouse = m.Msg == WM_MOUSEMOVE || m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP ||
                     m.Msg == WM_LBUTTONDBLCLK;
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  if (mouse && TabsShift() > 0 && m.Msg != WM_MOUSEMOVE) {
    // The platform lays the row out from 0; the drawn row stands further right.
    m.LParam = MAKELPARAM(x - TabsShift(), y);
  }
  tk::TPageControl::WndProc(m);
  if (!mouse || !showCloseButtons_ || (ComponentState() & tk::csDestroying)) return;

  if (m.Msg == WM_MOUSEMOVE) {
    UpdateHover(x, y);
  } else if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
    UpdateHover(x, y);
    if (TvxSkinCustomTabSheet* sheet = SkinPage(hotTab_)) {
      bool in = tabs::InCloseButton(sheet->CloseButtonRect, TabItemRect(hotTab_), 0, x, y);
      sheet->CloseButtonHot = sheet->CloseButtonPressed = in;
      Invalidate();
    }
  } else if (m.Msg == WM_LBUTTONUP) {
    UpdateHover(x, y);
    TvxSkinCustomTabSheet* sheet = SkinPage(hotTab_);
    if (!sheet) return;
    bool in = tabs::InCloseButton(sheet->CloseButtonRect, TabItemRect(hotTab_), 0, x, y);
    // Only a press that began on this close button closes: the press selected
    // this tab, so the active page is the one whose button was clicked.
    bool pressedHere = sheet->CloseButtonPressed;
    sheet->CloseButtonHot = in;
    sheet->CloseButtonPressed = false;
    Invalidate();
    if (in && pressedHere && sheet == ActivePage()) CloseActivePage();
  }
}

}  // namespace vx
