#pragma once
// Test support: the simulated infrared library installed as USBIr.DLL in a
// temporary folder (never beside the test program), its call log, and a
// recorder for message boxes.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "devices/win/IrLibrary.h"
#include "winui/MessageBox.h"

namespace devtest {

// A Unix path as Wine's drive Z: shows it.
std::wstring WinPathOf(const std::string& unixPath);
std::string EnvOrEmpty(const char* name);

struct SimCall {
  DWORD tick = 0;
  std::string entry;
  std::map<std::string, std::string> fields;
};

class SimIrLibrary {
 public:
  // variant: the file name in <build>/sim without ".dll", e.g. "USBIr_noemit".
  explicit SimIrLibrary(const std::wstring& variant = L"USBIr");
  ~SimIrLibrary();
  SimIrLibrary(const SimIrLibrary&) = delete;
  SimIrLibrary& operator=(const SimIrLibrary&) = delete;

  bool Installed() const { return installed_; }
  IrLibrary& Library() { return library_; }
  void Set(const wchar_t* name, const std::wstring& value) { SetEnvironmentVariableW(name, value.c_str()); }
  const std::wstring& Folder() const { return folder_; }

  std::vector<SimCall> Calls() const;
  std::vector<SimCall> Calls(const std::string& entry) const;

 private:
  std::wstring folder_;
  std::wstring logPath_;
  bool installed_ = false;
  IrLibrary library_;
};

struct Box {
  std::wstring text;
  std::wstring caption;
  winui::MsgButtons buttons;
};

// Records every message box and answers OK; `onBox` may act while a box is up.
class BoxRecorder {
 public:
  explicit BoxRecorder(std::function<void(const Box&)> onBox = nullptr);
  std::vector<Box> boxes;

 private:
  std::function<void(const Box&)> onBox_;
  winui::ScopedMessageHandler handler_;
};

}  // namespace devtest
