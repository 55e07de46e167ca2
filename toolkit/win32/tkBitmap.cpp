// TBitmap: a picture in the shared DIB-section storage, with a canvas.
#include "tkGraphics.h"

namespace tk {
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
  if (!pixmap_.Empty() && !PixmapBitmapHandle(pixmap_)) {
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
