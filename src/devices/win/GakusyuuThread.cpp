#include "devices/win/GakusyuuThread.h"

#include <algorithm>
#include <vector>

#include "devices/core/IrCodeText.h"
#include "winui/AppMessages.h"

namespace {

constexpr wchar_t kConnectError[] = L"ソラミト接続エラー";
constexpr wchar_t kCancelled[] = L"キャンセルされました";
constexpr wchar_t kTooLong[] = L"信号が長すぎました";
constexpr wchar_t kUnreadable[] = L"信号が読めませんでした";

}  // namespace

TGakusyuuThread::TGakusyuuThread(IrLibrary& library, HWND dialog) : library_(library), dialog_(dialog) {}

TGakusyuuThread::~TGakusyuuThread() { StopAndWait(); }

void TGakusyuuThread::Start() {
  if (thread_.joinable()) return;
  running_ = true;  // before the thread exists, so that a close right now is refused
  try {
    thread_ = std::thread([this] { Execute(); });
  } catch (...) {
    running_ = false;  // else the dialog would refuse every close
    throw;
  }
}

void TGakusyuuThread::StopAndWait() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void TGakusyuuThread::Execute() {
  try {
    Capture();
  } catch (...) {
    code_.clear();
    message_ = kUnreadable;
  }
  running_ = false;
  PostMessageW(dialog_, winui::kMsgWorkerDone, 0, 0);
}

void TGakusyuuThread::Capture() {
  if (library_.StartReceive() != 0) {
    message_ = kConnectError;
    return;
  }

  std::int32_t length = 0;
  for (;;) {
    Sleep(kPollMs);
    if (stop_) {
      library_.CancelReceive();
      message_ = kCancelled;
      break;
    }
    length = 0;
    double p1 = 0, p2 = 0;
    if (library_.ReadData(nullptr, 0, &length, &p1, &p2) != 0) continue;
    if (length >= kMaxSignalBytes) {
      message_ = kTooLong;
      break;
    }
    if (length > 0) break;
  }

  // Receive mode is left on only after a successful read, which ends it.
  if (message_.empty() && ReadSignal(length)) return;
  if (message_.empty()) message_ = kUnreadable;
  library_.CancelReceive();
}

bool TGakusyuuThread::ReadSignal(std::int32_t length) {
  std::vector<unsigned char> buffer(static_cast<std::size_t>(length));
  for (int attempt = 0; attempt < kReadTries; ++attempt) {
    Sleep(kPollMs);
    if (stop_) {
      message_ = kCancelled;
      library_.CancelReceive();
      return false;
    }
    std::int32_t read = 0;
    double p1 = 0, p2 = 0;
    if (library_.ReadData(buffer.data(), length, &read, &p1, &p2) != 0) continue;
    const std::int32_t count = std::min({read, kMaxSignalBytes, length});
    if (count <= 0) continue;  // a code without bytes could never be sent
    code_ = devices::FormatIrCodeText(p1, p2, buffer.data(), static_cast<std::size_t>(count));
    return true;
  }
  return false;
}
