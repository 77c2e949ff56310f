#include "winui/Form.h"

#include <algorithm>
#include <vector>

#include "winui/AppMessages.h"
#include "winui/Controls.h"
#include "winui/MessagePump.h"
#include "winui/Scaling.h"

namespace winui {

namespace {

std::vector<ScopedModalHook*>& ModalHooks() {
  static std::vector<ScopedModalHook*> hooks;
  return hooks;
}

BOOL CALLBACK TellSysColorChange(HWND child, LPARAM) {
  SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
  return TRUE;
}

}  // namespace

bool Form::Create(const FormDescription& description) {
  if (Handle()) return false;
  font_ = SharedFont(description.fontFace,
                     description.fontPixels > 0 ? description.fontPixels : PointsToPixels(description.fontPoints));
  style_ = description.style;
  exStyle_ = description.exStyle | WS_EX_CONTROLPARENT;
  designClient_ = SIZE{description.clientWidth, description.clientHeight};
  // Where the form appears: on its owner's monitor, or the primary one.
  dpi_ = description.owner ? WindowDpi(description.owner) : SystemDpi();
  const SIZE size = FrameSize(dpi_);
  const int width = size.cx;
  const int height = size.cy;
  int left = description.left;
  int top = description.top;
  if (description.placement != FormPlacement::AtPosition) {
    RECT area{};
    if (description.placement == FormPlacement::OwnerCenter && description.owner) {
      GetWindowRect(description.owner, &area);
    } else {
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    left = area.left + ((area.right - area.left) - width) / 2;
    top = area.top + ((area.bottom - area.top) - height) / 2;
    left = std::max(left, 0);
    top = std::max(top, 0);
  }
  modalResult_ = ModalResult::None;
  if (!CreateBound(description.className, exStyle_, description.caption, description.style, left, top, width, height,
                   description.owner, 0)) {
    return false;
  }
  // Made on a monitor of another scale than its owner's.
  if (const int dpi = MonitorDpi(Handle()); dpi != dpi_) {
    const SIZE frame = FrameSize(dpi);
    ApplyDpi(dpi, RECT{left, top, left + frame.cx, top + frame.cy});
  }
  return true;
}

SIZE Form::FrameSize(int dpi) const {
  RECT frame{0, 0, ScaleForDpi(designClient_.cx, dpi), ScaleForDpi(designClient_.cy, dpi)};
  AdjustFrameForDpi(frame, style_, exStyle_, Handle() ? MonitorDpi(Handle()) : dpi);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void Form::ApplyDpi(int dpi, const RECT& frame) {
  dpi_ = dpi;
  RescaleChildren(Handle(), dpi);
  SetWindowPos(Handle(), nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  OnDpiChanged();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

FormDescription DialogDescription(const wchar_t* className, std::wstring caption, int clientWidth,
                                  int clientHeight, HWND owner) {
  FormDescription description;
  description.className = className;
  description.caption = std::move(caption);
  description.clientWidth = clientWidth;
  description.clientHeight = clientHeight;
  description.owner = owner;
  description.placement = FormPlacement::OwnerCenter;
  return description;
}

void Form::SetDialogButtons(HWND defaultButton, int cancelId) {
  SendMessageW(defaultButton, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  defaultId_ = GetDlgCtrlID(defaultButton);
  cancelId_ = cancelId;
}

int Form::ClickedButton(int id, int code) const {
  if (code != BN_CLICKED) return 0;
  if (id == IDOK) return defaultId_;
  if (id == IDCANCEL) return cancelId_;
  return id;
}

void Form::Close() {
  if (Handle()) SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void Form::SetModalResult(ModalResult result) {
  modalResult_ = result;
  // Wakes the modal loop if it is waiting in GetMessage.
  if (modal_ && Handle()) PostMessageW(Handle(), WM_NULL, 0, 0);
}

LRESULT Form::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kMsgFormDpi) return dpi_;
  if (msg != WM_SHOWWINDOW && msg != WM_CLOSE && msg != WM_DPICHANGED && msg != WM_SYSCOLORCHANGE &&
      msg != WM_SETTINGCHANGE) {
    return Window::Dispatch(msg, wParam, lParam);
  }
  LRESULT result = 0;
  if (OnMessage(msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_SYSCOLORCHANGE:
      // Only top-level windows hear of it; the common controls need it too.
      EnumChildWindows(Handle(), TellSysColorChange, 0);
      RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      return 0;
    case WM_SETTINGCHANGE:
      // A high-contrast theme switched on or off: our own colours follow it.
      if (wParam == SPI_SETHIGHCONTRAST) {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      }
      return DefaultProc(msg, wParam, lParam);
    case WM_SHOWWINDOW:
      if (wParam && lParam == 0) OnShow();
      return DefaultProc(msg, wParam, lParam);
    case WM_CLOSE: {
      bool canClose = true;
      OnClose(canClose);
      if (!canClose) return 0;
      if (modal_) {
        if (modalResult_ == ModalResult::None) SetModalResult(ModalResult::Cancel);
      } else {
        DestroyWindow(Handle());
      }
      return 0;
    }
    default:
      return Window::Dispatch(msg, wParam, lParam);
  }
}

ModalResult ShowModal(Form& form, HWND owner) {
  HWND hwnd = form.Handle();
  if (!hwnd) return ModalResult::Cancel;
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (owner) EnableWindow(owner, FALSE);
  form.modalResult_ = ModalResult::None;
  form.modal_ = true;
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);

  wchar_t className[256] = {};
  GetClassNameW(hwnd, className, 256);
  auto& hooks = ModalHooks();
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it) {
    if ((*it)->className_ == className) {
      ++(*it)->timesRun_;
      (*it)->onModal_(form);
      break;
    }
  }

  bool quit = false;
  int quitCode = 0;
  MSG msg;
  while (form.modalResult_ == ModalResult::None && IsWindow(hwnd)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      quit = true;
      quitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (got < 0) break;
    DispatchWithDialogKeys(msg);
  }

  form.modal_ = false;
  ModalResult result = form.modalResult_;
  if (result == ModalResult::None) result = ModalResult::Cancel;
  // Enable the owner before hiding, so that activation returns to it.
  if (owner && ownerWasEnabled) EnableWindow(owner, TRUE);
  if (IsWindow(hwnd)) ShowWindow(hwnd, SW_HIDE);
  if (owner && IsWindow(owner)) SetActiveWindow(owner);
  if (quit) PostQuitMessage(quitCode);
  return result;
}

ScopedModalHook::ScopedModalHook(std::wstring className, std::function<void(Form&)> onModal)
    : className_(std::move(className)), onModal_(std::move(onModal)) {
  ModalHooks().push_back(this);
}

ScopedModalHook::~ScopedModalHook() {
  auto& hooks = ModalHooks();
  hooks.erase(std::remove(hooks.begin(), hooks.end(), this), hooks.end());
}

}  // namespace winui
