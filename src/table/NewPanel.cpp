#include "table/NewPanel.h"

#include <vector>

#include "table/FileNames.h"
#include "table/PanelTable.h"
#include "table/SjisPath.h"
#include "table/TableChecks.h"
#include "table/TableTexts.h"

namespace panel {

bool IsTableIdentifier(std::string_view textSjis) {
  if (textSjis.size() != 1) return false;
  const char c = textSjis[0];
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string CompleteBitmapName(const std::string& nameSjis) {
  std::vector<size_t> starts;  // where each character begins
  for (size_t i = 0; i < nameSjis.size(); ++i) {
    starts.push_back(i);
    if (IsSjisLeadByte(static_cast<unsigned char>(nameSjis[i])) && i + 1 < nameSjis.size()) ++i;
  }
  if (!starts.empty()) {
    const size_t probe = starts.size() >= 4 ? starts[starts.size() - 4] : starts.front();
    if (nameSjis[probe] == '.') return nameSjis;
  }
  return nameSjis + ".bmp";
}

bool IsTableFileName(std::string_view nameSjis) {
  while (!nameSjis.empty() && (nameSjis.back() == '.' || nameSjis.back() == ' ')) nameSjis.remove_suffix(1);
  if (nameSjis.size() < 4) return false;
  const std::string_view extension = nameSjis.substr(nameSjis.size() - 4);
  // A trail byte can be 't' or 'l', but never a dot: the dot starts a character.
  constexpr std::string_view kTable = ".tbl";
  for (size_t i = 0; i < kTable.size(); ++i) {
    const char c = extension[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != kTable[i]) return false;
  }
  return true;
}

NewPanelRefusal CheckNewPanel(const std::string& bitmapNameSjis, int columns, int rows, int cellWidth,
                              int cellHeight) {
  if (columns <= 0 || rows <= 0 || cellWidth <= 0 || cellHeight <= 0) return NewPanelRefusal::BadSize;
  if (columns > kHostMaxColumns) return NewPanelRefusal::TooManyColumns;
  if (!IsSaneGrid(cellWidth, cellHeight, columns, rows) ||
      static_cast<long long>(cellWidth) * columns * cellHeight * rows > kMaxNewPanelPixels) {
    return NewPanelRefusal::TooLarge;
  }
  if (bitmapNameSjis.size() > kHostMaxBitmapName) return NewPanelRefusal::BitmapNameTooLong;
  if (NamesDevice(bitmapNameSjis)) return NewPanelRefusal::BitmapNameIsDevice;
  if (!IsNameInsideFolder(bitmapNameSjis)) return NewPanelRefusal::BitmapNameNotInside;
  if (IsTableFileName(bitmapNameSjis)) return NewPanelRefusal::BitmapNameIsTable;
  return NewPanelRefusal::None;
}

std::string InitialTableFile(const std::string& bitmapNameSjis, int cellWidth, int cellHeight, int columns,
                             int rows) {
  std::string file = bitmapNameSjis + "\r\n";
  file += std::to_string(cellWidth) + "," + std::to_string(cellHeight) + "," + std::to_string(columns) + "," +
          std::to_string(rows) + "\r\n";
  const std::string row(static_cast<size_t>(columns) * 4, ' ');
  for (int y = 0; y < rows; ++y) file += row + "\r\n";
  file += "\r\n";
  file += std::string(kInfraredSectionMarker) + "\r\n";
  file += std::string(kSectionEnd) + "\r\n";
  return file;
}

}  // namespace panel
