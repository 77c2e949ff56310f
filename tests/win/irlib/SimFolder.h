#pragma once
// Test support: a temporary folder on the DLL search path holding one variant
// of the simulated infrared library as USBIr.dll (or nothing, to stand for a
// missing installation). Never beside the test program: that folder is
// searched first.
#include <windows.h>

#include <string>

namespace irtest {

class SimFolder {
 public:
  // variant: a file name in <build>/sim without ".dll" ("USBIr", "USBIr_noinit"), or empty for no library.
  explicit SimFolder(const std::wstring& variant);
  ~SimFolder();
  SimFolder(const SimFolder&) = delete;
  SimFolder& operator=(const SimFolder&) = delete;

  bool Ready() const { return ready_; }
  // Makes this folder the DLL directory again (the main window sets its own).
  void Activate() const;
  std::wstring LogPath() const { return folder_ + L"\\calls.log"; }
  // The simulator's log, one entry point name per call, in order.
  std::wstring CallNames() const;
  std::string LogText() const;

 private:
  std::wstring folder_;
  bool ready_ = false;
};

// Sets an environment variable for the test's lifetime (the simulator reads them at every call).
class ScopedEnv {
 public:
  ScopedEnv(const wchar_t* name, const std::wstring& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::wstring name_;
};

}  // namespace irtest
