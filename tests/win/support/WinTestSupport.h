#pragma once
// Shared Windows test support: the simulated infrared library in a temporary
// folder with its call log, scoped environment variables, a message-box
// recorder and small path helpers.
#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "devices/win/IrLibrary.h"
#include "winui/MessageBox.h"

namespace wintest {

// A Unix path as Wine's drive Z: shows it.
std::wstring WinPathOf(const std::string& unixPath);
std::string EnvOrEmpty(const char* name);

// A key pressed on the focused window (else `fallback`) with the modifiers held
// in the thread's keyboard state, through the program's own dispatcher.
enum KeyModifier : unsigned { kNoModifier = 0, kControl = 1, kShift = 2, kAlt = 4 };
void PressKey(HWND fallback, UINT key, unsigned modifiers = kNoModifier);

struct SimCall {
  DWORD tick = 0;
  std::string entry;
  std::map<std::string, std::string> fields;
};

// One variant of the simulated library as USBIr.dll in a fresh temporary
// folder on the DLL search path; never beside the test program, as that
// folder is searched first.
class SimLibrary {
 public:
  // variant: a file name in <build>/sim without ".dll"; empty for no library (a missing installation).
  explicit SimLibrary(const std::wstring& variant = L"USBIr");
  // Also clears every simulator variable, so none leaks into the next test.
  ~SimLibrary();
  SimLibrary(const SimLibrary&) = delete;
  SimLibrary& operator=(const SimLibrary&) = delete;

  bool Ready() const { return ready_; }
  // Loads the test's own binding, Library().
  bool Load() { return ready_ && library_.Load() == 0; }
  IrLibrary& Library() { return library_; }
  // Makes this folder the DLL directory again (the main window sets its own).
  void Activate() const { SetDllDirectoryW(folder_.c_str()); }
  const std::wstring& Folder() const { return folder_; }
  std::wstring LogPath() const { return folder_ + L"\\calls.log"; }
  void Set(const wchar_t* name, const std::wstring& value) { SetEnvironmentVariableW(name, value.c_str()); }

  // The simulator's log, one entry per call, in order.
  std::vector<SimCall> Calls() const;
  std::vector<SimCall> Calls(const std::string& entry) const;
  // The entry point names, separated by spaces.
  std::wstring CallNames() const;
  std::string LogText() const;

 private:
  std::wstring folder_;
  bool ready_ = false;
  IrLibrary library_;
};

// Sets an environment variable for the object's lifetime (the simulator reads them at every call).
class ScopedEnv {
 public:
  ScopedEnv(const wchar_t* name, const std::wstring& value) : name_(name) {
    SetEnvironmentVariableW(name, value.c_str());
  }
  ~ScopedEnv() { SetEnvironmentVariableW(name_.c_str(), nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::wstring name_;
};

struct Box {
  std::wstring text;
  std::wstring caption;
  winui::MsgButtons buttons;
};

// Records every message box. OK boxes are answered OK, questions from the
// queue of answers (No when it runs dry); `onBox` may act while a box is up.
class BoxRecorder {
 public:
  explicit BoxRecorder(std::deque<bool> answers = {}, std::function<void(const Box&)> onBox = nullptr);
  explicit BoxRecorder(std::function<void(const Box&)> onBox) : BoxRecorder({}, std::move(onBox)) {}
  // Each box as "caption|text", with "|YesNo" after a question ("|YesNo, No first"
  // when Enter answers No).
  std::vector<std::wstring> Lines() const;

  std::vector<Box> boxes;

 private:
  std::deque<bool> answers_;
  std::function<void(const Box&)> onBox_;
  winui::ScopedMessageHandler handler_;
};

}  // namespace wintest
