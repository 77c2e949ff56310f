#include "table/PanelNames.h"

namespace panel {

std::string TableFileName(char identifier) { return kTableFilePrefix + std::string(1, identifier) + ".tbl"; }

std::string DefaultBitmapName(char identifier) { return kTableFilePrefix + std::string(1, identifier) + ".bmp"; }

std::string TablePathIn(std::string_view folderSjis, char identifier) {
  return std::string(folderSjis) + "\\" + TableFileName(identifier);
}

}  // namespace panel
