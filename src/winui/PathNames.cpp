#include "winui/PathNames.h"

#include <windows.h>

#include "winui/TextConv.h"

using namespace panel;

namespace winui {

std::optional<std::wstring> SjisPathToWide(std::string_view pathSjis) {
  if (pathSjis.empty()) return std::nullopt;
  std::optional<std::wstring> wide = SjisToWideStrict(pathSjis);
  if (!wide || wide->find(L'\0') != std::wstring::npos) return std::nullopt;
  return wide;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_NOT_READY:
    case ERROR_DIRECTORY:
      return false;
    default:
      return true;  // there, but closed to us (access denied, sharing violation, ...)
  }
}

bool FileExistsSjis(std::string_view pathSjis) {
  const std::optional<std::wstring> path = SjisPathToWide(pathSjis);
  return path && FileExists(*path);
}

namespace {

struct FileIdentity {
  DWORD volume = 0, indexHigh = 0, indexLow = 0;
  bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const std::wstring& path) {
  // No access asked: a file held open by another program still answers.
  const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileInformationByHandle(file, &info) != FALSE;
  CloseHandle(file);
  if (!known) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

}  // namespace

bool FolderFileNames::SameFile(std::string_view aSjis, std::string_view bSjis) const {
  const std::optional<std::wstring> a = SjisPathToWide(WithoutTrailingDotsAndBlanks(aSjis));
  const std::optional<std::wstring> b = SjisPathToWide(WithoutTrailingDotsAndBlanks(bSjis));
  if (!a || !b) return aSjis == bSjis;
  if (const std::optional<std::wstring> folder = SjisPathToWide(folder_)) {
    const std::optional<FileIdentity> first = IdentityOf(*folder + L"\\" + *a);
    const std::optional<FileIdentity> second = first ? IdentityOf(*folder + L"\\" + *b) : std::nullopt;
    if (first && second) return *first == *second;
  }
  return CompareStringOrdinal(a->c_str(), static_cast<int>(a->size()), b->c_str(), static_cast<int>(b->size()),
                              TRUE) == CSTR_EQUAL;
}

}  // namespace winui
