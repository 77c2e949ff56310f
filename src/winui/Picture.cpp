#include "winui/Picture.h"

#include <cstring>
#include <new>
#include <utility>

#include "bitmap/BitmapFile.h"
#include "winui/SafeFile.h"
#include "winui/TextConv.h"

namespace winui {

namespace {
constexpr std::size_t kMaxBitmapFileBytes = std::size_t{256} << 20;

int StrideOf(int width) { return (width * 3 + 3) & ~3; }

// The path made wide and the file's head read and checked: the start of both
// loading and checking a picture. An empty result means path, bytes and head
// are set.
std::wstring ReadHead(const std::string& pathSjis, std::wstring& path, std::vector<std::uint8_t>& bytes,
                      bmp::HeadCheck& head) {
  const std::optional<std::wstring> wide = SjisPathToWide(pathSjis);
  if (!wide) return SystemErrorText(ERROR_INVALID_NAME);
  path = *wide;
  std::uint64_t size = 0;
  if (std::wstring reason = ReadFileHead(path, bmp::kBitmapHeadBytes, bytes, size, kMaxBitmapFileBytes);
      !reason.empty()) {
    return reason;
  }
  head = bmp::CheckBitmapHead(bytes, size);
  return {};
}
}  // namespace

bool Picture::CreateSection(int width, int height) {
  if (width <= 0 || height <= 0 || width > bmp::kMaxPictureSide || height > bmp::kMaxPictureSide ||
      static_cast<std::int64_t>(width) * height > bmp::kMaxPicturePixels) {
    return false;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || !bits) return false;
  bitmap_ = std::move(section);
  bits_ = static_cast<unsigned char*>(bits);
  width_ = width;
  height_ = height;
  return true;
}

bool Picture::Create(int width, int height, COLORREF fill) {
  Picture made;
  if (!made.CreateSection(width, height)) return false;
  for (int y = 0; y < height; ++y) {
    unsigned char* p = made.bits_ + static_cast<std::ptrdiff_t>(y) * StrideOf(width);
    for (int x = 0; x < width; ++x) {
      *p++ = GetBValue(fill);
      *p++ = GetGValue(fill);
      *p++ = GetRValue(fill);
    }
  }
  *this = std::move(made);
  return true;
}

std::wstring Picture::LoadFromFile(const std::string& pathSjis) {
  try {
    return Load(pathSjis);
  } catch (const std::bad_alloc&) {
    return SystemErrorText(ERROR_NOT_ENOUGH_MEMORY);
  }
}

std::wstring Picture::Load(const std::string& pathSjis) {
  std::wstring path;
  std::vector<std::uint8_t> bytes;
  bmp::HeadCheck head;
  if (std::wstring reason = ReadHead(pathSjis, path, bytes, head); !reason.empty()) return reason;
  if (!head.refusal.empty()) return SjisToWide(head.refusal);
  if (const std::optional<bmp::PlainRows> rows = bmp::PlainRgb24Rows(bytes)) {
    return LoadRows(path, *rows, head.width, head.height);
  }

  if (std::wstring reason = ReadWholeFile(path, bytes, kMaxBitmapFileBytes); !reason.empty()) return reason;
  bmp::DibData dib;
  if (std::string reason = bmp::ParseBitmapFile(bytes, dib); !reason.empty()) return SjisToWide(reason);

  Picture loaded;
  if (!loaded.CreateSection(dib.width, dib.height)) return SystemErrorText(ERROR_NOT_ENOUGH_MEMORY);
  MemoryDc dc;
  if (!dc) return SystemErrorText(GetLastError());
  if (SetDIBits(dc.Get(), loaded.Handle(), 0, static_cast<UINT>(dib.height), dib.Bits().data(),
                reinterpret_cast<const BITMAPINFO*>(dib.info.data()),
                DIB_RGB_COLORS) == 0) {
    return L"ビットマップを展開できません";
  }
  GdiFlush();
  *this = std::move(loaded);
  return {};
}

// The rows go from the file into the section through a small buffer, in
// their places at once: no copy of the whole file between.
std::wstring Picture::LoadRows(const std::wstring& path, const bmp::PlainRows& rows, int width, int height) {
  Picture loaded;
  if (!loaded.CreateSection(width, height)) return SystemErrorText(ERROR_NOT_ENOUGH_MEMORY);
  const std::size_t stride = static_cast<std::size_t>(StrideOf(width));
  std::size_t row = 0;  // in the file's order
  std::wstring reason = ReadRecordsAt(path, rows.offset, stride, static_cast<std::size_t>(height),
                                      [&](const std::uint8_t* data, std::size_t count) {
                                        for (std::size_t i = 0; i < count; ++i, ++row, data += stride) {
                                          const std::size_t y = rows.topDown ? row : height - 1 - row;
                                          std::memcpy(loaded.bits_ + y * stride, data, stride);
                                        }
                                      });
  if (!reason.empty()) return reason;
  *this = std::move(loaded);
  return {};
}

std::wstring Picture::CheckFile(const std::string& pathSjis, int& width, int& height) {
  try {
    std::wstring path;
    std::vector<std::uint8_t> bytes;
    bmp::HeadCheck head;
    if (std::wstring reason = ReadHead(pathSjis, path, bytes, head); !reason.empty()) return reason;
    if (head.needsPixels) {
      if (std::wstring reason = ReadWholeFile(path, bytes, kMaxBitmapFileBytes); !reason.empty()) return reason;
      bmp::DibData dib;
      head.refusal = bmp::ParseBitmapFile(bytes, dib);
    }
    if (!head.refusal.empty()) return SjisToWide(head.refusal);
    width = head.width;
    height = head.height;
    return {};
  } catch (const std::bad_alloc&) {
    return SystemErrorText(ERROR_NOT_ENOUGH_MEMORY);
  }
}

std::wstring Picture::SaveToFile(const std::string& pathSjis) const {
  const std::optional<std::wstring> path = SjisPathToWide(pathSjis);
  if (!path) return SystemErrorText(ERROR_INVALID_NAME);
  if (Empty()) return SystemErrorText(ERROR_INVALID_DATA);
  const std::vector<std::uint8_t> file = FileBytes();
  return WriteFileReplacing(*path, file.data(), file.size());
}

std::vector<std::uint8_t> Picture::FileBytes() const {
  if (Empty()) return {};
  GdiFlush();  // drawing may still be queued
  return bmp::EncodeBitmapFile24(width_, height_, bits_, StrideOf(width_));
}

COLORREF Picture::PixelAt(int x, int y) const {
  if (Empty() || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  GdiFlush();
  const unsigned char* p = bits_ + static_cast<std::ptrdiff_t>(y) * StrideOf(width_) + x * 3;
  return RGB(p[2], p[1], p[0]);
}

}  // namespace winui
