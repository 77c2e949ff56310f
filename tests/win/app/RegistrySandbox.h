#pragma once
// Test support: removes HKCU\SoftWare\Zentorik for a test and puts back the
// "Env\RelayPort" value found before, so tests start clean and leave the
// registry as they found it.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class RegistrySandbox {
 public:
  RegistrySandbox();
  ~RegistrySandbox();
  RegistrySandbox(const RegistrySandbox&) = delete;
  RegistrySandbox& operator=(const RegistrySandbox&) = delete;

  static bool KeyExists(const wchar_t* path);
  static void SetValue(DWORD type, const void* data, DWORD size);
  static void SetString(const std::wstring& text);
  // The stored value: nothing when missing.
  struct Stored {
    DWORD type;
    std::wstring text;
  };
  static std::optional<Stored> Value();

 private:
  struct Saved {
    DWORD type;
    std::vector<BYTE> data;
  };
  std::optional<Saved> saved_;
};

inline constexpr wchar_t kZentorik[] = L"SoftWare\\Zentorik";
inline constexpr wchar_t kEnv[] = L"SoftWare\\Zentorik\\Env";
