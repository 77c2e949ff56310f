#include "winui/ImageFile.h"

#include <wincodec.h>

#include <algorithm>
#include <new>

#include "winui/ComApartment.h"
#include "winui/Gdi.h"
#include "winui/SafeFile.h"

namespace winui {

namespace {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** Out() { return &p_; }
  T* operator->() const { return p_; }
  T* Get() const { return p_; }

 private:
  T* p_ = nullptr;
};

bool MakeFactory(ComPtr<IWICImagingFactory>& factory) {
  return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(factory.Out())));
}

// Copies a source's pixels as premultiplied BGRA.
bool CopyPixels(IWICImagingFactory* factory, IWICBitmapSource* source, int width, int height, Image& out) {
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return false;
  }
  Image copy;
  copy.width = width;
  copy.height = height;
  copy.pixels.resize(static_cast<std::size_t>(width) * height * 4);
  const UINT stride = static_cast<UINT>(width) * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(copy.pixels.size()), copy.pixels.data()))) {
    return false;
  }
  out = std::move(copy);
  return true;
}

std::wstring Load(const std::string& pathSjis, Image& out) {
  const std::optional<std::wstring> path = SjisPathToWide(pathSjis);
  if (!path) return SystemErrorText(ERROR_INVALID_NAME);
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (GetFileAttributesExW(path->c_str(), GetFileExInfoStandard, &attributes) &&
      (attributes.nFileSizeHigh != 0 || attributes.nFileSizeLow > kMaxImageFileBytes)) {
    return L"画像ファイルが大きすぎます（20MBまで）。";
  }
  std::vector<std::uint8_t> bytes;
  if (std::wstring why = ReadWholeFile(*path, bytes, kMaxImageFileBytes); !why.empty()) return why;
  const ComApartment com;  // on whatever thread asks; an apartment already there is kept
  ComPtr<IWICImagingFactory> factory;
  if (!MakeFactory(factory)) return L"画像を読む部品を使えません。";
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(bytes.data(), static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Out())) ||
      FAILED(decoder->GetFrame(0, frame.Out()))) {
    return L"画像として読めないファイルです（PNG、JPEG、GIF、BMP、ICO が読めます）。";
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0) return L"画像の大きさが読めません。";
  if (static_cast<std::int64_t>(width) * height > kMaxImagePixels) {
    return L"画像が大きすぎます（" + std::to_wstring(width) + L" x " + std::to_wstring(height) +
           L"）。1600万画素までの画像にしてください。";
  }
  if (!CopyPixels(factory.Get(), frame.Get(), static_cast<int>(width), static_cast<int>(height), out)) {
    return L"画像を展開できません。";
  }
  return {};
}

}  // namespace

std::wstring LoadImageFile(const std::string& pathSjis, Image& out) {
  try {
    return Load(pathSjis, out);
  } catch (const std::bad_alloc&) {
    return L"画像を読むためのメモリが足りません。";
  }
}

std::wstring ScaleImage(const Image& in, int width, int height, Image& out) {
  if (in.Empty() || width <= 0 || height <= 0) return L"画像の大きさが正しくありません。";
  if (width == in.width && height == in.height) {
    out = in;
    return {};
  }
  try {
    const ComApartment com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmap> bitmap;
    ComPtr<IWICBitmapScaler> scaler;
    if (!MakeFactory(factory) ||
        FAILED(factory->CreateBitmapFromMemory(static_cast<UINT>(in.width), static_cast<UINT>(in.height),
                                               GUID_WICPixelFormat32bppPBGRA, static_cast<UINT>(in.width) * 4,
                                               static_cast<UINT>(in.pixels.size()),
                                               const_cast<BYTE*>(in.pixels.data()), bitmap.Out())) ||
        FAILED(factory->CreateBitmapScaler(scaler.Out())) ||
        FAILED(scaler->Initialize(bitmap.Get(), static_cast<UINT>(width), static_cast<UINT>(height),
                                  WICBitmapInterpolationModeFant)) ||
        !CopyPixels(factory.Get(), scaler.Get(), width, height, out)) {
      return L"画像の大きさを変えられません。";
    }
    return {};
  } catch (const std::bad_alloc&) {
    return L"画像を読むためのメモリが足りません。";
  }
}

HBITMAP MakeImageSection(const Image& image) {
  if (image.Empty()) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!section || !bits) return section;
  std::copy(image.pixels.begin(), image.pixels.end(), static_cast<std::uint8_t*>(bits));
  return section;
}

void DrawImageSection(HDC dc, HBITMAP section, int width, int height, int x, int y, const RECT& clip) {
  if (!section) return;
  MemoryDc source(dc);
  ScopedSelectObject select(source.Get(), section);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, x, y, width, height, source.Get(), 0, 0, width, height, blend);
  RestoreDC(dc, saved);
}

}  // namespace winui
