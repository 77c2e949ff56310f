// Simulated infrared transceiver library. Its behaviour is read from
// environment variables at every call (see sim/README.md), so that a test can
// change it between calls; every call is appended to a log.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "devices/core/IrLibraryAbi.h"

namespace {

// [[maybe_unused]] marks helpers that a variant without an entry point does not use.

std::wstring Env(const wchar_t* name) {
  wchar_t buf[1024];
  DWORD n = GetEnvironmentVariableW(name, buf, 1024);
  return n > 0 && n < 1024 ? std::wstring(buf, n) : std::wstring();
}

std::string NarrowEnv(const wchar_t* name) {
  std::wstring w = Env(name);
  return std::string(w.begin(), w.end());  // the values used as text are ASCII
}

long EnvLong(const wchar_t* name, long fallback) {
  std::wstring w = Env(name);
  if (w.empty()) return fallback;
  wchar_t* end = nullptr;
  long value = wcstol(w.c_str(), &end, 10);
  return *end == L'\0' ? value : fallback;
}

[[maybe_unused]] double EnvDouble(const wchar_t* name, double fallback) {
  std::wstring w = Env(name);
  if (w.empty()) return fallback;
  wchar_t* end = nullptr;
  double value = wcstod(w.c_str(), &end);
  return *end == L'\0' ? value : fallback;
}

[[maybe_unused]] std::vector<unsigned char> Signal() {
  std::string hex = NarrowEnv(L"USBIRSIM_SIGNAL");
  if (hex.empty()) hex = "0A0BFF";
  std::vector<unsigned char> bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<unsigned char>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16)));
  return bytes;
}

// Device state; the library may be called from the user-interface thread and
// from a worker, so it is guarded.
struct Device {
  SRWLOCK lock = SRWLOCK_INIT;
  bool receiving = false;
  DWORD receiveStart = 0;
  long failedReads = 0;
} g_device;

class DeviceLock {
 public:
  DeviceLock() { AcquireSRWLockExclusive(&g_device.lock); }
  ~DeviceLock() { ReleaseSRWLockExclusive(&g_device.lock); }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;
};

// One line per call: tick, entry point, details, separated by tabs. The whole
// line goes out in one append-only write, so lines from two threads or two
// processes never interleave.
void Log(const char* entryPoint, const std::string& details) {
  std::wstring path = Env(L"USBIRSIM_LOG");
  if (path.empty()) return;
  std::string line = std::to_string(GetTickCount()) + "\t" + entryPoint;
  if (!details.empty()) line += "\t" + details;
  line += "\r\n";
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

[[maybe_unused]] bool SignalHasArrived() {
  std::wstring trigger = Env(L"USBIRSIM_TRIGGER_FILE");
  if (!trigger.empty()) return GetFileAttributesW(trigger.c_str()) != INVALID_FILE_ATTRIBUTES;
  long delay = EnvLong(L"USBIRSIM_DELAY_MS", 0);
  return static_cast<long>(GetTickCount() - g_device.receiveStart) >= delay;
}

// Buffered reads left to fail: USBIRSIM_READ_FAILS is a count or "always".
[[maybe_unused]] bool NextReadFails() {
  std::wstring fails = Env(L"USBIRSIM_READ_FAILS");
  if (fails == L"always") return true;
  long limit = EnvLong(L"USBIRSIM_READ_FAILS", 0);
  if (g_device.failedReads >= limit) return false;
  ++g_device.failedReads;
  return true;
}

std::string Result(std::int32_t result) { return "result=" + std::to_string(result); }

// "%8.2f" through the C library, independently of the program's own formatter,
// so that a test comparing the two catches a formatting fault.
[[maybe_unused]] std::string CodeText(double p1, double p2, const unsigned char* code, std::int32_t count) {
  char header[128];
  std::snprintf(header, sizeof header, "%8.2f,%8.2f,", p1, p2);
  std::string text = header;
  for (std::int32_t i = 0; code && i < count; ++i) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", code[i]);
    text += digits;
  }
  return text;
}

}  // namespace

extern "C" {

#ifndef USBIRSIM_NO_INIT
std::int32_t USBIR_CALL USBIrInit() {
  std::int32_t result = EnvLong(L"USBIRSIM_INIT_RESULT", 0);
  Log(devices::kUSBIrInit, Result(result));
  return result;
}
#endif

std::int32_t USBIR_CALL USBIrEnd() {
  {
    DeviceLock lock;
    g_device.receiving = false;
  }
  Log(devices::kUSBIrEnd, "");
  return 0;
}

std::int32_t USBIR_CALL USBIrStartReceive() {
  std::int32_t result = EnvLong(L"USBIRSIM_START_RESULT", 0);
  if (result == 0) {
    DeviceLock lock;
    g_device.receiving = true;
    g_device.receiveStart = GetTickCount();
    g_device.failedReads = 0;
  }
  Log(devices::kUSBIrStartReceive, Result(result));
  return result;
}

#ifndef USBIRSIM_NO_READ
std::int32_t USBIR_CALL USBIrReadData(unsigned char flag, unsigned char* buffer,
                                                            std::int32_t bufferSize,
                                                            std::int32_t* length, double* param1,
                                                            double* param2) {
  std::int32_t result = 0;
  std::int32_t reported = 0;
  {
    DeviceLock lock;
    if (!g_device.receiving) {
      result = 1;
    } else if (SignalHasArrived()) {
      std::vector<unsigned char> signal = Signal();
      reported = EnvLong(L"USBIRSIM_LENGTH", static_cast<long>(signal.size()));
      if (buffer && NextReadFails()) {
        result = 1;
      } else if (buffer) {
        signal.resize(reported > 0 ? reported : 0);  // bytes beyond the signal read as 00
        std::int32_t copy = bufferSize < reported ? bufferSize : reported;
        if (copy > 0) std::memcpy(buffer, signal.data(), copy);
      }
    }
  }
  if (result == 0) {
    if (length) *length = reported;
    if (param1) *param1 = EnvDouble(L"USBIRSIM_PARAM1", 1.5);
    if (param2) *param2 = EnvDouble(L"USBIRSIM_PARAM2", 120.25);
  }
  Log(devices::kUSBIrReadData, "flag=" + std::to_string(flag) + "\tbuffer=" +
                                   (buffer ? "yes" : "no") + "\tsize=" +
                                   std::to_string(bufferSize) + "\tlength=" +
                                   std::to_string(reported) + "\t" + Result(result));
  return result;
}
#endif

std::int32_t USBIR_CALL USBIrCancelReceive() {
  {
    DeviceLock lock;
    g_device.receiving = false;
  }
  Log(devices::kUSBIrCancelReceive, "");
  return 0;
}

#ifndef USBIRSIM_NO_EMIT
std::int32_t USBIR_CALL USBIrEmitData(std::int32_t mode, std::int32_t format,
                                                            double param1, double param2,
                                                            unsigned char* code, std::int32_t count) {
  std::int32_t result = EnvLong(L"USBIRSIM_EMIT_RESULT", 0);
  Log(devices::kUSBIrEmitData, "mode=" + std::to_string(mode) + "\tformat=" +
                                   std::to_string(format) + "\t" + Result(result) +
                                   "\tcode=" + CodeText(param1, param2, code, count));
  return result;
}
#endif

}  // extern "C"
