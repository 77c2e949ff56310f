#pragma once
// Windows bitmap files written byte by byte, in every form paint programs use,
// so that loading is tested against files no code of ours produced.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace storage_test {

enum class HeaderKind { Core12, Info40, V5 };

struct BmpForm {
  int bitsPerPixel;
  HeaderKind header = HeaderKind::Info40;
  bool topDown = false;
  std::uint32_t compression = BI_RGB;  // BI_RLE4, BI_RLE8 or BI_BITFIELDS also

  std::string Name() const {
    static const char* headers[] = {"core", "info", "v5"};
    static const char* kinds[] = {"rgb", "rle8", "rle4", "bitfields"};
    return std::to_string(bitsPerPixel) + "bpp-" + headers[static_cast<int>(header)] + "-" + kinds[compression] +
           (topDown ? "-topdown" : "");
  }
};

// The colour every form can carry exactly at (x, y): palette forms index a
// table of this many colours, 16-bit forms use full or empty channels only.
COLORREF ExpectedColor(const BmpForm& form, int x, int y);

std::vector<std::uint8_t> MakeBmp(const BmpForm& form, int width, int height);

}  // namespace storage_test

namespace storage_test {
// Every form a panel bitmap may come in.
std::vector<BmpForm> AllForms();
}  // namespace storage_test
