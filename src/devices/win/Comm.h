#pragma once
// A serial port opened for one relay command at a time. Open and Write report
// 1 on success and 0 on failure, like the rest of the device layer.
#include <windows.h>

#include <cstdint>

class TComm {
 public:
  enum FlowControl : DWORD { kFlowNone = 0, kFlowHardware = 1, kFlowXonXoff = 2 };

  TComm() = default;
  ~TComm() { Close(); }
  TComm(const TComm&) = delete;
  TComm& operator=(const TComm&) = delete;

  void SetPortNumber(DWORD portNumber) { portNumber_ = portNumber; }
  void SetBaudRate(DWORD baudRate) { baudRate_ = baudRate; }
  void SetByteSize(WORD byteSize) { byteSize_ = byteSize; }
  void SetParity(WORD parity) { parity_ = parity; }
  void SetStopBits(WORD stopBits) { stopBits_ = stopBits; }
  void SetFlowControl(DWORD flowControl) { flowControl_ = flowControl; }

  int Open();
  int Write(const unsigned char* bytes, DWORD count);
  void Close();
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

  // The settings Open would apply to a port that reported `current`.
  DCB ApplySettings(const DCB& current) const;

  static constexpr int kOpenAttempts = 5;

 private:
  WORD byteSize_ = 8;
  WORD stopBits_ = ONESTOPBIT;
  WORD parity_ = NOPARITY;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  DWORD baudRate_ = CBR_9600;
  DWORD flowControl_ = kFlowNone;
  DWORD portNumber_ = 1;
};
