#pragma once
// A window timer that stops when it goes out of scope. Ticks arrive as
// WM_TIMER with this id, i.e. Form::OnTimer(id).
#include <windows.h>

namespace winui {

class Timer {
 public:
  Timer() = default;
  ~Timer() { Stop(); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Start(HWND window, UINT_PTR id, UINT intervalMs) {
    Stop();
    if (!SetTimer(window, id, intervalMs, nullptr)) return false;
    window_ = window;
    id_ = id;
    return true;
  }
  void Stop() {
    if (window_) KillTimer(window_, id_);
    window_ = nullptr;
  }
  bool Running() const { return window_ != nullptr; }

 private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
};

}  // namespace winui
