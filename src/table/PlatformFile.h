#pragma once
#include <cstdio>
#include <memory>
#include <string>

// Opens a file named by a Shift-JIS path; mode as for fopen ("rb", "wb").
// Returns nullptr on failure. One implementation per platform.
std::FILE* OpenFileSjis(const std::string& pathSjis, const char* mode);

struct FileCloser {
  void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;
