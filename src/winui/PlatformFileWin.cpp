// Windows side of the table core's file access: Shift-JIS paths become UTF-16
// through code page 932, so paths with Japanese names work whatever the ANSI
// code page is.
#include <windows.h>

#include <cstdio>
#include <string>

#include "table/PlatformFile.h"
#include "winui/SafeFile.h"

namespace panel {

std::FILE* OpenFileSjis(const std::string& pathSjis, const char* mode) {
  const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
  if (!path) return nullptr;
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path->c_str(), wideMode.c_str());
}

bool WriteFileReplacingSjis(const std::string& pathSjis, std::string_view bytes) {
  const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
  return path && winui::WriteFileReplacing(*path, bytes.data(), bytes.size()).empty();
}

}  // namespace panel
