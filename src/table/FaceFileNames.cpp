#include "table/FaceFileNames.h"

namespace panel {

namespace {

std::string_view Stem(std::string_view tableName) {
  if (tableName.size() > 4 && tableName.substr(tableName.size() - 4) == ".tbl") tableName.remove_suffix(4);
  return tableName;
}

}  // namespace

std::string FaceFileNameOf(std::string_view tableName) { return std::string(Stem(tableName)) + ".faces.txt"; }

std::string FaceBackgroundNameOf(std::string_view tableName) {
  return std::string(kFacePicturesFolder) + "\\" + std::string(Stem(tableName)) + "-\x94\x77\x8c\x69.bmp";  // "背景"
}

}  // namespace panel
