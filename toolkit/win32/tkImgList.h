// Image lists: equal-sized pictures kept in one platform image list, drawn by
// index, enabled or greyed out. Tab controls and menus refer to one and hear
// of its changes (a new size, pictures added or removed) through change links.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "tkComponent.h"
#include "tkGraphics.h"

namespace tk {

class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // A new size drops the pictures (they were made for the old one). Sizes
  // below 1 are refused with EInvalidOperation.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }

  int Count() const;
  // Adds a picture (cut or padded to the list's size); `mask` marks the
  // transparent pixels with white. Returns its index.
  int Add(TBitmap& image, TBitmap* mask = nullptr);
  // Adds a picture whose pixels of `transparent` colour are transparent.
  int AddMasked(TBitmap& image, TColor transparent);
  void Delete(int index);
  void Clear();

  // Draws picture `index` with its top-left corner at (x, y); a disabled one
  // is drawn embossed in the button shadow colours. Indexes outside the list
  // draw nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  void Draw(HDC dc, int x, int y, int index, bool enabled = true);

  // The platform image list (made on first use).
  HIMAGELIST Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  // Change links: `key` (the listener) is told after every change until it
  // unregisters. A listener keeping a pointer to the list also asks for a free
  // notification.
  void RegisterChanges(const void* key, TNotifyEvent onChange);
  void UnRegisterChanges(const void* key);

 protected:
  virtual void Change();
  void BeforeDestruction() override;

 private:
  void FreeHandle();
  HBITMAP CopyToListSize(TBitmap& image);
  int width_ = 16, height_ = 16;
  HIMAGELIST handle_ = nullptr;
  struct Link {
    const void* key;
    TNotifyEvent onChange;
  };
  std::vector<Link> links_;
};

class TImageList : public TCustomImageList {
 public:
  explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};

// Loads the platform's common controls (tab, up-down, image lists) once.
void InitCommonControlsOnce();

}  // namespace tk
