#include "table/PlatformFile.h"

// Native builds take the path bytes as the file system's own.
std::FILE* OpenFileSjis(const std::string& pathSjis, const char* mode) {
  return std::fopen(pathSjis.c_str(), mode);
}
