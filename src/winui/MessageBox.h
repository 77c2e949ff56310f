#pragma once
// The one way the program shows a message box, so that tests can script the
// answers and check every text, caption and set of buttons.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace winui {

// YesNoDefaultNo for what cannot be undone; YesNoCancel where Cancel stops what was under way.
enum class MsgButtons { Ok, YesNo, YesNoDefaultNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

MsgAnswer ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption, MsgButtons buttons);
// Texts that come from the table core are Shift-JIS.
MsgAnswer ShowMessageSjis(HWND owner, std::string_view text, std::string_view caption, MsgButtons buttons);

inline void ShowWarning(HWND owner, const std::wstring& text) { ShowMessage(owner, text, L"警告", MsgButtons::Ok); }
inline bool AskYesNo(HWND owner, const std::wstring& text) {
  return ShowMessage(owner, text, L"注意", MsgButtons::YesNo) == MsgAnswer::Yes;
}
// Enter answers No: for questions before something that cannot be undone.
inline bool AskYesNoDefaultNo(HWND owner, const std::wstring& text) {
  return ShowMessage(owner, text, L"注意", MsgButtons::YesNoDefaultNo) == MsgAnswer::Yes;
}

using MessageHandler =
    std::function<MsgAnswer(HWND owner, const std::wstring& text, const std::wstring& caption, MsgButtons buttons)>;

// Test seam: while alive, every box goes to the handler instead of the screen.
class ScopedMessageHandler {
 public:
  explicit ScopedMessageHandler(MessageHandler handler);
  ~ScopedMessageHandler();
  ScopedMessageHandler(const ScopedMessageHandler&) = delete;
  ScopedMessageHandler& operator=(const ScopedMessageHandler&) = delete;

 private:
  MessageHandler previous_;
};

}  // namespace winui
