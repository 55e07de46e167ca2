// TPageControl and TTabSheet: pages with a tab each (when TabVisible), one
// shown at a time in the page area.
#include <algorithm>

#include "tkTabs.h"

namespace tk {

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  ControlStyle |= csAcceptsControls;
  SetColor(clBtnFace);
  // Hidden until its page control shows it.
  SetVisible(false);
}

TTabSheet::~TTabSheet() = default;

void TTabSheet::BeforeDestruction() {
  if (!sheetTornDown_) {
    sheetTornDown_ = true;
    // The tab goes before the window and the children do.
    SetPageControl(nullptr);
  }
  TWinControl::BeforeDestruction();
}

void TTabSheet::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"TkTabSheet";
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

void TTabSheet::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (pageControl_) pageControl_->RemovePage(this);
  TWinControl::SetParent(parent);
  if (auto* pc = dynamic_cast<TPageControl*>(parent)) pc->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (pageControl_) pageControl_->MovePage(this, index);
}

int TTabSheet::TabIndex() const { return pageControl_ ? pageControl_->TabOfPage(this) : -1; }

void TTabSheet::SetTabVisible(bool visible) {
  if (visible == tabVisible_) return;
  int former = TabIndex();
  tabVisible_ = visible;
  if (pageControl_) pageControl_->UpdateTab(this, former);
}

void TTabSheet::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  if (pageControl_ && tabVisible_) pageControl_->SetTabImage(TabIndex(), index);
}

void TTabSheet::TextChanged() {
  TWinControl::TextChanged();
  if (pageControl_ && tabVisible_) pageControl_->SetTabCaption(TabIndex(), Caption());
}

void TTabSheet::VisibleChanged() {
  TWinControl::VisibleChanged();
  if (Visible()) {
    if (OnShow) OnShow(this);
  } else if (OnHide) {
    OnHide(this);
  }
}

// ---- TPageControl ----

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() = default;

void TPageControl::BeforeDestruction() {
  if (!pagesTornDown_) {
    pagesTornDown_ = true;
    activePage_ = nullptr;
    // The pages go with the control, whoever owns them.
    while (!pages_.empty()) pages_.back()->Free();
  }
  TCustomTabControl::BeforeDestruction();
}

int TPageControl::TabOfPage(const TTabSheet* page) const {
  if (!page || !page->tabVisible_ || page->pageControl_ != this) return -1;
  int tab = 0;
  for (TTabSheet* p : pages_) {
    if (p == page) return tab;
    if (p->tabVisible_) ++tab;
  }
  return -1;
}

TTabSheet* TPageControl::PageForTab(int tabIndex) const {
  if (tabIndex < 0) return nullptr;
  for (TTabSheet* p : pages_)
    if (p->tabVisible_ && tabIndex-- == 0) return p;
  return nullptr;
}

void TPageControl::SyncSelection() { SetTabIndex(TabOfPage(activePage_)); }

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->pageControl_ = this;
  if (page->tabVisible_) InsertTab(TabOfPage(page), page->Caption(), page->imageIndex_);
  TRect area = DisplayRect();
  page->SetBounds(area.Left, area.Top, area.Width(), area.Height());
  // The first page with a tab is shown; later ones wait to be chosen.
  if (!activePage_ && page->tabVisible_)
    ShowPage(page);
  else
    SyncSelection();
}

void TPageControl::RemovePage(TTabSheet* page) {
  int formerTab = TabOfPage(page);
  bool wasActive = page == activePage_;
  pages_.erase(std::find(pages_.begin(), pages_.end(), page));
  page->pageControl_ = nullptr;
  if (wasActive) activePage_ = nullptr;
  if (pagesTornDown_) return;
  if (formerTab >= 0) DeleteTab(formerTab);
  if (wasActive)
    LoseActivePage(formerTab);
  else
    SyncSelection();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  index = std::clamp(index, 0, PageCount() - 1);
  int formerTab = TabOfPage(page);
  pages_.erase(std::find(pages_.begin(), pages_.end(), page));
  pages_.insert(pages_.begin() + index, page);
  if (formerTab >= 0) {
    DeleteTab(formerTab);
    InsertTab(TabOfPage(page), page->Caption(), page->imageIndex_);
  }
  SyncSelection();
}

void TPageControl::UpdateTab(TTabSheet* page, int formerTabIndex) {
  if (page->tabVisible_) {
    InsertTab(TabOfPage(page), page->Caption(), page->imageIndex_);
    if (!activePage_) {
      ShowPage(page);
      return;
    }
  } else if (formerTabIndex >= 0) {
    DeleteTab(formerTabIndex);
    if (page == activePage_) {
      LoseActivePage(formerTabIndex);
      return;
    }
  }
  SyncSelection();
}

void TPageControl::LoseActivePage(int formerTabIndex) {
  // The page whose tab moved into the place of the lost one, or the last.
  TTabSheet* next = nullptr;
  if (formerTabIndex >= 0 && TabCount() > 0)
    next = PageForTab(std::min(formerTabIndex, TabCount() - 1));
  TTabSheet* old = activePage_;
  activePage_ = nullptr;
  if (old && old->pageControl_ == this) old->SetVisible(false);
  ShowPage(next);
}

void TPageControl::ShowPage(TTabSheet* page) {
  TTabSheet* old = activePage_;
  activePage_ = page;
  SyncSelection();
  if (page == old) return;
  if (page) {
    page->BringToFront();
    page->SetVisible(true);
  }
  if (old) {
    // The focus must not stay in a page nobody sees.
    if (old->HandleAllocated()) {
      HWND focus = GetFocus();
      if (focus && (focus == old->Handle() || IsChild(old->Handle(), focus)) && CanFocus())
        ::SetFocus(Handle());
    }
    old->SetVisible(false);
  }
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  ShowPage(page);
}

int TPageControl::ActivePageIndex() const {
  return activePage_ ? activePage_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[index] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward, bool checkTabVisible) const {
  int n = PageCount();
  if (n == 0) return nullptr;
  auto it = std::find(pages_.begin(), pages_.end(), current);
  int start = it == pages_.end() ? (forward ? n - 1 : 0) : static_cast<int>(it - pages_.begin());
  int i = start;
  for (int k = 0; k < n; ++k) {
    i = forward ? (i + 1) % n : (i + n - 1) % n;
    TTabSheet* p = pages_[i];
    if (!checkTabVisible || p->tabVisible_) return p;
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool forward, bool checkTabVisible) {
  TTabSheet* page = FindNextPage(activePage_, forward, checkTabVisible);
  if (!page || page == activePage_ || !CanChange()) return;
  ShowPage(page);
  TCustomTabControl::Change();
}

void TPageControl::Change() {
  ShowPage(PageForTab(TabIndex()));
  TCustomTabControl::Change();
}

void TPageControl::AlignControls(TRect& rect) {
  for (TTabSheet* p : pages_) p->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
  TCustomTabControl::AlignControls(rect);
}

}  // namespace tk
