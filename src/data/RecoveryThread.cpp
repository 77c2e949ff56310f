#include "data/RecoveryThread.h"

#include "data/RecoveryFiles.h"
#include "table/RecoveryCopy.h"
#include "table/TableFileWriter.h"
#include "winui/AppMessages.h"
#include "winui/SafeFile.h"

namespace {
// As large as a picture file the program loads.
constexpr std::size_t kMaxCopyBytes = std::size_t{256} << 20;
}  // namespace

std::optional<std::string> RecoveryFiles::ReadWholeFile(const std::string& path) {
  const std::optional<std::wstring> wide = winui::SjisPathToWide(path);
  std::vector<std::uint8_t> bytes;
  if (!wide || !winui::ReadWholeFile(*wide, bytes, kMaxCopyBytes).empty()) return std::nullopt;
  return std::string(bytes.begin(), bytes.end());
}

TRecoveryThread::TRecoveryThread(HWND window, std::string copyFolderSjis)
    : window_(window), copyFolder_(std::move(copyFolderSjis)), thread_([this] { Run(); }) {}

TRecoveryThread::~TRecoveryThread() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void TRecoveryThread::Submit(panel::CPanelTable table, std::vector<std::uint8_t> bitmap) {
  {
    std::lock_guard lock(mutex_);
    pending_ = State{std::move(table), std::move(bitmap)};
  }
  wake_.notify_one();
}

bool TRecoveryThread::WriteNow(panel::CPanelTable table, std::vector<std::uint8_t> bitmap) {
  std::lock_guard write(writing_);
  {
    std::lock_guard lock(mutex_);
    pending_.reset();  // older than this one
  }
  State state{std::move(table), std::move(bitmap)};
  return Write(state);
}

void TRecoveryThread::Remove() {
  std::lock_guard write(writing_);
  {
    std::lock_guard lock(mutex_);
    pending_.reset();
    failed_ = false;
  }
  RecoveryFiles files;
  files.RemoveTree(copyFolder_);
}

bool TRecoveryThread::LastWriteFailed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

void TRecoveryThread::Run() {
  try {
    for (;;) {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stop_ || pending_; });
      if (stop_) return;
      // Taken under the write lock, so that a removal cannot come between
      // taking the state and writing it.
      lock.unlock();
      std::lock_guard write(writing_);
      lock.lock();
      if (!pending_) continue;
      State state = std::move(*pending_);
      pending_.reset();
      lock.unlock();
      Write(state);
      PostMessageW(window_, winui::kMsgWorkerDone, 0, 0);
    }
  } catch (...) {
    // Out of memory for a copy: the work stays in the window; nothing to post.
  }
}

bool TRecoveryThread::Write(State& state) {
  RecoveryFiles files;
  const std::optional<std::string> table = panel::FormatTableFile(state.table);
  const bool written =
      table && panel::WriteRecoveryCopy(files, copyFolder_,
                                        {state.table.TablePath(), *table,
                                         std::string(state.bitmap.begin(), state.bitmap.end()), state.table.ExtraText()});
  std::lock_guard lock(mutex_);
  failed_ = !written;
  return written;
}
