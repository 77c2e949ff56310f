#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "table/PlatformFile.h"

namespace panel {

// Native builds take the path bytes as the file system's own.
std::FILE* OpenFileSjis(const std::string& pathSjis, const char* mode) {
  // A NUL inside would silently name a different, shorter path.
  if (pathSjis.find('\0') != std::string::npos) return nullptr;
  return std::fopen(pathSjis.c_str(), mode);
}

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return ::fsync(fd) == 0;
}

}  // namespace

bool WriteFileReplacingSjis(const std::string& pathSjis, std::string_view bytes) {
  if (pathSjis.empty() || pathSjis.find('\0') != std::string::npos) return false;
  const size_t slash = pathSjis.find_last_of('/');
  const size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
  const std::string temp = pathSjis.substr(0, nameAt) + "~" + pathSjis.substr(nameAt) + ".tmp";
  std::remove(temp.c_str());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  if (::close(fd) == 0 && written && std::rename(temp.c_str(), pathSjis.c_str()) == 0) return true;
  std::remove(temp.c_str());
  return false;
}

}  // namespace panel
