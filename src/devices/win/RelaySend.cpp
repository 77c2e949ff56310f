#include "devices/win/RelaySend.h"

#include <string>

#include "devices/core/RelayCommand.h"
#include "devices/win/Comm.h"
#include "winui/MessageBox.h"

namespace devices {
namespace {

class WinRelayTestOps : public RelayTestOps {
 public:
  WinRelayTestOps(HWND owner, int relayPort) : owner_(owner), relayPort_(relayPort) {}

  bool SendRelayByte(unsigned char byte) override { return SendRelayCommand(owner_, relayPort_, byte); }
  void ShowNotice(const std::string& textSjis) override {
    winui::ShowMessageSjis(owner_, textSjis, "", winui::MsgButtons::Ok);
  }

 private:
  HWND owner_;
  int relayPort_;
};

// The number is read from ASCII digits only; anything else ends it, so every
// other character becomes one that stops the parse.
std::string NumberTextOf(std::wstring_view text) {
  std::string narrow;
  for (wchar_t c : text) {
    if (c == 0 || c >= 0x80) {
      narrow.push_back('?');
      break;
    }
    narrow.push_back(static_cast<char>(c));
  }
  return narrow;
}

}  // namespace

bool SendRelayCommand(HWND owner, int relayPort, unsigned char byte) {
  TComm comm;
  comm.SetBaudRate(CBR_9600);
  comm.SetPortNumber(static_cast<DWORD>(relayPort));
  comm.SetParity(NOPARITY);
  comm.SetStopBits(ONESTOPBIT);
  comm.SetByteSize(8);
  if (!comm.Open()) {
    winui::ShowWarning(owner, L"通信ポートが開けません");
    return false;
  }
  comm.Write(&byte, 1);
  comm.Close();
  return true;
}

void RelayTestClick(HWND owner, std::wstring_view relayNumberText, int action, int relayPort) {
  WinRelayTestOps ops(owner, relayPort);
  std::string warning = RunRelayTest(NumberTextOf(relayNumberText), action, ops);
  if (!warning.empty()) winui::ShowMessageSjis(owner, warning, "警告", winui::MsgButtons::Ok);
}

}  // namespace devices
