#include "winui/TextConv.h"

#include <windows.h>

namespace winui {

namespace {
constexpr UINT kShiftJis = 932;

std::optional<std::wstring> Widen(std::string_view sjis, DWORD flags) {
  if (sjis.empty()) return std::wstring();
  const int n = MultiByteToWideChar(kShiftJis, flags, sjis.data(), static_cast<int>(sjis.size()), nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(kShiftJis, flags, sjis.data(), static_cast<int>(sjis.size()), out.data(), n);
  return out;
}

}  // namespace

std::wstring SjisToWide(std::string_view sjis) { return Widen(sjis, 0).value_or(std::wstring()); }

std::optional<std::wstring> SjisToWideStrict(std::string_view sjis) { return Widen(sjis, MB_ERR_INVALID_CHARS); }

std::optional<std::string> WideToSjis(std::wstring_view wide) {
  if (wide.empty()) return std::string();
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                      nullptr, &usedDefault);
  if (usedDefault) return std::nullopt;
  return out;
}

}  // namespace winui
