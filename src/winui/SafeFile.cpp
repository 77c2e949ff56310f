#include "winui/SafeFile.h"

#include <algorithm>

namespace winui {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : handle_(h) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE Get() const { return handle_; }
  bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() {
    if (!IsValid()) return true;
    const bool ok = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE handle_;
};

// The new content is written to "~" + the target's name + ".tmp" beside it and
// deleted unless it has been moved into place. Named after its target, a
// temporary that a killed save left behind is removed by the next save of the
// same file instead of piling up; the "~" keeps it out of the "機器操作?.tbl"
// lists.
class TempFile {
 public:
  explicit TempFile(const std::wstring& target) {
    const size_t slash = target.find_last_of(L"\\/");
    const size_t nameAt = slash == std::wstring::npos ? 0 : slash + 1;
    path_ = target.substr(0, nameAt) + L"~" + target.substr(nameAt) + L".tmp";
  }
  ~TempFile() {
    if (!path_.empty()) Remove();
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  // A leftover may have been made read-only meanwhile; it goes either way.
  void Remove() const {
    SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path_.c_str());
  }
  const std::wstring& Path() const { return path_; }
  void Committed() { path_.clear(); }

 private:
  std::wstring path_;
};

std::wstring Reason(DWORD code) { return SystemErrorText(code); }

std::wstring LastErrorReason() { return Reason(GetLastError()); }

// Windows refuses to replace a read-only file or one held open without delete
// sharing; Wine replaces a read-only one. Checked here so both behave alike.
DWORD CheckReplaceable(const std::wstring& target) {
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return ERROR_SUCCESS;  // new file
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return ERROR_ACCESS_DENIED;
  FileHandle probe(CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!probe.IsValid()) return GetLastError();
  return ERROR_SUCCESS;
}

std::wstring WriteAll(const std::wstring& path, const void* data, std::size_t size) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
  if (!file.IsValid()) return LastErrorReason();
  const auto* p = static_cast<const std::uint8_t*>(data);
  while (size > 0) {
    const DWORD chunk = size > (1u << 20) ? (1u << 20) : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(file.Get(), p, chunk, &written, nullptr)) return LastErrorReason();
    if (written == 0) return Reason(ERROR_DISK_FULL);
    p += written;
    size -= written;
  }
  if (!FlushFileBuffers(file.Get()) || !file.Close()) return LastErrorReason();
  return {};
}

}  // namespace

std::wstring SystemErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text;
  if (n && buffer) text.assign(buffer, n);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  if (text.empty()) text = L"エラー番号 " + std::to_wstring(code);
  return text;
}

namespace {

// For reading; others may read and write the file meanwhile.
FileHandle OpenForReading(const std::wstring& path) {
  return FileHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Up to `count` bytes from the start of an open file; fewer when it shrank
// while being read.
std::wstring ReadUpTo(HANDLE file, std::size_t count, std::vector<std::uint8_t>& out) {
  std::vector<std::uint8_t> bytes(count);
  size_t done = 0;
  while (done < bytes.size()) {
    const size_t left = bytes.size() - done;
    DWORD got = 0;
    if (!ReadFile(file, bytes.data() + done, left > (1u << 20) ? (1u << 20) : static_cast<DWORD>(left), &got,
                  nullptr)) {
      return LastErrorReason();
    }
    if (got == 0) break;
    done += got;
  }
  bytes.resize(done);
  out.swap(bytes);
  return {};
}

}  // namespace

std::wstring ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& out, std::size_t maxBytes) {
  std::uint64_t size = 0;
  return ReadFileHead(path, maxBytes, out, size, maxBytes);
}

std::wstring ReadFileHead(const std::wstring& path, std::size_t headBytes, std::vector<std::uint8_t>& out,
                          std::uint64_t& fileSize, std::size_t maxBytes) {
  FileHandle file = OpenForReading(path);
  if (!file.IsValid()) return LastErrorReason();
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return LastErrorReason();
  if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
    return Reason(ERROR_FILE_TOO_LARGE);
  }
  fileSize = static_cast<std::uint64_t>(size.QuadPart);
  return ReadUpTo(file.Get(), static_cast<size_t>(std::min<std::uint64_t>(fileSize, headBytes)), out);
}

std::wstring ReadRecordsAt(const std::wstring& path, std::uint64_t offset, std::size_t recordBytes,
                          std::size_t records, const std::function<void(const std::uint8_t*, std::size_t)>& consume) {
  FileHandle file = OpenForReading(path);
  if (!file.IsValid()) return LastErrorReason();
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(file.Get(), at, nullptr, FILE_BEGIN)) return LastErrorReason();
  // A small buffer used again and again: fresh memory costs a page fault per
  // page on first touch, which under Wine is dearer than the read itself.
  const std::size_t perChunk = std::max<std::size_t>(1, (std::size_t{256} << 10) / std::max<std::size_t>(1, recordBytes));
  std::vector<std::uint8_t> buffer(perChunk * recordBytes);
  for (std::size_t done = 0; done < records;) {
    const std::size_t n = std::min(perChunk, records - done);
    const std::size_t want = n * recordBytes;
    std::size_t got = 0;
    while (got < want) {
      DWORD piece = 0;
      if (!ReadFile(file.Get(), buffer.data() + got, static_cast<DWORD>(want - got), &piece, nullptr)) {
        return LastErrorReason();
      }
      if (piece == 0) return Reason(ERROR_HANDLE_EOF);  // shrank since its size was taken
      got += piece;
    }
    consume(buffer.data(), n);
    done += n;
  }
  return {};
}

std::wstring WriteFileReplacing(const std::wstring& path, const void* data, std::size_t size) {
  if (const DWORD error = CheckReplaceable(path)) return Reason(error);
  TempFile temp(path);
  temp.Remove();
  if (std::wstring reason = WriteAll(temp.Path(), data, size); !reason.empty()) return reason;
  if (!MoveFileExW(temp.Path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return LastErrorReason();
  }
  temp.Committed();
  return {};
}

std::wstring CopyFileReplacing(const std::wstring& from, const std::wstring& to) {
  // Read and written anew rather than CopyFileW, which would carry a read-only
  // attribute over and so block the next publishing.
  std::vector<std::uint8_t> bytes;
  if (std::wstring reason = ReadWholeFile(from, bytes, std::size_t{1} << 30); !reason.empty()) return reason;
  return WriteFileReplacing(to, bytes.data(), bytes.size());
}

std::wstring MoveReplacing(const std::wstring& from, const std::wstring& to) {
  const DWORD attributes = GetFileAttributesW(from.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return MoveFileExW(from.c_str(), to.c_str(), 0) ? std::wstring() : LastErrorReason();
  }
  if (const DWORD error = CheckReplaceable(to)) return Reason(error);
  if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return LastErrorReason();
  }
  return {};
}

std::wstring RemoveFile(const std::wstring& path) {
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
  if (DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) return {};
  return LastErrorReason();
}

std::wstring MakeFolder(const std::wstring& path) {
  if (CreateDirectoryW(path.c_str(), nullptr)) return {};
  const DWORD error = GetLastError();
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (error == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return {};
  }
  return Reason(error);
}

}  // namespace winui
