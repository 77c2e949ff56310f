#include "devices/win/Comm.h"

#include <string>

namespace {

constexpr DWORD kQueueSize = 4096;
constexpr char kXon = 0x11;
constexpr char kXoff = 0x13;
constexpr WORD kXonXoffLimit = 100;

}  // namespace

int TComm::Open() {
  Close();
  // The device namespace form also reaches ports above COM9.
  const std::wstring name = L"\\\\.\\COM" + std::to_wstring(portNumber_);
  for (int attempt = 0; attempt < kOpenAttempts && !IsOpen(); ++attempt) {
    handle_ = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (!IsOpen()) return 0;

  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(handle_, &dcb)) return 1;  // usable as it is
  SetCommMask(handle_, EV_RXCHAR);
  SetupComm(handle_, kQueueSize, kQueueSize);
  PurgeComm(handle_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
  DCB wanted = ApplySettings(dcb);
  SetCommState(handle_, &wanted);  // a port that keeps its own settings still takes the byte
  return 1;
}

DCB TComm::ApplySettings(const DCB& current) const {
  DCB dcb = current;
  dcb.BaudRate = baudRate_;
  dcb.ByteSize = static_cast<BYTE>(byteSize_);
  dcb.Parity = static_cast<BYTE>(parity_);
  dcb.StopBits = static_cast<BYTE>(stopBits_);
  dcb.fBinary = TRUE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  if (flowControl_ == kFlowXonXoff) {
    dcb.fOutX = TRUE;
    dcb.fInX = TRUE;
    dcb.XonChar = kXon;
    dcb.XoffChar = kXoff;
    dcb.XonLim = kXonXoffLimit;
    dcb.XoffLim = kXonXoffLimit;
  } else if (flowControl_ == kFlowHardware) {
    dcb.fOutxCtsFlow = TRUE;
    dcb.fOutxDsrFlow = TRUE;
    dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
    dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
  }
  return dcb;
}

int TComm::Write(const unsigned char* bytes, DWORD count) {
  if (!IsOpen()) return 0;
  DWORD written = 0;
  return WriteFile(handle_, bytes, count, &written, nullptr) && written == count ? 1 : 0;
}

void TComm::Close() {
  if (IsOpen()) CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}
