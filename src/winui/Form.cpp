#include "winui/Form.h"

#include <algorithm>
#include <vector>

#include "winui/Controls.h"
#include "winui/ExceptionBox.h"
#include "winui/MessagePump.h"

namespace winui {

namespace {

std::vector<ScopedModalHook*>& ModalHooks() {
  static std::vector<ScopedModalHook*> hooks;
  return hooks;
}

bool EnsureClass(const std::wstring& name, WNDPROC proc) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, name.c_str(), &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name.c_str();
  return RegisterClassExW(&wc) != 0;
}

}  // namespace

Form::~Form() {
  if (hwnd_) {
    HWND h = hwnd_;
    DestroyWindow(h);  // WM_NCDESTROY unbinds the object
  }
}

bool Form::Create(const FormSpec& formSpec) {
  if (hwnd_ || !EnsureClass(formSpec.className, &Form::WindowProc)) return false;
  font_ = Font::Points(formSpec.fontFace, formSpec.fontPoints);
  const DWORD exStyle = formSpec.exStyle | WS_EX_CONTROLPARENT;
  RECT frame{0, 0, formSpec.clientWidth, formSpec.clientHeight};
  AdjustWindowRectEx(&frame, formSpec.style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int left = formSpec.left;
  int top = formSpec.top;
  if (formSpec.placement != FormPlacement::AtPosition) {
    RECT area{};
    if (formSpec.placement == FormPlacement::OwnerCenter && formSpec.owner) {
      GetWindowRect(formSpec.owner, &area);
    } else {
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    left = area.left + ((area.right - area.left) - width) / 2;
    top = area.top + ((area.bottom - area.top) - height) / 2;
    left = std::max(left, 0);
    top = std::max(top, 0);
  }
  modalResult_ = ModalResult::None;
  HWND created = CreateWindowExW(exStyle, formSpec.className.c_str(), formSpec.caption.c_str(), formSpec.style, left, top, width,
                                 height, formSpec.owner, nullptr, GetModuleHandleW(nullptr), this);
  return created != nullptr;
}

void Form::Close() {
  if (hwnd_) SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void Form::SetModalResult(ModalResult result) {
  modalResult_ = result;
  // Wakes the modal loop if it is waiting in GetMessage.
  if (modal_ && hwnd_) PostMessageW(hwnd_, WM_NULL, 0, 0);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Form* form = nullptr;
  if (msg == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  } else {
    form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!form) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  try {
    return form->Dispatch(msg, wParam, lParam);
  } catch (...) {
    ShowCurrentException(hwnd);
    return 0;
  }
}

LRESULT Form::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnMessage(msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_SHOWWINDOW:
      if (wParam && lParam == 0) OnShow();
      break;
    case WM_CLOSE: {
      bool canClose = true;
      OnClose(canClose);
      if (!canClose) return 0;
      if (modal_) {
        if (modalResult_ == ModalResult::None) SetModalResult(ModalResult::Cancel);
      } else {
        DestroyWindow(hwnd_);
      }
      return 0;
    }
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == static_cast<UINT>(TCN_SELCHANGE)) ShowSelectedTabPage(header->hwndFrom);
      return OnNotify(*header);
    }
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    default:
      if (msg >= WM_APP && msg <= 0xBFFF) return OnAppMessage(msg, wParam, lParam);
      break;
  }
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
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
