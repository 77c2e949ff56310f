#include "devices/win/IrLibrary.h"

using namespace devices;

int IrLibrary::Load() {
  if (module_) return 0;
  module_ = LoadLibraryW(L"USBIr.DLL");
  return module_ ? 0 : kLoadFailed;
}

void IrLibrary::Unload() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
}

int IrLibrary::Init() {
  auto fn = Find<USBIrInitFn>(kUSBIrInit);
  return fn ? fn() : kEntryPointMissing;
}

int IrLibrary::End() {
  auto fn = Find<USBIrEndFn>(kUSBIrEnd);
  return fn ? fn() : kEntryPointMissing;
}

int IrLibrary::StartReceive() {
  auto fn = Find<USBIrStartReceiveFn>(kUSBIrStartReceive);
  return fn ? fn() : kEntryPointMissing;
}

int IrLibrary::ReadData(unsigned char* buf, std::int32_t size, std::int32_t* len, double* p1, double* p2) {
  auto fn = Find<USBIrReadDataFn>(kUSBIrReadData);
  return fn ? fn(0, buf, size, len, p1, p2) : kEntryPointMissing;
}

int IrLibrary::CancelReceive() {
  auto fn = Find<USBIrCancelReceiveFn>(kUSBIrCancelReceive);
  return fn ? fn() : kEntryPointMissing;
}

int IrLibrary::EmitData(double p1, double p2, unsigned char* bytes, std::int32_t count) {
  auto fn = Find<USBIrEmitDataFn>(kUSBIrEmitData);
  return fn ? fn(kEmitMode, kEmitFormat, p1, p2, bytes, count) : kEntryPointMissing;
}
