#include "RegistrySandbox.h"

RegistrySandbox::RegistrySandbox() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kEnv, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key, L"RelayPort", nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
      Saved saved{type, std::vector<BYTE>(size)};
      RegQueryValueExW(key, L"RelayPort", nullptr, &type, saved.data.data(), &size);
      saved_ = saved;
    }
    RegCloseKey(key);
  }
  RegDeleteTreeW(HKEY_CURRENT_USER, kZentorik);
}

RegistrySandbox::~RegistrySandbox() {
  RegDeleteTreeW(HKEY_CURRENT_USER, kZentorik);
  if (saved_) SetValue(saved_->type, saved_->data.data(), static_cast<DWORD>(saved_->data.size()));
}

bool RegistrySandbox::KeyExists(const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void RegistrySandbox::SetValue(DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kEnv, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(key, L"RelayPort", 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void RegistrySandbox::SetString(const std::wstring& text) {
  SetValue(REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::optional<RegistrySandbox::Stored> RegistrySandbox::Value() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kEnv, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  wchar_t text[64] = {};
  DWORD type = 0, size = sizeof(text) - sizeof(wchar_t);
  const LONG rc = RegQueryValueExW(key, L"RelayPort", nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return std::nullopt;
  return Stored{type, type == REG_SZ ? std::wstring(text) : std::wstring()};
}
