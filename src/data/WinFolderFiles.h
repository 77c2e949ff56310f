#pragma once
// The file primitives of the table core (IFolderFiles) on real files, mixed
// into each platform environment: `Interface` is IFolderFiles or an interface
// derived from it. A failed primitive leaves the system's reason in
// LastFailure() for the report that follows.
#include <optional>
#include <string>
#include <vector>

#include "table/FolderFiles.h"

namespace winfiles {

// Nothing, with the system's reason in `why`, when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& pathSjis, std::wstring& why);
// Each returns "" or the system's reason.
std::wstring WriteWholeFile(const std::string& pathSjis, const std::string& bytes);
std::wstring CopyReplacing(const std::string& fromSjis, const std::string& toSjis);
std::wstring MoveReplacing(const std::string& fromSjis, const std::string& toSjis);
std::wstring MakeFolder(const std::string& pathSjis);
std::wstring RemoveFile(const std::string& pathSjis);
bool FileExists(const std::string& pathSjis);
std::vector<std::string> FolderNames(const std::string& folderSjis);
void RemoveTree(const std::string& pathSjis);
std::string LocalTimestamp();

}  // namespace winfiles

template <class Interface>
class WinFolderFiles : public Interface {
 public:
  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    std::wstring why;
    std::optional<std::string> bytes = winfiles::ReadWholeFile(path, why);
    Kept(std::move(why));
    return bytes;
  }
  bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
    return Kept(winfiles::WriteWholeFile(path, bytes));
  }
  bool CopyReplacing(const std::string& from, const std::string& to) override {
    return Kept(winfiles::CopyReplacing(from, to));
  }
  bool MoveReplacing(const std::string& from, const std::string& to) override {
    return Kept(winfiles::MoveReplacing(from, to));
  }
  bool MakeFolder(const std::string& path) override { return Kept(winfiles::MakeFolder(path)); }
  bool RemoveFile(const std::string& path) override { return Kept(winfiles::RemoveFile(path)); }
  bool FileExists(const std::string& path) override { return winfiles::FileExists(path); }
  std::vector<std::string> FolderNames(const std::string& folder) override { return winfiles::FolderNames(folder); }
  void RemoveTree(const std::string& path) override { winfiles::RemoveTree(path); }
  std::string Timestamp() override { return winfiles::LocalTimestamp(); }

  const std::wstring& LastFailure() const { return lastFailure_; }

 private:
  // Only failures are kept: putting files back after one must not hide its reason.
  bool Kept(std::wstring reason) {
    if (reason.empty()) return true;
    lastFailure_ = std::move(reason);
    return false;
  }

  std::wstring lastFailure_;
};
