#pragma once
// Listing and removing folders by UTF-16 path.
#include <windows.h>

#include <string>
#include <vector>

namespace winui {

// A FindFirstFileW search, closed when it goes.
class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : handle_(h) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

// Names of the files and folders directly in `folder`, without "." and "..".
std::vector<std::wstring> FolderEntries(const std::wstring& folder, bool foldersOnly = false);
// Paths of the files under `folder`, relative to it, at any depth.
std::vector<std::wstring> FilesUnder(const std::wstring& folder);
// Removes `path` with everything in it, read-only files too; what cannot be
// removed stays.
void RemoveTree(const std::wstring& path);

}  // namespace winui
