#include "winui/MessageBox.h"

#include "winui/TextConv.h"

namespace winui {

namespace {
// Only tests install a handler; the program itself never changes it.
MessageHandler& InstalledHandler() {
  static MessageHandler handler;
  return handler;
}
}  // namespace

MsgAnswer ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption, MsgButtons buttons) {
  if (const auto& handler = InstalledHandler()) return handler(owner, text, caption, buttons);
  const UINT type = (buttons == MsgButtons::Ok              ? MB_OK
                     : buttons == MsgButtons::YesNoDefaultNo ? MB_YESNO | MB_DEFBUTTON2
                     : buttons == MsgButtons::YesNoCancel    ? MB_YESNOCANCEL
                                                             : MB_YESNO) |
                    MB_TASKMODAL;
  const int answer = MessageBoxW(owner, text.c_str(), caption.c_str(), type);
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  if (answer == IDCANCEL && buttons == MsgButtons::YesNoCancel) return MsgAnswer::Cancel;
  return answer == IDYES ? MsgAnswer::Yes : MsgAnswer::No;
}

MsgAnswer ShowMessageSjis(HWND owner, std::string_view text, std::string_view caption, MsgButtons buttons) {
  return ShowMessage(owner, SjisToWide(text), SjisToWide(caption), buttons);
}

ScopedMessageHandler::ScopedMessageHandler(MessageHandler handler) : previous_(std::move(InstalledHandler())) {
  InstalledHandler() = std::move(handler);
}

ScopedMessageHandler::~ScopedMessageHandler() { InstalledHandler() = std::move(previous_); }

}  // namespace winui
