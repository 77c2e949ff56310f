#pragma once
// Listing and removing folders by UTF-16 path.
#include <windows.h>

#include <string>
#include <vector>

namespace winui {

// Names of the files and folders directly in `folder`, without "." and "..".
std::vector<std::wstring> FolderEntries(const std::wstring& folder, bool foldersOnly = false);
// Paths of the files under `folder`, relative to it, at any depth.
std::vector<std::wstring> FilesUnder(const std::wstring& folder);
// Removes `path` with everything in it, read-only files too; what cannot be
// removed stays.
void RemoveTree(const std::wstring& path);

}  // namespace winui
