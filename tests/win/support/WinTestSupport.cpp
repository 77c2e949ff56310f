#include "WinTestSupport.h"

#include "winui/MessagePump.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace wintest {
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

SimLibrary::SimLibrary(const std::wstring& variant) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  // Wine reuses process ids, and a folder whose library was still loaded at
  // clean-up stays behind: take the first free name.
  static unsigned counter = 0;
  bool created = false;
  for (int attempt = 0; attempt < 1000 && !created; ++attempt) {
    folder_ = std::wstring(temp) + L"irsim-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++counter);
    created = CreateDirectoryW(folder_.c_str(), nullptr) != 0;
  }
  if (!created) return;
  const std::wstring source = WinPathOf(EnvOrEmpty("PANEL_BUILD_DIR")) + L"\\sim\\" + variant + L".dll";
  if (!variant.empty() && !CopyFileW(source.c_str(), (folder_ + L"\\USBIr.dll").c_str(), FALSE)) return;
  Set(L"USBIRSIM_LOG", LogPath());
  Activate();
  ready_ = true;
}

SimLibrary::~SimLibrary() {
  library_.Unload();  // before its file is deleted
  SetDllDirectoryW(nullptr);
  for (const wchar_t* name : kSimVariables) SetEnvironmentVariableW(name, nullptr);
  DeleteFileW((folder_ + L"\\USBIr.dll").c_str());
  DeleteFileW(LogPath().c_str());
  RemoveDirectoryW(folder_.c_str());
}

std::vector<SimCall> SimLibrary::Calls() const {
  std::vector<SimCall> calls;
  std::ifstream in(std::filesystem::path(LogPath()), std::ios::binary);
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

std::vector<SimCall> SimLibrary::Calls(const std::string& entry) const {
  std::vector<SimCall> matching;
  for (const SimCall& call : Calls())
    if (call.entry == entry) matching.push_back(call);
  return matching;
}

std::wstring SimLibrary::CallNames() const {
  std::wstring names;
  for (const SimCall& call : Calls()) {
    if (!names.empty()) names += L' ';
    names += std::wstring(call.entry.begin(), call.entry.end());
  }
  return names;
}

std::string SimLibrary::LogText() const {
  std::ifstream in(std::filesystem::path(LogPath()), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

BoxRecorder::BoxRecorder(std::deque<bool> answers, std::function<void(const Box&)> onBox)
    : answers_(std::move(answers)),
      onBox_(std::move(onBox)),
      handler_([this](HWND, const std::wstring& text, const std::wstring& caption, winui::MsgButtons buttons) {
        boxes.push_back({text, caption, buttons});
        if (onBox_) onBox_(boxes.back());
        if (buttons == winui::MsgButtons::Ok) return winui::MsgAnswer::Ok;
        const bool yes = !answers_.empty() && answers_.front();
        if (!answers_.empty()) answers_.pop_front();
        return yes ? winui::MsgAnswer::Yes : winui::MsgAnswer::No;
      }) {}

std::vector<std::wstring> BoxRecorder::Lines() const {
  std::vector<std::wstring> lines;
  for (const Box& box : boxes)
    lines.push_back(box.caption + L"|" + box.text + (box.buttons == winui::MsgButtons::Ok        ? L""
                                                  : box.buttons == winui::MsgButtons::YesNo ? L"|YesNo"
                                                                                             : L"|YesNo, No first"));
  return lines;
}

void PressKey(HWND fallback, UINT key, unsigned modifiers) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_CONTROL] = (modifiers & kControl) ? 0x80 : 0;
  state[VK_SHIFT] = (modifiers & kShift) ? 0x80 : 0;
  state[VK_MENU] = (modifiers & kAlt) ? 0x80 : 0;
  SetKeyboardState(state);
  HWND target = GetFocus() ? GetFocus() : fallback;
  const bool system = key == VK_F10 || (modifiers & kAlt);
  PostMessageW(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) winui::DispatchWithDialogKeys(msg);
  state[VK_CONTROL] = state[VK_SHIFT] = state[VK_MENU] = 0;
  SetKeyboardState(state);
}

}  // namespace wintest
