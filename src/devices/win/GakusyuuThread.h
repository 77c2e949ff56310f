#pragma once
// Learning worker: one capture through the device library. It never touches a
// window: as its very last act it posts winui::kMsgWorkerDone to the dialog,
// which then reads Message() and Code(). If the dialog is gone by then the post
// fails harmlessly; the dialog's destruction joins this thread, and the thread
// never waits for the dialog, so the two cannot deadlock.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "devices/win/IrLibrary.h"

class TGakusyuuThread {
 public:
  // Signals of this many bytes or more are refused.
  static constexpr std::int32_t kMaxSignalBytes = 8000;
  static constexpr int kReadTries = 10;
  static constexpr DWORD kPollMs = 500;

  TGakusyuuThread(IrLibrary& library, HWND dialog);
  ~TGakusyuuThread();
  TGakusyuuThread(const TGakusyuuThread&) = delete;
  TGakusyuuThread& operator=(const TGakusyuuThread&) = delete;

  void Start();
  void RequestStop() { stop_ = true; }
  bool Running() const { return running_.load(); }
  // Asks the capture to stop and waits for the thread's end.
  void StopAndWait();

  // Read only once Running() is false: empty message = code captured.
  const std::wstring& Message() const { return message_; }
  const std::string& Code() const { return code_; }

 private:
  void Execute();
  void Capture();
  bool ReadSignal(std::int32_t length);

  IrLibrary& library_;
  HWND dialog_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> running_{false};
  std::wstring message_;
  std::string code_;
  std::thread thread_;
};
