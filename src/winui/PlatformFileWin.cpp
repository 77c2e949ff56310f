// Windows side of the table core's file access: Shift-JIS paths become UTF-16
// through code page 932, so paths with Japanese names work whatever the ANSI
// code page is.
#include <windows.h>

#include <cstdio>
#include <string>

#include "table/PlatformFile.h"
#include "winui/SafeFile.h"

namespace {
std::wstring Widen(const std::string& sjis) {
  if (sjis.empty()) return {};
  const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data(), static_cast<int>(sjis.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data(), static_cast<int>(sjis.size()), out.data(), n);
  return out;
}
}  // namespace

std::FILE* OpenFileSjis(const std::string& pathSjis, const char* mode) {
  // A NUL inside would silently name a different, shorter path.
  if (pathSjis.find('\0') != std::string::npos) return nullptr;
  const std::wstring path = Widen(pathSjis);
  if (path.empty()) return nullptr;
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wideMode.c_str());
}

bool WriteFileReplacingSjis(const std::string& pathSjis, std::string_view bytes) {
  const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
  return path && winui::WriteFileReplacing(*path, bytes.data(), bytes.size()).empty();
}
