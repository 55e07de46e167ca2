#include "vxPixmapDib.h"

#include <mutex>

namespace vx {
namespace {

// A top-down 32-bit DIB section; the memory DC that GDI draws through is made
// on first use, so pictures that only the pixel code touches cost one GDI
// object.
class DibStorage final : public PixelStorage {
 public:
  DibStorage(int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits_, nullptr, 0);
  }
  ~DibStorage() override {
    if (dc_) {
      SelectObject(dc_, oldBitmap_);
      DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
  }
  DibStorage(const DibStorage&) = delete;
  DibStorage& operator=(const DibStorage&) = delete;

  bool Valid() const { return bitmap_ && bits_; }
  Pixel* Bits() override { return static_cast<Pixel*>(bits_); }
  HBITMAP Bitmap() const { return bitmap_; }
  HDC DC() {
    if (!dc_ && bitmap_) {
      dc_ = CreateCompatibleDC(nullptr);
      if (dc_) oldBitmap_ = SelectObject(dc_, bitmap_);
    }
    return dc_;
  }

 private:
  HBITMAP bitmap_ = nullptr;
  void* bits_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
};

DibStorage* DibOf(const TvxPixmap& picture) { return dynamic_cast<DibStorage*>(picture.Storage()); }

}  // namespace

void InstallDibPixelStorage() {
  static std::once_flag once;
  std::call_once(once, [] {
    SetPixelStorageFactory([](int w, int h) -> std::unique_ptr<PixelStorage> {
      auto s = std::make_unique<DibStorage>(w, h);
      if (!s->Valid()) return nullptr;
      return s;
    });
  });
}

HBITMAP PixmapBitmapHandle(const TvxPixmap& picture) {
  DibStorage* d = DibOf(picture);
  return d ? d->Bitmap() : nullptr;
}

HDC PixmapDC(const TvxPixmap& picture) {
  DibStorage* d = DibOf(picture);
  if (!d) return nullptr;
  GdiFlush();
  return d->DC();
}

}  // namespace vx
