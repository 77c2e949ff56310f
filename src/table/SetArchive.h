#pragma once
// The archive of a panel set: every file the set keeps in the work folder, in
// one zip file, for a backup or another PC. It holds a list of its own files
// first; an archive without that list, or whose list does not match what it
// holds, is not one of ours.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/FolderFiles.h"

namespace panel {

struct ArchiveFile {
  std::string name;   // relative to the work folder, parts separated by '\'
  std::string bytes;
};

// What an archive may hold at most, unpacked, and its own size at most: the
// set stays well inside them, and a 32-bit process can hold both at once.
inline constexpr std::size_t kMaxArchiveFiles = 4096;
inline constexpr std::size_t kMaxArchiveBytes = std::size_t{128} << 20;
inline constexpr std::size_t kMaxArchiveFileBytes = kMaxArchiveBytes + (std::size_t{16} << 20);

// "パネル一式-YYYYMMDD.zip" for the timestamp "YYYYMMDD-HHMMSS".
std::string ArchiveFileName(std::string_view timestamp);

// A name the archive may carry: inside the work folder (IsNameInsideFolder),
// and none of our own temporaries, step records, the publish history, the
// recovery copies of unsaved work or an earlier archive of ours.
bool IsArchiveMemberName(std::string_view nameSjis);

// The set's files in the work folder and its subfolders, names relative to it.
std::vector<std::string> SetFileNames(IFolderFiles& files, const std::string& work);

// The zip file's bytes; nothing when a name cannot be stored.
std::optional<std::string> PackArchive(const std::vector<ArchiveFile>& files, std::string_view timestamp);

enum class ArchiveProblem {
  None,
  Damaged,      // not a zip file, cut short, or a file's check sum is wrong
  NotOurs,      // no list of ours, or it does not match the files
  NameOutside,  // a name that would leave the work folder or is not the set's
  TooLarge,     // more files or bytes than a set has
};

struct UnpackedArchive {
  ArchiveProblem problem = ArchiveProblem::None;
  std::string badName;  // for NameOutside
  std::vector<ArchiveFile> files;
};

// The files of an archive, every one checked; none unless all are sound.
UnpackedArchive UnpackArchive(std::string bytes);

}  // namespace panel
