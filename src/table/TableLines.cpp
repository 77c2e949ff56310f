#include "table/TableLines.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace panel {

namespace {

// Wide enough for the compiler to compare a block of bytes in one or two
// vector instructions, narrow enough to stop soon after a short line's end.
constexpr size_t kScanBlock = 64;

[[gnu::always_inline]] inline size_t ScanForLineFeed(const char* p, size_t n) {
  size_t i = 0;
  for (; i + kScanBlock <= n; i += kScanBlock) {
    unsigned char found = 0;
    for (size_t k = 0; k < kScanBlock; ++k) found |= static_cast<unsigned char>(p[i + k] == '\n');
    if (found) break;
  }
  for (; i < n; ++i) {
    if (p[i] == '\n') return i;
  }
  return n;
}

#if defined(__i386__)
// The 32-bit Windows build targets processors without SSE2; the same loop is
// compiled a second time for those that have it.
[[gnu::target("sse2")]] size_t ScanForLineFeedSse2(const char* p, size_t n) { return ScanForLineFeed(p, n); }
#endif

std::string_view WithoutCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

size_t FindLineFeed(std::string_view bytes) {
#if defined(__i386__)
  if (__builtin_cpu_supports("sse2")) return ScanForLineFeedSse2(bytes.data(), bytes.size());
#endif
  return ScanForLineFeed(bytes.data(), bytes.size());
}

bool MemoryLines::Next(std::string_view& line) {
  if (rest_.empty()) return false;
  const size_t end = FindLineFeed(rest_);
  if (end == rest_.size()) {
    line = rest_;
    rest_ = {};
    return true;
  }
  line = WithoutCr(rest_.substr(0, end));
  rest_.remove_prefix(end + 1);
  return true;
}

FileLines::FileLines(UniqueFile file, size_t blockBytes, size_t maxBytes)
    : file_(std::move(file)), maxBytes_(maxBytes), capacity_(std::max<size_t>(blockBytes, 1)) {
  buffer_.reset(new char[capacity_]);  // not cleared: every byte used is read first
}

bool FileLines::Next(std::string_view& line) {
  for (;;) {
    const size_t lf = scanned_ + FindLineFeed(std::string_view(buffer_.get() + scanned_, end_ - scanned_));
    if (lf < end_) {
      line = WithoutCr(std::string_view(buffer_.get() + begin_, lf - begin_));
      begin_ = scanned_ = lf + 1;
      return true;
    }
    scanned_ = end_;
    if (!Refill()) break;
  }
  if (failed_ || begin_ == end_) return false;
  line = std::string_view(buffer_.get() + begin_, end_ - begin_);
  begin_ = scanned_ = end_;
  return true;
}

bool FileLines::Refill() {
  if (atEnd_ || failed_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    scanned_ -= begin_;
    begin_ = 0;
  }
  if (end_ == capacity_) {
    // The buffer holds one line's start only, and no more than the file's
    // allowed size was read, so the limit bounds the buffer too.
    const size_t bigger = std::min(2 * capacity_, maxBytes_ + 1);
    std::unique_ptr<char[]> grown(new char[bigger]);
    std::memcpy(grown.get(), buffer_.get(), end_);
    buffer_ = std::move(grown);
    capacity_ = bigger;
  }
  const size_t wanted = capacity_ - end_;
  const size_t got = std::fread(buffer_.get() + end_, 1, wanted, file_.get());
  end_ += got;
  total_ += got;
  if (got < wanted) {
    atEnd_ = true;
    failed_ = std::ferror(file_.get()) != 0;
    file_.reset();
  }
  if (total_ > maxBytes_) failed_ = true;
  return got > 0 && !failed_;
}

}  // namespace panel
