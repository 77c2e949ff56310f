#pragma once
// Repeat worker: sends one code back to back until told to stop. It lives only
// while the user interface sits in the modal "止める" box, so the library is
// never used from two threads at once.
#include <atomic>
#include <string>
#include <thread>

#include "devices/core/IrSend.h"
#include "devices/win/IrLibrary.h"

class TRenzokuSendThread {
 public:
  TRenzokuSendThread(IrLibrary& library, std::string code);
  ~TRenzokuSendThread();
  TRenzokuSendThread(const TRenzokuSendThread&) = delete;
  TRenzokuSendThread& operator=(const TRenzokuSendThread&) = delete;

  void Start();
  // Asks the loop to stop, waits for its end and returns how the last send went.
  devices::IrEmitStatus Stop();
  bool Running() const { return running_.load(); }

 private:
  void Execute();

  IrLibrary& library_;
  const std::string code_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> running_{false};
  devices::IrEmitStatus status_ = devices::IrEmitStatus::kSent;  // written by the worker, read after join
  std::thread thread_;
};
