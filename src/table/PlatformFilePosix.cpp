#include "table/PlatformFile.h"

// Native builds take the path bytes as the file system's own.
std::FILE* OpenFileSjis(const std::string& pathSjis, const char* mode) {
  // A NUL inside would silently name a different, shorter path.
  if (pathSjis.find('\0') != std::string::npos) return nullptr;
  return std::fopen(pathSjis.c_str(), mode);
}
