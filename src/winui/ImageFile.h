#pragma once
// Pictures of the usual formats (PNG, JPEG, GIF, BMP, ICO, ...) read through
// the system's imaging component into premultiplied 32-bit pixels, scaled and
// drawn with their transparency. Huge pictures are refused before decoding.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace winui {

inline constexpr std::size_t kMaxImageFileBytes = std::size_t{20} << 20;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{16} << 20;

// Top-down rows of premultiplied blue, green, red, alpha.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
  bool Empty() const { return width <= 0 || height <= 0; }
};

// "" on success; otherwise why, in words for the user, and `out` unchanged.
std::wstring LoadImageFile(const std::string& pathSjis, Image& out);
// The image at another size, always with the same filter, so the same
// picture gives the same pixels. "" or why.
std::wstring ScaleImage(const Image& in, int width, int height, Image& out);
// The image as a 32-bit bitmap that GDI blends; null when it cannot be made.
HBITMAP MakeImageSection(const Image& image);
// Draws a bitmap of MakeImageSection, `width` x `height`, over `dc` at (x, y),
// blending its transparent parts; only the part inside `clip` is touched.
void DrawImageSection(HDC dc, HBITMAP section, int width, int height, int x, int y, const RECT& clip);

}  // namespace winui
