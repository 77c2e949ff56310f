#pragma once
#include <cstddef>
#include <memory>
#include <string_view>

#include "table/PlatformFile.h"

namespace panel {

// The lines of a table file in order, for the one parser, whether the bytes
// are in memory already or still in the file. A line ends at LF, with a CR
// before it dropped too; a last line without a line end counts as a line. A
// line stays valid until the next call.
class TableLines {
 public:
  virtual ~TableLines() = default;
  virtual bool Next(std::string_view& line) = 0;
  // The lines ended early because the bytes could not all be read: whatever
  // was parsed is not the file.
  virtual bool Failed() const = 0;
};

class MemoryLines final : public TableLines {
 public:
  explicit MemoryLines(std::string_view bytes) : rest_(bytes) {}
  bool Next(std::string_view& line) override;
  bool Failed() const override { return false; }

 private:
  std::string_view rest_;
};

// Reads the file in blocks into one reused buffer, so each text is copied
// once, into its cell: holding the whole file first doubled the memory
// touched, which under Wine cost more than parsing. A line longer than the
// buffer grows it (learned code texts, memos and command lines are written
// whole, of any length). More than `maxBytes` in the file is a failure. The
// file is closed once read, before the parser asks anything.
class FileLines final : public TableLines {
 public:
  FileLines(UniqueFile file, std::size_t blockBytes, std::size_t maxBytes);
  bool Next(std::string_view& line) override;
  bool Failed() const override { return failed_; }

 private:
  // Moves the unused rest to the front and reads after it; false at the end
  // of the file or on failure.
  bool Refill();

  UniqueFile file_;
  std::size_t maxBytes_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_;
  std::size_t begin_ = 0;    // start of the next line
  std::size_t scanned_ = 0;  // bytes before this hold no line feed after begin_
  std::size_t end_ = 0;
  std::size_t total_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
};

// Where the first line feed of `bytes` is, or bytes.size() when there is none.
// The reader's own scan, so that reading does not depend on the C runtime's
// memchr (Wine's searches byte by byte); the benchmark sets the two side by side.
std::size_t FindLineFeed(std::string_view bytes);

}  // namespace panel
