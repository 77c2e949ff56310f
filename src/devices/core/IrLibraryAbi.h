#pragma once
// The entry points of the infrared device library, shared by the binding that
// loads the vendor library and by the simulated library built for tests.
// The library exports them with undecorated names (no leading underscore and
// no "@N" suffix), although they use the stdcall convention.

#include <cstdint>

#if defined(_WIN32)
#define USBIR_CALL __stdcall
#else
#define USBIR_CALL
#endif

namespace devices {

typedef std::int32_t(USBIR_CALL* USBIrInitFn)();
typedef std::int32_t(USBIR_CALL* USBIrEndFn)();
typedef std::int32_t(USBIR_CALL* USBIrStartReceiveFn)();
// flag is always 0; buffer may be null with bufferSize 0 to ask for the length only.
typedef std::int32_t(USBIR_CALL* USBIrReadDataFn)(unsigned char flag, unsigned char* buffer,
                                                  std::int32_t bufferSize, std::int32_t* length,
                                                  double* param1, double* param2);
typedef std::int32_t(USBIR_CALL* USBIrCancelReceiveFn)();
// mode and format are always 1 and 7.
typedef std::int32_t(USBIR_CALL* USBIrEmitDataFn)(std::int32_t mode, std::int32_t format,
                                                  double param1, double param2,
                                                  unsigned char* code, std::int32_t count);

inline constexpr char kUSBIrInit[] = "USBIrInit";
inline constexpr char kUSBIrEnd[] = "USBIrEnd";
inline constexpr char kUSBIrStartReceive[] = "USBIrStartReceive";
inline constexpr char kUSBIrReadData[] = "USBIrReadData";
inline constexpr char kUSBIrCancelReceive[] = "USBIrCancelReceive";
inline constexpr char kUSBIrEmitData[] = "USBIrEmitData";

inline constexpr std::int32_t kEmitMode = 1;
inline constexpr std::int32_t kEmitFormat = 7;

// Wrapper result when the library or the entry point is not there.
inline constexpr int kEntryPointMissing = -1;

}  // namespace devices
