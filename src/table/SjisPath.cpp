#include "table/SjisPath.h"

namespace panel {

bool IsSjisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

size_t FirstSjisBackslash(std::string_view pathSjis) {
  for (size_t i = 0; i < pathSjis.size(); ++i) {
    const auto c = static_cast<unsigned char>(pathSjis[i]);
    if (IsSjisLeadByte(c)) {
      ++i;
    } else if (c == '\\') {
      return i;
    }
  }
  return std::string_view::npos;
}

size_t LastSjisBackslash(std::string_view pathSjis) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < pathSjis.size(); ++i) {
    const auto c = static_cast<unsigned char>(pathSjis[i]);
    if (IsSjisLeadByte(c)) {
      ++i;  // skip the trail byte, whatever it is
    } else if (c == '\\') {
      last = i;
    }
  }
  return last;
}

std::string FolderOfSjisPath(std::string_view pathSjis) {
  const size_t at = LastSjisBackslash(pathSjis);
  return at == std::string_view::npos ? std::string() : std::string(pathSjis.substr(0, at));
}

std::string FileNameOfSjisPath(std::string_view pathSjis) {
  const size_t at = LastSjisBackslash(pathSjis);
  return std::string(at == std::string_view::npos ? pathSjis : pathSjis.substr(at + 1));
}

}  // namespace panel
