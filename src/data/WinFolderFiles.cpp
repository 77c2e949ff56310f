#include "data/WinFolderFiles.h"

#include <windows.h>

#include <cstdio>

#include "table/TableFileReader.h"
#include "winui/FolderTree.h"
#include "winui/SafeFile.h"
#include "winui/TextConv.h"

namespace winfiles {

namespace {

// The steps read whole files only to take tables (and a step's record) apart,
// or to see whether a bitmap is already in place: the table limit keeps an
// outsized file from exhausting a 32-bit process; a bitmap beyond it is just
// published again.
constexpr std::size_t kMaxReadBytes = panel::kMaxTableFileBytes;

std::wstring InvalidName() { return winui::SystemErrorText(ERROR_INVALID_NAME); }

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& pathSjis, std::wstring& why) {
  const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
  std::vector<std::uint8_t> bytes;
  why = path ? winui::ReadWholeFile(*path, bytes, kMaxReadBytes) : InvalidName();
  if (!why.empty()) return std::nullopt;
  return std::string(bytes.begin(), bytes.end());
}

std::wstring WriteWholeFile(const std::string& pathSjis, const std::string& bytes) {
  const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
  return path ? winui::WriteFileReplacing(*path, bytes.data(), bytes.size()) : InvalidName();
}

std::wstring CopyReplacing(const std::string& fromSjis, const std::string& toSjis) {
  const std::optional<std::wstring> from = winui::SjisPathToWide(fromSjis);
  const std::optional<std::wstring> to = winui::SjisPathToWide(toSjis);
  return from && to ? winui::CopyFileReplacing(*from, *to) : InvalidName();
}

std::wstring MoveReplacing(const std::string& fromSjis, const std::string& toSjis) {
  const std::optional<std::wstring> from = winui::SjisPathToWide(fromSjis);
  const std::optional<std::wstring> to = winui::SjisPathToWide(toSjis);
  return from && to ? winui::MoveReplacing(*from, *to) : InvalidName();
}

std::wstring MakeFolder(const std::string& pathSjis) {
  const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
  return path ? winui::MakeFolder(*path) : InvalidName();
}

std::wstring RemoveFile(const std::string& pathSjis) {
  const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
  return path ? winui::RemoveFile(*path) : InvalidName();
}

bool FileExists(const std::string& pathSjis) { return winui::FileExistsSjis(pathSjis); }

std::vector<std::string> FolderNames(const std::string& folderSjis) {
  std::vector<std::string> names;
  const std::optional<std::wstring> folder = winui::SjisPathToWide(folderSjis);
  if (!folder) return names;
  for (const std::wstring& name : winui::FolderEntries(*folder)) {
    if (std::optional<std::string> sjis = winui::WideToSjis(name)) names.push_back(std::move(*sjis));
  }
  return names;
}

void RemoveTree(const std::string& pathSjis) {
  if (const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis)) winui::RemoveTree(*path);
}

std::string LocalTimestamp() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char text[32];
  std::snprintf(text, sizeof text, "%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
                now.wMinute, now.wSecond);
  return text;
}

}  // namespace winfiles
