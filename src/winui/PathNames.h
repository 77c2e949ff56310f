#pragma once
// The Win32 side of naming files: Shift-JIS paths for the W functions, whether
// a file is there, and names compared by the file system itself.
#include <optional>
#include <string>
#include <string_view>

#include "table/FileNames.h"

namespace winui {

// Shift-JIS path to UTF-16 through code page 932; nothing when the bytes are
// not valid Shift-JIS or hold a NUL, so that no file is ever opened under a
// mangled or shortened name.
std::optional<std::wstring> SjisPathToWide(std::string_view pathSjis);

// It exists if the file system has it: a file held open, locked or unreadable
// counts; a folder does not. A path the system cannot look at for another
// reason than absence also counts, so that nothing is replaced unasked.
bool FileExists(const std::wstring& path);
bool FileExistsSjis(std::string_view pathSjis);

// Names of one folder compared by the system: when both files exist, whether
// they are the one file; otherwise as the system compares names (trailing dots
// and blanks dropped, the case of every letter it knows ignored).
class FolderFileNames : public panel::IFileNames {
 public:
  explicit FolderFileNames(std::string folderSjis) : folder_(std::move(folderSjis)) {}
  bool SameFile(std::string_view aSjis, std::string_view bSjis) const override;

 private:
  std::string folder_;
};

}  // namespace winui
