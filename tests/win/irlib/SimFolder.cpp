#include "SimFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace irtest {

namespace {

std::wstring SimDllPath(const std::wstring& variant) {
  const char* build = std::getenv("PANEL_BUILD_DIR");
  if (!build) return L"";
  std::wstring unix(build, build + std::char_traits<char>::length(build));
  for (auto& c : unix) {
    if (c == L'/') c = L'\\';
  }
  return L"Z:" + unix + L"\\sim\\" + variant + L".dll";
}

}  // namespace

SimFolder::SimFolder(const std::wstring& variant) {
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
  if (!variant.empty() && !CopyFileW(SimDllPath(variant).c_str(), (folder_ + L"\\USBIr.dll").c_str(), FALSE)) return;
  SetEnvironmentVariableW(L"USBIRSIM_LOG", LogPath().c_str());
  Activate();
  ready_ = true;
}

SimFolder::~SimFolder() {
  SetDllDirectoryW(nullptr);
  SetEnvironmentVariableW(L"USBIRSIM_LOG", nullptr);
  DeleteFileW((folder_ + L"\\USBIr.dll").c_str());
  DeleteFileW(LogPath().c_str());
  RemoveDirectoryW(folder_.c_str());
}

void SimFolder::Activate() const { SetDllDirectoryW(folder_.c_str()); }

std::wstring SimFolder::CallNames() const {
  std::ifstream in(std::filesystem::path(LogPath()), std::ios::binary);
  std::wstring names;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string tick, name;
    std::getline(fields, tick, '\t');
    std::getline(fields, name, '\t');
    while (!name.empty() && (name.back() == '\r' || name.back() == '\n')) name.pop_back();
    if (!names.empty()) names += L' ';
    names += std::wstring(name.begin(), name.end());
  }
  return names;
}

std::string SimFolder::LogText() const {
  std::ifstream in(std::filesystem::path(LogPath()), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ScopedEnv::ScopedEnv(const wchar_t* name, const std::wstring& value) : name_(name) {
  SetEnvironmentVariableW(name, value.c_str());
}

ScopedEnv::~ScopedEnv() { SetEnvironmentVariableW(name_.c_str(), nullptr); }

}  // namespace irtest
