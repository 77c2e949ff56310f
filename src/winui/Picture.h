#pragma once
// A panel picture: a 24-bit DIB section that windows draw on and blit from,
// loaded from and saved to Windows bitmap files.
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "winui/Gdi.h"

namespace bmp {
struct PlainRows;
}

namespace winui {

class Picture {
 public:
  Picture() = default;
  Picture(Picture&& other) noexcept { *this = std::move(other); }
  Picture& operator=(Picture&& other) noexcept {
    if (this != &other) {
      bitmap_ = std::move(other.bitmap_);
      bits_ = std::exchange(other.bits_, nullptr);
      width_ = std::exchange(other.width_, 0);
      height_ = std::exchange(other.height_, 0);
    }
    return *this;
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // A picture of the given size filled with one colour; false (and the picture
  // unchanged) when it cannot be made.
  bool Create(int width, int height, COLORREF fill);

  // The format follows from the file's content, not its name. "" on success;
  // otherwise why, and the picture is unchanged. Never throws.
  std::wstring LoadFromFile(const std::string& pathSjis);
  // LoadFromFile's verdict on a file's content without drawing it: the pixel
  // bytes are read only for a run-length stream. "" and the size, or why.
  static std::wstring CheckFile(const std::string& pathSjis, int& width, int& height);
  // Writes a 24-bit Windows bitmap in place of the file at the path, only once
  // it is complete. "" on success, otherwise why. The bitmap must not be
  // selected into a device context meanwhile.
  std::wstring SaveToFile(const std::string& pathSjis) const;
  // The bytes SaveToFile writes; empty for an empty picture.
  std::vector<std::uint8_t> FileBytes() const;

  HBITMAP Handle() const { return bitmap_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return !bitmap_; }
  // CLR_INVALID outside the picture.
  COLORREF PixelAt(int x, int y) const;

 private:
  bool CreateSection(int width, int height);
  std::wstring Load(const std::string& pathSjis);
  std::wstring LoadRows(const std::wstring& path, const bmp::PlainRows& rows, int width, int height);

  Bitmap bitmap_;
  unsigned char* bits_ = nullptr;  // top-down rows, owned by bitmap_
  int width_ = 0;
  int height_ = 0;
};

}  // namespace winui
