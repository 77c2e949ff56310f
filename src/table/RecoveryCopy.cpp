#include "table/RecoveryCopy.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace panel {

namespace {

constexpr std::string_view kManifestName = "manifest.txt";
constexpr std::string_view kFirstLine = "PanelEditor recovery 1";
constexpr std::string_view kDamagedSuffix = ".damaged";

struct Manifest {
  std::string tablePath;
  std::string writtenAt;
  std::string extraText;
  int slot = 0;
  std::size_t tableSize = 0;
  std::uint64_t tableSum = 0;
  std::size_t bitmapSize = 0;
  std::uint64_t bitmapSum = 0;
};

// FNV-1a: damage shows, no attacker is assumed.
std::uint64_t Checksum(std::string_view bytes) {
  std::uint64_t sum = 14695981039346656037ull;
  for (const char c : bytes) sum = (sum ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return sum;
}

std::string TablePathIn(const std::string& folder, int slot) { return folder + "\\table" + std::to_string(slot) + ".tbl"; }
std::string BitmapPathIn(const std::string& folder, int slot) { return folder + "\\bitmap" + std::to_string(slot) + ".bmp"; }

std::string SizeAndSum(std::string_view bytes) {
  char sum[17] = {};
  std::to_chars(sum, sum + 16, Checksum(bytes), 16);
  return std::to_string(bytes.size()) + "," + sum;
}

template <class Number>
bool ParseNumber(std::string_view text, Number& value, int base = 10) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const char c : bytes) {
    hex.push_back(kDigits[static_cast<unsigned char>(c) >> 4]);
    hex.push_back(kDigits[static_cast<unsigned char>(c) & 15]);
  }
  return hex;
}

bool ParseHex(std::string_view hex, std::string& bytes) {
  if (hex.size() % 2) return false;
  for (size_t i = 0; i < hex.size(); i += 2) {
    unsigned value = 0;
    if (!ParseNumber(hex.substr(i, 2), value, 16)) return false;
    bytes.push_back(static_cast<char>(value));
  }
  return true;
}

bool ParseSizeAndSum(std::string_view text, std::size_t& size, std::uint64_t& sum) {
  const size_t comma = text.find(',');
  return comma != std::string_view::npos && ParseNumber(text.substr(0, comma), size) &&
         ParseNumber(text.substr(comma + 1), sum, 16);
}

std::optional<Manifest> ParseManifest(std::string_view text) {
  Manifest manifest;
  int fields = 0;
  bool first = true;
  bool ended = false;
  while (!text.empty() && !ended) {
    const size_t end = text.find("\r\n");
    if (end == std::string_view::npos) return std::nullopt;  // cut short
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 2);
    if (first) {
      if (line != kFirstLine) return std::nullopt;
      first = false;
      continue;
    }
    if (line == "end") {
      ended = true;
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    const std::string_view key = line.substr(0, eq);
    const std::string_view value = line.substr(eq + 1);
    bool ok = true;
    if (key == "table") {
      manifest.tablePath = value;
    } else if (key == "written") {
      manifest.writtenAt = value;
    } else if (key == "extra") {
      ok = ParseHex(value, manifest.extraText);
    } else if (key == "slot") {
      ok = ParseNumber(value, manifest.slot) && (manifest.slot == 1 || manifest.slot == 2);
    } else if (key == "tbl") {
      ok = ParseSizeAndSum(value, manifest.tableSize, manifest.tableSum);
    } else if (key == "bmp") {
      ok = ParseSizeAndSum(value, manifest.bitmapSize, manifest.bitmapSum);
    } else {
      ok = false;
    }
    if (!ok) return std::nullopt;
    ++fields;
  }
  if (!ended || fields != 6 || manifest.tablePath.empty()) return std::nullopt;
  return manifest;
}

bool Matches(const std::optional<std::string>& bytes, std::size_t size, std::uint64_t sum) {
  return bytes && bytes->size() == size && Checksum(*bytes) == sum;
}

}  // namespace

std::string RecoveryFolderOf(const std::string& workFolderSjis) { return workFolderSjis + "\\" + kRecoveryFolderName; }

bool WriteRecoveryCopy(IFolderFiles& files, const std::string& copyFolder, const RecoveryContent& content) {
  const std::string manifestPath = copyFolder + "\\" + std::string(kManifestName);
  const std::string parent = copyFolder.substr(0, copyFolder.rfind('\\'));  // the copy's own name is ASCII
  if (!files.MakeFolder(parent) || !files.MakeFolder(copyFolder)) return false;
  int previous = 0;
  if (const std::optional<std::string> old = files.ReadWholeFile(manifestPath)) {
    if (const std::optional<Manifest> manifest = ParseManifest(*old)) previous = manifest->slot;
  }
  const int slot = previous == 1 ? 2 : 1;
  if (!files.WriteWholeFile(TablePathIn(copyFolder, slot), content.tableBytes) ||
      !files.WriteWholeFile(BitmapPathIn(copyFolder, slot), content.bitmapBytes)) {
    return false;
  }
  const std::string manifest = std::string(kFirstLine) + "\r\ntable=" + content.tablePath + "\r\nwritten=" +
                               files.Timestamp() + "\r\nextra=" + Hex(content.extraText) +
                               "\r\nslot=" + std::to_string(slot) + "\r\ntbl=" + SizeAndSum(content.tableBytes) +
                               "\r\nbmp=" + SizeAndSum(content.bitmapBytes) + "\r\nend\r\n";
  if (!files.WriteWholeFile(manifestPath, manifest)) return false;
  // The other slot's files are stale now; failing to remove them harms nothing.
  files.RemoveFile(TablePathIn(copyFolder, 3 - slot));
  files.RemoveFile(BitmapPathIn(copyFolder, 3 - slot));
  return true;
}

RecoveryCopy ReadRecoveryCopy(IFolderFiles& files, const std::string& copyFolder, bool wholeFiles) {
  RecoveryCopy copy;
  const std::optional<std::string> text = files.ReadWholeFile(copyFolder + "\\" + std::string(kManifestName));
  if (!text) return copy;
  copy.state = RecoveryState::Damaged;
  const std::optional<Manifest> manifest = ParseManifest(*text);
  if (!manifest) return copy;
  copy.tablePath = manifest->tablePath;
  copy.writtenAt = manifest->writtenAt;
  copy.extraText = manifest->extraText;
  copy.bitmapPath = BitmapPathIn(copyFolder, manifest->slot);
  if (wholeFiles) {
    std::optional<std::string> table = files.ReadWholeFile(TablePathIn(copyFolder, manifest->slot));
    if (!Matches(table, manifest->tableSize, manifest->tableSum) ||
        !Matches(files.ReadWholeFile(copy.bitmapPath), manifest->bitmapSize, manifest->bitmapSum)) {
      return copy;
    }
    copy.tableBytes = std::move(*table);
  }
  copy.state = RecoveryState::Whole;
  return copy;
}

std::vector<std::string> RecoveryCopyFolders(IFolderFiles& files, const std::string& recoveryFolder) {
  std::vector<std::string> folders;
  for (const std::string& name : files.FolderNames(recoveryFolder)) {
    const bool setAside = name.size() > kDamagedSuffix.size() &&
                          name.compare(name.size() - kDamagedSuffix.size(), std::string::npos, kDamagedSuffix) == 0;
    if (!setAside && !IsTemporaryName(name)) folders.push_back(recoveryFolder + "\\" + name);
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

std::string NewRecoveryCopyFolder(IFolderFiles& files, const std::string& recoveryFolder) {
  const std::vector<std::string> names = files.FolderNames(recoveryFolder);
  const std::string stamp = files.Timestamp();
  for (int n = 1;; ++n) {
    const std::string name = stamp + "-" + std::to_string(n);
    if (std::find(names.begin(), names.end(), name) == names.end()) return recoveryFolder + "\\" + name;
  }
}

bool SetAsideDamaged(IFolderFiles& files, const std::string& copyFolder) {
  return files.MoveReplacing(copyFolder, copyFolder + std::string(kDamagedSuffix));
}

}  // namespace panel
