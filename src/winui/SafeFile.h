#pragma once
// Whole-file reads and writes by UTF-16 path. A write or copy goes to a
// temporary file beside the target ("~" + its name + ".tmp", replacing one a
// killed save left) and replaces the target only once the new content is
// complete, so a failure (read-only or locked target, missing folder, full
// disk) leaves the previous file byte for byte as it was.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "winui/PathNames.h"

namespace winui {

// The system's text for an error code, without its trailing line end.
std::wstring SystemErrorText(DWORD code);

// Each returns "" on success, otherwise the reason as the system words it.
std::wstring ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& out, std::size_t maxBytes);
// The first `headBytes` bytes (all of a shorter file) and the file's size,
// refused like ReadWholeFile over `maxBytes`.
std::wstring ReadFileHead(const std::wstring& path, std::size_t headBytes, std::vector<std::uint8_t>& out,
                          std::uint64_t& fileSize, std::size_t maxBytes);
// `records` records of `recordBytes` each from `offset`, handed to `consume`
// a few whole records at a time; refused when the file ends first.
std::wstring ReadRecordsAt(const std::wstring& path, std::uint64_t offset, std::size_t recordBytes,
                          std::size_t records, const std::function<void(const std::uint8_t*, std::size_t)>& consume);
std::wstring WriteFileReplacing(const std::wstring& path, const void* data, std::size_t size);
std::wstring CopyFileReplacing(const std::wstring& from, const std::wstring& to);
// A file moved over its target in one step (refused, as a replacing write
// is, when the target is read-only or held open), or a folder renamed to a
// name that is free.
std::wstring MoveReplacing(const std::wstring& from, const std::wstring& to);
// A file removed as the system does (a read-only one stays); one that is not
// there counts as removed.
std::wstring RemoveFile(const std::wstring& path);
// A folder that is there already counts as made.
std::wstring MakeFolder(const std::wstring& path);

}  // namespace winui
