#include "winui/MessagePump.h"

#include <commctrl.h>

namespace winui {

void InitApplication() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                            ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
}

void DispatchWithDialogKeys(MSG& msg) {
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int RunMessageLoop(HWND mainWindow) {
  MSG msg;
  while (IsWindow(mainWindow)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got < 0) break;
    DispatchWithDialogKeys(msg);
  }
  return 0;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MSG msg;
    bool quit = false;
    int quitCode = 0;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quitCode = static_cast<int>(msg.wParam);
        break;
      }
      DispatchWithDialogKeys(msg);
      if (done()) return true;
    }
    if (quit) {
      PostQuitMessage(quitCode);
      return done();
    }
    // Wake on the next message or after a short while, to re-test `done`.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace winui
