#include "table/SetArchive.h"

#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "table/PanelSetTexts.h"
#include "table/PublishHistory.h"
#include "table/RecoveryCopy.h"
#include "table/SjisPath.h"
#include "table/TableChecks.h"

namespace panel {

namespace {

// The list of our own, the archive's first member.
constexpr char kManifestName[] = "~panel-set.txt";
constexpr char kManifestHead[] = "panel-set 1";

// An archive held in memory behind minizip's file functions.
struct MemoryStream {
  std::string data;
  std::size_t at = 0;
  bool failed = false;
};

voidpf ZCALLBACK OpenStream(voidpf opaque, const void*, int) { return opaque; }

uLong ZCALLBACK ReadStream(voidpf, voidpf stream, void* buf, uLong size) {
  auto* s = static_cast<MemoryStream*>(stream);
  const std::size_t n = std::min<std::size_t>(size, s->at < s->data.size() ? s->data.size() - s->at : 0);
  if (n) std::memcpy(buf, s->data.data() + s->at, n);
  s->at += n;
  return static_cast<uLong>(n);
}

uLong ZCALLBACK WriteStream(voidpf, voidpf stream, const void* buf, uLong size) {
  auto* s = static_cast<MemoryStream*>(stream);
  if (s->at > s->data.size()) s->data.resize(s->at);
  s->data.replace(s->at, std::min<std::size_t>(size, s->data.size() - s->at), static_cast<const char*>(buf), size);
  s->at += size;
  return size;
}

ZPOS64_T ZCALLBACK TellStream(voidpf, voidpf stream) { return static_cast<MemoryStream*>(stream)->at; }

long ZCALLBACK SeekStream(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* s = static_cast<MemoryStream*>(stream);
  const ZPOS64_T base = origin == ZLIB_FILEFUNC_SEEK_CUR ? s->at
                        : origin == ZLIB_FILEFUNC_SEEK_END ? s->data.size()
                                                           : 0;
  if (base + offset > s->data.size()) return -1;
  s->at = static_cast<std::size_t>(base + offset);
  return 0;
}

int ZCALLBACK CloseStream(voidpf, voidpf) { return 0; }
int ZCALLBACK StreamError(voidpf, voidpf stream) { return static_cast<MemoryStream*>(stream)->failed ? 1 : 0; }

zlib_filefunc64_def MemoryFunctions(MemoryStream& stream) {
  return {OpenStream, ReadStream, WriteStream, TellStream, SeekStream, CloseStream, StreamError, &stream};
}

// Zip names separate with '/': only a '\' that is a character of its own changes.
std::string Separated(std::string_view name, char from, char to) {
  std::string out(name);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (IsSjisLeadByte(static_cast<unsigned char>(out[i])) && i + 1 < out.size()) {
      ++i;
    } else if (out[i] == from) {
      out[i] = to;
    }
  }
  return out;
}

std::vector<std::string> Parts(std::string_view name) {
  std::vector<std::string> parts;
  for (std::size_t cut; (cut = FirstSjisBackslash(name)) != std::string_view::npos; name.remove_prefix(cut + 1)) {
    parts.emplace_back(name.substr(0, cut));
  }
  parts.emplace_back(name);
  return parts;
}

void CollectFiles(IFolderFiles& files, const std::string& folder, const std::string& prefix,
                  std::vector<std::string>& out) {
  for (const std::string& name : files.FolderNames(folder)) {
    const std::string relative = prefix + name;
    if (!IsArchiveMemberName(relative)) continue;
    if (files.FileExists(folder + "\\" + name)) {
      out.push_back(relative);
    } else {
      CollectFiles(files, folder + "\\" + name, relative + "\\", out);
    }
  }
}

bool AddMember(zipFile zip, const std::string& name, const std::string& bytes, const zip_fileinfo& info) {
  if (zipOpenNewFileInZip64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                            Z_DEFAULT_COMPRESSION, bytes.size() >= 0xffffffffu) != ZIP_OK) {
    return false;
  }
  const bool written = zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size())) == ZIP_OK;
  return zipCloseFileInZip(zip) == ZIP_OK && written;
}

int Digits(std::string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count && i < text.size(); ++i) value = value * 10 + (text[i] - '0');
  return value;
}

// The manifest's names, or nothing when it is not ours.
std::optional<std::vector<std::string>> ManifestNames(const std::string& text) {
  std::vector<std::string> names;
  std::size_t at = 0;
  bool head = false;
  while (at < text.size()) {
    std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) return std::nullopt;
    const std::string line = text.substr(at, end - at);
    at = end + 2;
    if (!head) {
      if (line != kManifestHead) return std::nullopt;
      head = true;
    } else if (line.rfind("file=", 0) == 0) {
      names.push_back(line.substr(5));
    } else {
      return std::nullopt;
    }
  }
  if (!head) return std::nullopt;
  return names;
}

// One member read whole; its check sum is tested on closing.
ArchiveProblem ReadMember(unzFile zip, std::size_t& budget, ArchiveFile& file) {
  unz_file_info64 info{};
  char name[1024];
  if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) {
    return ArchiveProblem::Damaged;
  }
  if (info.size_filename >= sizeof name) return ArchiveProblem::NotOurs;
  if (info.uncompressed_size > budget) return ArchiveProblem::TooLarge;
  budget -= static_cast<std::size_t>(info.uncompressed_size);
  file.name.assign(name, info.size_filename);
  if (unzOpenCurrentFile(zip) != UNZ_OK) return ArchiveProblem::Damaged;
  // Grown as the bytes come, not by the size the header claims.
  std::vector<char> chunk(std::size_t{1} << 16);
  int n = 0;
  while ((n = unzReadCurrentFile(zip, chunk.data(), static_cast<unsigned>(chunk.size()))) > 0) {
    file.bytes.append(chunk.data(), static_cast<std::size_t>(n));
  }
  const bool whole = n == 0 && file.bytes.size() == info.uncompressed_size;
  const bool sound = unzCloseCurrentFile(zip) == UNZ_OK;
  return whole && sound ? ArchiveProblem::None : ArchiveProblem::Damaged;
}

UnpackedArchive Refused(ArchiveProblem problem, std::string name = {}) { return {problem, std::move(name), {}}; }

}  // namespace

std::string ArchiveFileName(std::string_view timestamp) {
  return std::string(kArchiveNamePrefix) + std::string(timestamp.substr(0, 8)) + ".zip";
}

bool IsArchiveMemberName(std::string_view nameSjis) {
  if (!IsNameInsideFolder(nameSjis)) return false;
  const std::vector<std::string> parts = Parts(nameSjis);
  // Both belong to this PC: what was published from it, and its unsaved work.
  if (parts.front() == kHistoryFolderName || parts.front() == kRecoveryFolderName) return false;
  // An archive saved into the work folder is no part of the next one.
  const std::string& last = parts.back();
  if (last.rfind(kArchiveNamePrefix, 0) == 0 && last.size() > 4 && last.substr(last.size() - 4) == ".zip") return false;
  return std::none_of(parts.begin(), parts.end(), [](const std::string& part) { return part.front() == '~'; });
}

std::vector<std::string> SetFileNames(IFolderFiles& files, const std::string& work) {
  std::vector<std::string> names;
  CollectFiles(files, work, "", names);
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<std::string> PackArchive(const std::vector<ArchiveFile>& files, std::string_view timestamp) {
  std::string manifest = std::string(kManifestHead) + "\r\n";
  for (const ArchiveFile& file : files) manifest += "file=" + file.name + "\r\n";
  zip_fileinfo info{};
  info.tmz_date = {Digits(timestamp, 13, 2), Digits(timestamp, 11, 2), Digits(timestamp, 9, 2),
                   Digits(timestamp, 6, 2), std::max(Digits(timestamp, 4, 2) - 1, 0), Digits(timestamp, 0, 4)};
  MemoryStream stream;
  zlib_filefunc64_def functions = MemoryFunctions(stream);
  zipFile zip = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions);
  if (!zip) return std::nullopt;
  bool added = AddMember(zip, kManifestName, manifest, info);
  for (const ArchiveFile& file : files) {
    added = added && IsArchiveMemberName(file.name) && AddMember(zip, Separated(file.name, '\\', '/'), file.bytes, info);
  }
  if (zipClose(zip, nullptr) != ZIP_OK || !added) return std::nullopt;
  return std::move(stream.data);
}

UnpackedArchive UnpackArchive(std::string bytes) {
  MemoryStream stream{std::move(bytes)};
  zlib_filefunc64_def functions = MemoryFunctions(stream);
  unzFile zip = unzOpen2_64("", &functions);
  if (!zip) return Refused(ArchiveProblem::Damaged);
  struct Closer {
    unzFile zip;
    ~Closer() { unzClose(zip); }
  } closer{zip};

  unz_global_info64 global{};
  if (unzGetGlobalInfo64(zip, &global) != UNZ_OK) return Refused(ArchiveProblem::Damaged);
  if (global.number_entry > kMaxArchiveFiles + 1) return Refused(ArchiveProblem::TooLarge);
  if (global.number_entry == 0) return Refused(ArchiveProblem::NotOurs);
  std::size_t budget = kMaxArchiveBytes;
  ArchiveFile manifest;
  if (unzGoToFirstFile(zip) != UNZ_OK) return Refused(ArchiveProblem::Damaged);
  if (const ArchiveProblem problem = ReadMember(zip, budget, manifest); problem != ArchiveProblem::None) {
    return Refused(problem);
  }
  const std::optional<std::vector<std::string>> listed =
      manifest.name == kManifestName ? ManifestNames(manifest.bytes) : std::nullopt;
  if (!listed || listed->size() + 1 != global.number_entry) return Refused(ArchiveProblem::NotOurs);

  UnpackedArchive unpacked;
  std::set<std::string> seen;
  for (const std::string& name : *listed) {
    if (unzGoToNextFile(zip) != UNZ_OK) return Refused(ArchiveProblem::Damaged);
    ArchiveFile file;
    if (const ArchiveProblem problem = ReadMember(zip, budget, file); problem != ArchiveProblem::None) {
      return Refused(problem);
    }
    file.name = Separated(file.name, '/', '\\');
    if (!IsArchiveMemberName(file.name)) return Refused(ArchiveProblem::NameOutside, file.name);
    if (file.name != name || !seen.insert(name).second) return Refused(ArchiveProblem::NotOurs);
    unpacked.files.push_back(std::move(file));
  }
  return unpacked;
}

}  // namespace panel
