#include "winui/FolderTree.h"

namespace winui {

namespace {

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A junction is removed, never entered: what it points to is not ours.
bool IsLink(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

void CollectFiles(const std::wstring& folder, const std::wstring& prefix, std::vector<std::wstring>& out) {
  for (const std::wstring& name : FolderEntries(folder)) {
    const std::wstring path = folder + L"\\" + name;
    if (IsFolder(path)) {
      if (IsLink(path)) continue;
      CollectFiles(path, prefix + name + L"\\", out);
    } else {
      out.push_back(prefix + name);
    }
  }
}

}  // namespace

std::vector<std::wstring> FolderEntries(const std::wstring& folder, bool foldersOnly) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  FindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &data));
  if (find.Get() == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (foldersOnly && !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    names.push_back(name);
  } while (FindNextFileW(find.Get(), &data));
  return names;
}

std::vector<std::wstring> FilesUnder(const std::wstring& folder) {
  std::vector<std::wstring> files;
  CollectFiles(folder, L"", files);
  return files;
}

void RemoveTree(const std::wstring& path) {
  if (IsFolder(path)) {
    if (!IsLink(path)) {
      for (const std::wstring& name : FolderEntries(path)) RemoveTree(path + L"\\" + name);
    }
    RemoveDirectoryW(path.c_str());
    return;
  }
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(path.c_str());
}

}  // namespace winui
