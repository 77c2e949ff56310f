#pragma once
// A font owned by one form or control; deleted with its owner.
#include <windows.h>

#include <string>

namespace winui {

class Font {
 public:
  Font() = default;
  ~Font() { Reset(); }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  Font(Font&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
  Font& operator=(Font&& other) noexcept {
    if (this != &other) {
      Reset();
      font_ = other.font_;
      other.font_ = nullptr;
    }
    return *this;
  }

  // Character height in pixels (the cell minus internal leading).
  static Font Pixels(const std::wstring& face, int pixels, bool bold = false);
  // Point size at the screen's resolution.
  static Font Points(const std::wstring& face, int points, bool bold = false);

  HFONT Handle() const { return font_; }
  explicit operator bool() const { return font_ != nullptr; }
  void Reset();

 private:
  explicit Font(HFONT font) : font_(font) {}
  HFONT font_ = nullptr;
};

}  // namespace winui
