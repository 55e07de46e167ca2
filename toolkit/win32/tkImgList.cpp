#include "tkImgList.h"

#include <algorithm>

namespace tk {

void InitCommonControlsOnce() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)done;
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {
  InitCommonControlsOnce();
}

TCustomImageList::~TCustomImageList() { FreeHandle(); }

void TCustomImageList::BeforeDestruction() {
  links_.clear();
  FreeHandle();
  TComponent::BeforeDestruction();
}

void TCustomImageList::FreeHandle() {
  if (handle_) ImageList_Destroy(handle_);
  handle_ = nullptr;
}

HIMAGELIST TCustomImageList::Handle() {
  if (!handle_) {
    handle_ = ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (!handle_) throw EInvalidOperation("Cannot create an image list");
  }
  return handle_;
}

void TCustomImageList::SetSize(int width, int height) {
  if (width < 1 || height < 1) throw EInvalidOperation("Image list sizes must be at least 1");
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  // ImageList_SetIconSize drops the pictures too; doing it on the live list
  // keeps the handle the tab controls already hold.
  if (handle_) ImageList_SetIconSize(handle_, width_, height_);
  Change();
}

int TCustomImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

// A device-dependent copy of the picture at the list's size: the image list
// copies bitmaps it is given, so the copy is freed right after.
HBITMAP TCustomImageList::CopyToListSize(TBitmap& image) {
  HDC screen = GetDC(nullptr);
  HDC dst = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, width_, height_);
  HGDIOBJ old = SelectObject(dst, bmp);
  RECT all{0, 0, width_, height_};
  FillRect(dst, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (!image.Empty()) {
    GdiFlush();
    BitBlt(dst, 0, 0, std::min(width_, image.Width()), std::min(height_, image.Height()),
           image.Canvas().Handle(), 0, 0, SRCCOPY);
  }
  SelectObject(dst, old);
  DeleteDC(dst);
  ReleaseDC(nullptr, screen);
  return bmp;
}

int TCustomImageList::Add(TBitmap& image, TBitmap* mask) {
  HBITMAP bmp = CopyToListSize(image);
  HBITMAP maskBmp = nullptr;
  if (mask) {
    // The platform wants a monochrome mask: white is transparent.
    HDC screen = GetDC(nullptr);
    HDC dst = CreateCompatibleDC(screen);
    maskBmp = CreateBitmap(width_, height_, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(dst, maskBmp);
    RECT all{0, 0, width_, height_};
    FillRect(dst, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!mask->Empty()) {
      GdiFlush();
      BitBlt(dst, 0, 0, std::min(width_, mask->Width()), std::min(height_, mask->Height()),
             mask->Canvas().Handle(), 0, 0, SRCCOPY);
    }
    SelectObject(dst, old);
    DeleteDC(dst);
    ReleaseDC(nullptr, screen);
  }
  int index = ImageList_Add(Handle(), bmp, maskBmp);
  DeleteObject(bmp);
  if (maskBmp) DeleteObject(maskBmp);
  if (index < 0) throw EInvalidOperation("Cannot add a picture to the image list");
  Change();
  return index;
}

int TCustomImageList::AddMasked(TBitmap& image, TColor transparent) {
  HBITMAP bmp = CopyToListSize(image);
  int index = ImageList_AddMasked(Handle(), bmp, ColorToRGB(transparent));
  DeleteObject(bmp);
  if (index < 0) throw EInvalidOperation("Cannot add a picture to the image list");
  Change();
  return index;
}

void TCustomImageList::Delete(int index) {
  if (index < 0 || index >= Count()) throw EInvalidOperation("Image index out of range");
  ImageList_Remove(handle_, index);
  Change();
}

void TCustomImageList::Clear() {
  if (handle_ && Count() > 0) {
    ImageList_Remove(handle_, -1);
    Change();
  }
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (canvas.Handle()) Draw(canvas.Handle(), x, y, index, enabled);
}

void TCustomImageList::Draw(HDC dc, int x, int y, int index, bool enabled) {
  if (!dc || index < 0 || index >= Count()) return;
  if (enabled) {
    ImageList_Draw(handle_, index, dc, x, y, ILD_TRANSPARENT);
    return;
  }
  HICON icon = ImageList_GetIcon(handle_, index, ILD_TRANSPARENT);
  if (!icon) return;
  DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, width_, height_,
             DST_ICON | DSS_DISABLED);
  DestroyIcon(icon);
}

void TCustomImageList::RegisterChanges(const void* key, TNotifyEvent onChange) {
  UnRegisterChanges(key);
  links_.push_back({key, std::move(onChange)});
}

void TCustomImageList::UnRegisterChanges(const void* key) {
  std::erase_if(links_, [key](const Link& l) { return l.key == key; });
}

void TCustomImageList::Change() {
  // A listener may unregister (or register another) while being told.
  std::vector<Link> links = links_;
  for (const Link& l : links) {
    bool still = std::any_of(links_.begin(), links_.end(),
                             [&](const Link& x) { return x.key == l.key; });
    if (still && l.onChange) l.onChange(this);
  }
}

}  // namespace tk
