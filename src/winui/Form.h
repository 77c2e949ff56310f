#pragma once
// One C++ object per top-level window, on the shared window part (Window.h):
// the caption, the frame, the font every control gets, closing and the modal
// result. Whoever creates a form makes it as Owned<TSomeFm> and owns it; the
// window goes with the object, or before it.
//
// A form is shown either as the main window (ShowWindow + RunMessageLoop) or
// modally with ShowModal, which returns the modal result set by the form.
#include <windows.h>

#include <functional>
#include <string>

#include "winui/Dpi.h"
#include "winui/Font.h"
#include "winui/Window.h"

namespace winui {

enum class ModalResult { None, Ok, Cancel };

enum class FormPlacement { AtPosition, ScreenCenter, OwnerCenter };

// Sizes and the font are the 96-dpi design; the form scales them to its display.
struct FormDescription {
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
  int fontPixels = 0;  // character height in pixels; when set, fontPoints is not used
};

// A dialog's description: its window class, caption and client size, owned by `owner`
// and centred on it. The form changes what differs before creating itself.
FormDescription DialogDescription(const wchar_t* className, std::wstring caption, int clientWidth,
                                  int clientHeight, HWND owner);

class Form : public Window {
 public:
  Form() = default;

  // Creates the window (hidden); OnCreate runs before this returns.
  bool Create(const FormDescription& description);
  // The form's font as designed, given to every control created by it (which
  // scale it, Controls.h).
  HFONT FontHandle() const { return font_; }
  // The DPI the form is laid out for: its monitor's.
  int Dpi() const { return dpi_; }
  // A length of the 96-dpi design at the form's DPI.
  int Scaled(int designPixels) const { return ScaleForDpi(designPixels, dpi_); }

  // Asks the form to close, as the title-bar close button does (OnClose may refuse).
  void Close();

  // Ends a modal show with this result; outside a modal show it is only stored.
  void SetModalResult(ModalResult result);
  ModalResult GetModalResult() const { return modalResult_; }
  bool IsModal() const { return modal_; }

 protected:
  // Each time the window is about to become visible.
  virtual void OnShow() {}
  // Close request (any way: Close(), title bar, system menu). Set canClose to false to refuse.
  virtual void OnClose(bool& canClose) { (void)canClose; }
  // After the form and its controls were laid out again for another DPI (a move
  // to another monitor, a change of the display's scale).
  virtual void OnDpiChanged() {}

  // The keys of a small dialog: Enter clicks `defaultButton` (drawn as the
  // default), Esc the button `cancelId`.
  void SetDialogButtons(HWND defaultButton, int cancelId);
  // The button a WM_COMMAND clicks, Enter and Esc included; 0 when it is no click.
  int ClickedButton(int id, int code) const;

  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  friend ModalResult ShowModal(Form& form, HWND owner);

  // Lays the form out for `dpi`, its outer frame at `frame` (the place Windows suggests).
  void ApplyDpi(int dpi, const RECT& frame);
  // The outer frame's size around the design's client size at `dpi`.
  SIZE FrameSize(int dpi) const;

  HFONT font_ = nullptr;  // shared
  int dpi_ = kDesignDpi;
  SIZE designClient_{};
  DWORD style_ = 0;
  DWORD exStyle_ = 0;
  int defaultId_ = 0;
  int cancelId_ = 0;
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
