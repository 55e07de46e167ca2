#include "vxPixmap.h"

#include <algorithm>
#include <cstring>

namespace vx {
namespace {

class HeapStorage final : public PixelStorage {
 public:
  explicit HeapStorage(size_t count) : bits_(new Pixel[count]) {}
  Pixel* Bits() override { return bits_.get(); }

 private:
  std::unique_ptr<Pixel[]> bits_;
};

PixelStorageFactory& Factory() {
  static PixelStorageFactory factory;
  return factory;
}

}  // namespace

void SetPixelStorageFactory(PixelStorageFactory factory) { Factory() = std::move(factory); }

bool TvxPixmap::SetSize(int width, int height, Pixel fill) {
  if (!Allocate(width, height)) return false;
  Fill(fill);
  return true;
}

bool TvxPixmap::Allocate(int width, int height) {
  // Same size: keep the storage (redrawing at one size is the common case).
  if (width > 0 && height > 0 && width == width_ && height == height_) return true;
  storage_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
  if (width <= 0 || height <= 0) return true;
  if (width > kMaxSide || height > kMaxSide || int64_t{width} * height > kMaxPixels) return false;
  std::unique_ptr<PixelStorage> storage;
  if (Factory()) storage = Factory()(width, height);
  if (!storage) storage = std::make_unique<HeapStorage>(static_cast<size_t>(width) * height);
  storage_ = std::move(storage);
  bits_ = storage_->Bits();
  width_ = width;
  height_ = height;
  return true;
}

TvxPixmap::TvxPixmap(const TvxPixmap& other) { *this = other; }

TvxPixmap& TvxPixmap::operator=(const TvxPixmap& other) {
  if (this == &other) return *this;
  SetSize(other.width_, other.height_);
  if (!Empty()) std::memcpy(bits_, other.bits_, sizeof(Pixel) * width_ * static_cast<size_t>(height_));
  return *this;
}

void TvxPixmap::Fill(Pixel p) {
  if (Empty()) return;
  const size_t count = static_cast<size_t>(width_) * height_;
  if ((p & 0xFF) * 0x01010101u == p) {
    std::memset(bits_, p & 0xFF, count * sizeof(Pixel));  // the usual 0 and white
    return;
  }
  std::fill_n(bits_, width_, p);
  for (int y = 1; y < height_; ++y) std::memcpy(Row(y), bits_, sizeof(Pixel) * width_);
}

}  // namespace vx
