#pragma once
// An open registry key, closed by the destructor.
#include <windows.h>

#include <optional>
#include <string>

namespace winui {

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() { Close(); }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Opens the key, creating it when missing.
  bool Create(HKEY parent, const std::wstring& path, REGSAM access = KEY_ALL_ACCESS);
  // Opens an existing key only.
  bool Open(HKEY parent, const std::wstring& path, REGSAM access = KEY_READ);
  void Close();
  HKEY Get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

  struct Value {
    DWORD type = REG_NONE;
    std::wstring text;  // REG_SZ and REG_EXPAND_SZ, without terminating nulls
    std::optional<DWORD> number;  // REG_DWORD of exactly four bytes
  };
  // Nothing when the value is missing or cannot be read.
  std::optional<Value> Query(const std::wstring& name) const;
  bool SetString(const std::wstring& name, const std::wstring& text);

 private:
  HKEY key_ = nullptr;
};

}  // namespace winui
