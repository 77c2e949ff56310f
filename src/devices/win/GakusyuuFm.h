#pragma once
// The learning dialog: a small modal progress window that runs one capture on
// TGakusyuuThread and closes itself on the next timer tick after the capture
// has been handed back.
#include <windows.h>

#include <memory>
#include <string>

#include "devices/win/GakusyuuThread.h"
#include "devices/win/IrLibrary.h"
#include "winui/Form.h"
#include "winui/Timer.h"

class TGakusyuuFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TGakusyuuFm";
  static constexpr int kTyuusiButtonId = 100;
  static constexpr int kLabel1Id = 101;

  explicit TGakusyuuFm(IrLibrary& library) : library_(library) {}

  bool Create(HWND owner);
  // The code text, empty when nothing was learned.
  const std::string& Result() const { return result_; }

 protected:
  void OnCreate() override;      // FormCreate
  void OnShow() override;        // FormShow
  void OnClose(bool& canClose) override;  // FormClose
  void OnDestroy() override;     // FormDestroy
  void OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;  // TimerTimer
  LRESULT OnAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void TyuusiButtonClick();
  // Runs once, on this thread, after the worker has cleared running.
  void Complete();

  IrLibrary& library_;
  winui::Timer timer_;
  HWND label1_ = nullptr;
  std::unique_ptr<TGakusyuuThread> worker_;
  bool done_ = false;
  std::string result_;
};

namespace devices {

// Shows the learning dialog owned by `owner` and returns the learned code
// text, or an empty text when nothing was learned.
std::string LearnIrCodeWithDialog(HWND owner, IrLibrary& library);

}  // namespace devices
