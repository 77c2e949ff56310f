#include "table/FileNames.h"

#include <algorithm>
#include <array>

#include "table/SjisPath.h"

namespace panel {

namespace {

// Calls `part` with each part of a path between its backslashes.
template <typename F>
void ForEachPart(std::string_view path, F part) {
  for (;;) {
    const size_t cut = FirstSjisBackslash(path);
    part(path.substr(0, cut));
    if (cut == std::string_view::npos) return;
    path.remove_prefix(cut + 1);
  }
}

std::string_view TrimEnd(std::string_view text, std::string_view drop) {
  const size_t last = text.find_last_not_of(drop);
  return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

// Device names are ASCII, so ASCII letter case is all there is to fold.
bool IsDeviceName(std::string_view base) {
  static constexpr std::array<std::string_view, 6> kFixed = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  std::string upper(base);
  for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  if (std::find(kFixed.begin(), kFixed.end(), upper) != kFixed.end()) return true;
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '1' &&
         upper[3] <= '9';
}

}  // namespace

std::string WithoutTrailingDotsAndBlanks(std::string_view pathSjis) {
  std::string out;
  out.reserve(pathSjis.size());
  bool first = true;
  ForEachPart(pathSjis, [&](std::string_view part) {
    if (!first) out += '\\';
    first = false;
    // Dots and blanks are below 0x40, so none is the trail byte of a double-byte character.
    out += TrimEnd(part, ". ");
  });
  return out;
}

bool NamesDevice(std::string_view pathSjis) {
  bool device = false;
  ForEachPart(pathSjis, [&](std::string_view part) {
    // "COM1 .bmp. " is COM1: the extension, then blanks before it, are ignored.
    const std::string_view base = TrimEnd(part.substr(0, part.find('.')), " ");
    device = device || IsDeviceName(base);
  });
  return device;
}

}  // namespace panel
