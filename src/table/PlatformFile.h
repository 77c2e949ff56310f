#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace panel {

// Opens a file named by a Shift-JIS path; mode as for fopen ("rb", "wb").
// Returns nullptr on failure. One implementation per platform.
std::FILE* OpenFileSjis(const std::string& pathSjis, const char* mode);

// Writes `bytes` to "~" + the file's name + ".tmp" beside it, then moves that
// over the file, so that a failure or a kill never leaves the file torn; a
// temporary left by a killed write is replaced by the next write of the same
// file. False when the file keeps its previous content.
bool WriteFileReplacingSjis(const std::string& pathSjis, std::string_view bytes);

struct FileCloser {
  void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace panel
