#pragma once
// Keeps the recovery copy of one open panel current (see table/RecoveryCopy.h).
// A state handed in is written by a worker thread, the newest replacing one
// still waiting; after each write the worker posts winui::kMsgWorkerDone to the
// window, which then reads LastWriteFailed(). The worker never waits for the
// window; the window's destruction joins it.
#include <windows.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "table/PanelTable.h"

class TRecoveryThread {
 public:
  // The copy goes into `copyFolderSjis`, made at the first write.
  TRecoveryThread(HWND window, std::string copyFolderSjis);
  ~TRecoveryThread();
  TRecoveryThread(const TRecoveryThread&) = delete;
  TRecoveryThread& operator=(const TRecoveryThread&) = delete;

  // `bitmap` is the bitmap file's bytes as saving would write them.
  void Submit(panel::CPanelTable table, std::vector<std::uint8_t> bitmap);
  // Written before returning, after a write under way; true when it is.
  bool WriteNow(panel::CPanelTable table, std::vector<std::uint8_t> bitmap);
  // A waiting state is dropped and the copy removed: saved or given up.
  void Remove();

  bool LastWriteFailed() const;
  const std::string& CopyFolder() const { return copyFolder_; }

 private:
  struct State {
    panel::CPanelTable table;
    std::vector<std::uint8_t> bitmap;
  };
  void Run();
  bool Write(State& state);

  HWND window_;
  std::string copyFolder_;
  mutable std::mutex mutex_;  // guards pending_, stop_, failed_
  std::condition_variable wake_;
  std::optional<State> pending_;
  bool stop_ = false;
  bool failed_ = false;
  std::mutex writing_;  // one write, or the removal, at a time
  std::thread thread_;
};
