// TBitmap and the DIB-section storage behind every picture on Windows.
#include <mutex>

#include "tkGraphics.h"

namespace tk {
namespace {

// A top-down 32-bit DIB section; the memory DC that GDI draws through is made
// on first use, so pictures that are only read and written by pixel code cost
// one GDI object.
class DibStorage final : public vx::PixelStorage {
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
  bool Valid() const { return bitmap_ && bits_; }
  vx::Pixel* Bits() override { return static_cast<vx::Pixel*>(bits_); }
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

DibStorage* DibOf(const vx::TvxPixmap& pixmap) {
  return dynamic_cast<DibStorage*>(pixmap.Storage());
}

}  // namespace

void InstallDibPixelStorage() {
  static std::once_flag once;
  std::call_once(once, [] {
    vx::SetPixelStorageFactory([](int w, int h) -> std::unique_ptr<vx::PixelStorage> {
      auto s = std::make_unique<DibStorage>(w, h);
      if (!s->Valid()) return nullptr;  // the heap takes over; GDI cannot draw into it
      return s;
    });
  });
}

HBITMAP PixmapBitmapHandle(const vx::TvxPixmap& pixmap) {
  DibStorage* d = DibOf(pixmap);
  return d ? d->Bitmap() : nullptr;
}

HDC PixmapDC(const vx::TvxPixmap& pixmap) {
  DibStorage* d = DibOf(pixmap);
  if (!d) return nullptr;
  GdiFlush();
  return d->DC();
}

TBitmap::TBitmap() { InstallDibPixelStorage(); }

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() {
  if (canvas_) canvas_->SetHandle(nullptr);
}

void TBitmap::SetSize(int width, int height) {
  if (width == Width() && height == Height()) return;
  if (canvas_) canvas_->SetHandle(nullptr);
  if (!pixmap_.SetSize(width, height, vx::MakePixel(0, 0, 0)))
    throw EInvalidGraphic("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                          " is too large");
  if (!pixmap_.Empty() && !DibOf(pixmap_)) {
    pixmap_.Clear();
    throw EInvalidGraphic("Out of system resources for a bitmap");
  }
  AttachCanvas();
}

void TBitmap::AttachCanvas() {
  if (canvas_) canvas_->SetHandle(Empty() ? nullptr : PixmapDC(pixmap_));
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TCanvas>();
    AttachCanvas();
  }
  return *canvas_;
}

vx::Pixel* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= Height()) throw EInvalidGraphic("Scan line index out of range");
  GdiFlush();
  return pixmap_.Row(y);
}

void TBitmap::AssignPixmap(const vx::TvxPixmap& pixmap) {
  if (&pixmap == &pixmap_) return;
  SetSize(pixmap.Width(), pixmap.Height());
  GdiFlush();
  for (int y = 0; y < Height(); ++y)
    std::copy(pixmap.Row(y), pixmap.Row(y) + Width(), pixmap_.Row(y));
}

void TBitmap::Assign(const TBitmap& other) {
  if (&other == this) return;
  AssignPixmap(other.pixmap_);
}

}  // namespace tk
