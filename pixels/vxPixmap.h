// The skin engine's one picture type: a top-down 32-bit pixel buffer.
//
// Pixels are stored as 0xAARRGGBB words, which in memory is blue, green, red,
// alpha: the layout of a 32-bit top-down DIB. Rows are contiguous (stride =
// width). The portable code reads and writes rows directly; on Windows the
// buffer is a DIB section (see SetPixelStorageFactory) so GDI can draw text and
// pictures into it and copy it to a window in one piece.
//
// Skin colours are COLORREF-style integers ($BBGGRR); PixelFromColor and
// ColorFromPixel convert between the two orders.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace vx {

using Pixel = uint32_t;

constexpr Pixel MakePixel(int r, int g, int b, int a = 0) {
  return (static_cast<Pixel>(a & 255) << 24) | (static_cast<Pixel>(r & 255) << 16) |
         (static_cast<Pixel>(g & 255) << 8) | static_cast<Pixel>(b & 255);
}
constexpr int PixelR(Pixel p) { return (p >> 16) & 255; }
constexpr int PixelG(Pixel p) { return (p >> 8) & 255; }
constexpr int PixelB(Pixel p) { return p & 255; }
constexpr int PixelA(Pixel p) { return p >> 24; }
// $BBGGRR colour <-> pixel (alpha 0).
constexpr Pixel PixelFromColor(uint32_t c) { return MakePixel(c & 255, (c >> 8) & 255, (c >> 16) & 255); }
constexpr uint32_t ColorFromPixel(Pixel p) {
  return static_cast<uint32_t>(PixelR(p)) | (PixelG(p) << 8) | (PixelB(p) << 16);
}

// Where a picture's pixels live. The heap by default; a DIB section on Windows.
class PixelStorage {
 public:
  virtual ~PixelStorage() = default;
  virtual Pixel* Bits() = 0;
};
using PixelStorageFactory = std::function<std::unique_ptr<PixelStorage>(int width, int height)>;
// Installs the factory every picture made afterwards uses (nullptr: the heap).
void SetPixelStorageFactory(PixelStorageFactory factory);

class TvxPixmap {
 public:
  // Largest side and area a picture may have; larger requests fail.
  static constexpr int kMaxSide = 32767;
  static constexpr int64_t kMaxPixels = int64_t{1} << 26;

  TvxPixmap() = default;
  TvxPixmap(int width, int height, Pixel fill = 0) { SetSize(width, height, fill); }
  TvxPixmap(const TvxPixmap& other);
  TvxPixmap& operator=(const TvxPixmap& other);
  TvxPixmap(TvxPixmap&&) noexcept = default;
  TvxPixmap& operator=(TvxPixmap&&) noexcept = default;

  // Reallocates to width × height, every pixel `fill`. Sizes of 0 or less give
  // an empty picture; sizes over the caps fail and leave the picture empty.
  bool SetSize(int width, int height, Pixel fill = 0);
  // The same, but the pixels are left as the storage gives them: for a caller
  // that writes every pixel at once (a decoder), saving a pass over memory.
  bool Allocate(int width, int height);
  void Clear() { SetSize(0, 0); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Pixel* Row(int y) { return bits_ + static_cast<int64_t>(y) * width_; }
  const Pixel* Row(int y) const { return bits_ + static_cast<int64_t>(y) * width_; }
  Pixel* Bits() { return bits_; }
  const Pixel* Bits() const { return bits_; }
  Pixel At(int x, int y) const { return Row(y)[x]; }
  void Set(int x, int y, Pixel p) { Row(y)[x] = p; }
  // The storage, for the platform binding (a DIB section's handle and DC).
  PixelStorage* Storage() const { return storage_.get(); }

  void Fill(Pixel p);

 private:
  int width_ = 0;
  int height_ = 0;
  Pixel* bits_ = nullptr;
  std::unique_ptr<PixelStorage> storage_;
};

}  // namespace vx
