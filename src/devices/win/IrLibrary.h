#pragma once
// Run-time binding to the infrared device library USBIr.DLL. One object holds
// the module handle; every wrapper looks its entry point up at the moment of the
// call, so a library lacking an entry point still serves the others.
//
// The library's entry points use the stdcall convention but are exported with
// undecorated names ("USBIrInit", not "_USBIrInit@0"): GetProcAddress takes the
// plain name and the typedefs in devices/core/IrLibraryAbi.h carry __stdcall.
#include <windows.h>

#include <cstdint>

#include "devices/core/IrLibraryAbi.h"

class IrLibrary {
 public:
  // Result of Load() when the file cannot be loaded.
  static constexpr int kLoadFailed = -2;

  IrLibrary() = default;
  ~IrLibrary() { Unload(); }
  IrLibrary(const IrLibrary&) = delete;
  IrLibrary& operator=(const IrLibrary&) = delete;

  // 0 when loaded (also when it already was), kLoadFailed otherwise.
  int Load();
  void Unload();
  bool IsLoaded() const { return module_ != nullptr; }

  // Each returns devices::kEntryPointMissing (-1) when the library or the entry
  // point is missing, else the entry point's own result.
  int Init();
  int End();
  int StartReceive();
  // Passes the fixed flag 0; buf may be null with size 0 to ask for the length only.
  int ReadData(unsigned char* buf, std::int32_t size, std::int32_t* len, double* p1, double* p2);
  int CancelReceive();
  // Passes the fixed mode 1 and format 7.
  int EmitData(double p1, double p2, unsigned char* bytes, std::int32_t count);

 private:
  template <typename Fn>
  Fn Find(const char* name) const {
    if (!module_) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

  HMODULE module_ = nullptr;
};
