#include "devices/win/RenzokuSendThread.h"

#include <utility>

#include "devices/win/IrEmit.h"

TRenzokuSendThread::TRenzokuSendThread(IrLibrary& library, std::string code)
    : library_(library), code_(std::move(code)) {}

TRenzokuSendThread::~TRenzokuSendThread() { Stop(); }

void TRenzokuSendThread::Start() {
  if (thread_.joinable()) return;
  stop_ = false;
  running_ = true;  // set here too, so that a stop right after the start still waits
  thread_ = std::thread([this] { Execute(); });
}

devices::IrEmitStatus TRenzokuSendThread::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  return status_;
}

void TRenzokuSendThread::Execute() {
  try {
    running_ = true;
    status_ = devices::RepeatEmit([this] { return devices::EmitIrCodeText(library_, code_); }, stop_);
  } catch (...) {
    // Nothing in the loop is expected to throw; the worker must not take the process down.
  }
  running_ = false;
}
