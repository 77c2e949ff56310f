#include "winui/RegistryKey.h"

#include <vector>

namespace winui {

bool RegistryKey::Create(HKEY parent, const std::wstring& path, REGSAM access) {
  Close();
  if (RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key_, nullptr) ==
      ERROR_SUCCESS) {
    return true;
  }
  key_ = nullptr;
  return false;
}

bool RegistryKey::Open(HKEY parent, const std::wstring& path, REGSAM access) {
  Close();
  if (RegOpenKeyExW(parent, path.c_str(), 0, access, &key_) == ERROR_SUCCESS) return true;
  key_ = nullptr;
  return false;
}

void RegistryKey::Close() {
  if (key_) RegCloseKey(key_);
  key_ = nullptr;
}

std::optional<RegistryKey::Value> RegistryKey::Query(const std::wstring& name) const {
  if (!key_) return std::nullopt;
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  // Room for a terminating null the writer may have left out.
  std::vector<BYTE> data(size + sizeof(wchar_t), 0);
  if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return std::nullopt;
  Value value;
  value.type = type;
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    value.text.assign(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
    while (!value.text.empty() && value.text.back() == L'\0') value.text.pop_back();
  } else if (type == REG_DWORD && size == sizeof(DWORD)) {
    value.number = *reinterpret_cast<const DWORD*>(data.data());
  }
  return value;
}

bool RegistryKey::SetString(const std::wstring& name, const std::wstring& text) {
  if (!key_) return false;
  const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) ==
         ERROR_SUCCESS;
}

}  // namespace winui
