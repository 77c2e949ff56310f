#include "SimIrLibrary.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace devtest {
namespace {

const wchar_t* const kSimVariables[] = {
    L"USBIRSIM_INIT_RESULT", L"USBIRSIM_START_RESULT", L"USBIRSIM_SIGNAL",      L"USBIRSIM_PARAM1",
    L"USBIRSIM_PARAM2",      L"USBIRSIM_DELAY_MS",     L"USBIRSIM_TRIGGER_FILE", L"USBIRSIM_LENGTH",
    L"USBIRSIM_READ_FAILS",  L"USBIRSIM_EMIT_RESULT",  L"USBIRSIM_LOG"};

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(line);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

}  // namespace

std::string EnvOrEmpty(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::wstring WinPathOf(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
  return path;
}

SimIrLibrary::SimIrLibrary(const std::wstring& variant) {
  for (const wchar_t* name : kSimVariables) SetEnvironmentVariableW(name, nullptr);
  static int serial = 0;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  folder_ = std::wstring(temp) + L"panel-ir-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++serial);
  CreateDirectoryW(folder_.c_str(), nullptr);
  const std::wstring source = WinPathOf(EnvOrEmpty("PANEL_BUILD_DIR")) + L"\\sim\\" + variant + L".dll";
  installed_ = CopyFileW(source.c_str(), (folder_ + L"\\USBIr.DLL").c_str(), FALSE) != 0;
  logPath_ = folder_ + L"\\calls.log";
  Set(L"USBIRSIM_LOG", logPath_);
  SetDllDirectoryW(folder_.c_str());
  if (installed_) installed_ = library_.Load() == 0;
}

SimIrLibrary::~SimIrLibrary() {
  library_.Unload();
  SetDllDirectoryW(nullptr);
  for (const wchar_t* name : kSimVariables) SetEnvironmentVariableW(name, nullptr);
  DeleteFileW((folder_ + L"\\USBIr.DLL").c_str());
  DeleteFileW(logPath_.c_str());
  RemoveDirectoryW(folder_.c_str());
}

std::vector<SimCall> SimIrLibrary::Calls() const {
  std::vector<SimCall> calls;
  std::ifstream in(logPath_.c_str(), std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> parts = Split(line, '\t');
    if (parts.size() < 2) continue;
    SimCall call;
    call.tick = static_cast<DWORD>(std::strtoul(parts[0].c_str(), nullptr, 10));
    call.entry = parts[1];
    for (std::size_t i = 2; i < parts.size(); ++i) {
      std::size_t eq = parts[i].find('=');
      if (eq != std::string::npos) call.fields[parts[i].substr(0, eq)] = parts[i].substr(eq + 1);
    }
    calls.push_back(call);
  }
  return calls;
}

std::vector<SimCall> SimIrLibrary::Calls(const std::string& entry) const {
  std::vector<SimCall> matching;
  for (const SimCall& call : Calls())
    if (call.entry == entry) matching.push_back(call);
  return matching;
}

BoxRecorder::BoxRecorder(std::function<void(const Box&)> onBox)
    : onBox_(std::move(onBox)),
      handler_([this](HWND, const std::wstring& text, const std::wstring& caption, winui::MsgButtons buttons) {
        boxes.push_back({text, caption, buttons});
        if (onBox_) onBox_(boxes.back());
        return winui::MsgAnswer::Ok;
      }) {}

}  // namespace devtest
