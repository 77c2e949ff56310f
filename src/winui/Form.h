#pragma once
// One C++ object per top-level window. The object is bound to its window in
// WM_NCCREATE and receives the window's messages through virtual OnXxx
// handlers; an exception escaping a handler is shown in a box (ExceptionBox.h)
// and the program goes on. The object outlives its window: whoever creates a
// form owns the object and deletes it after the window is gone (or lets the
// destructor destroy the window).
//
// A form is shown either as the main window (ShowWindow + RunMessageLoop) or
// modally with ShowModal, which returns the modal result set by the form.
#include <windows.h>

#include <functional>
#include <string>

#include "winui/Font.h"

namespace winui {

enum class ModalResult { None, Ok, Cancel };

enum class FormPlacement { AtPosition, ScreenCenter, OwnerCenter };

struct FormSpec {
  std::wstring className;  // registered on first use; tests find modal forms by it
  std::wstring caption;
  int clientWidth = 0;
  int clientHeight = 0;
  int left = 0;  // screen position of the outer frame, for AtPosition
  int top = 0;
  FormPlacement placement = FormPlacement::AtPosition;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  DWORD exStyle = 0;
  HWND owner = nullptr;
  std::wstring fontFace = L"Tahoma";
  int fontPoints = 8;
};

class Form {
 public:
  Form() = default;
  // Destroys the window if it is still there; by then the derived part is gone,
  // so a form whose OnDestroy matters closes its window before it is deleted.
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window (hidden); OnCreate runs before this returns.
  bool Create(const FormSpec& formSpec);
  HWND Handle() const { return hwnd_; }
  // The form's font, given to every control created by it.
  HFONT FontHandle() const { return font_.Handle(); }

  // Asks the form to close, as the title-bar close button does (OnClose may refuse).
  void Close();

  // Ends a modal show with this result; outside a modal show it is only stored.
  void SetModalResult(ModalResult result);
  ModalResult GetModalResult() const { return modalResult_; }
  bool IsModal() const { return modal_; }

 protected:
  // Controls are created here. Runs inside Create.
  virtual void OnCreate() {}
  // Each time the window is about to become visible.
  virtual void OnShow() {}
  // Close request (any way: Close(), title bar, system menu). Set canClose to false to refuse.
  virtual void OnClose(bool& canClose) { (void)canClose; }
  virtual void OnDestroy() {}
  // WM_COMMAND from a control (also from controls inside group boxes, panels and tab pages).
  virtual void OnCommand(int id, int code, HWND control) { (void)id, (void)code, (void)control; }
  // WM_NOTIFY; the return value is the message's result.
  virtual LRESULT OnNotify(const NMHDR& header) { (void)header; return 0; }
  virtual void OnTimer(UINT_PTR id) { (void)id; }
  // Private messages (AppMessages.h); the return value is the message's result.
  virtual LRESULT OnAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    (void)msg, (void)wParam, (void)lParam;
    return 0;
  }
  // Any message, before the handlers above; return true when handled (painting, mouse, ...).
  virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)msg, (void)wParam, (void)lParam, (void)result;
    return false;
  }

 private:
  friend ModalResult ShowModal(Form& form, HWND owner);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  Font font_;
  ModalResult modalResult_ = ModalResult::None;
  bool modal_ = false;
};

// Shows `form` (already created, owned by `owner`) modally: disables the owner,
// runs a local message loop until the form sets a modal result or closes, hides
// the form, enables and activates the owner. Closing without a result gives Cancel.
// The form is not destroyed: its creator frees it afterwards.
ModalResult ShowModal(Form& form, HWND owner);

// Test seam: while alive, `onModal` runs each time a form of the window class
// `className` has been shown by ShowModal, before its message loop starts. It
// may fill fields, click buttons (BM_CLICK), set the modal result or close the
// form. The newest hook for a class wins.
class ScopedModalHook {
 public:
  ScopedModalHook(std::wstring className, std::function<void(Form&)> onModal);
  ~ScopedModalHook();
  ScopedModalHook(const ScopedModalHook&) = delete;
  ScopedModalHook& operator=(const ScopedModalHook&) = delete;

  int TimesRun() const { return timesRun_; }

 private:
  friend ModalResult ShowModal(Form& form, HWND owner);
  std::wstring className_;
  std::function<void(Form&)> onModal_;
  int timesRun_ = 0;
};

}  // namespace winui
