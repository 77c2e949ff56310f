#include "winui/Form.h"

#include <algorithm>
#include <vector>

#include "winui/Controls.h"
#include "winui/MessagePump.h"

namespace winui {

namespace {

std::vector<ScopedModalHook*>& ModalHooks() {
  static std::vector<ScopedModalHook*> hooks;
  return hooks;
}

}  // namespace

bool Form::Create(const FormDescription& description) {
  if (Handle()) return false;
  font_ = SharedFont(description.fontFace,
                     description.fontPixels > 0 ? description.fontPixels : PointsToPixels(description.fontPoints));
  const DWORD exStyle = description.exStyle | WS_EX_CONTROLPARENT;
  RECT frame{0, 0, description.clientWidth, description.clientHeight};
  AdjustWindowRectEx(&frame, description.style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
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
  return CreateBound(description.className, exStyle, description.caption, description.style, left, top, width, height,
                     description.owner, 0);
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
  if (msg != WM_SHOWWINDOW && msg != WM_CLOSE) return Window::Dispatch(msg, wParam, lParam);
  LRESULT result = 0;
  if (OnMessage(msg, wParam, lParam, result)) return result;
  switch (msg) {
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
