#include "data/RelayPortSetting.h"

#include <windows.h>

#include <cstdint>
#include <string>

#include "winui/RegistryKey.h"

namespace relay_port {

namespace {
constexpr wchar_t kKey[] = L"SoftWare\\Zentorik";
constexpr wchar_t kSection[] = L"Env";
constexpr wchar_t kValueName[] = L"RelayPort";
}  // namespace

int ParseText(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  if (i == text.size()) return kDefault;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return kDefault;
    value = value * 10 + (text[i] - L'0');
    if (value > 2147483648LL) return kDefault;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return kDefault;
  return static_cast<int>(value);
}

int Read() {
  winui::RegistryKey root;
  if (!root.Create(HKEY_CURRENT_USER, kKey)) return kDefault;
  winui::RegistryKey section;
  if (!section.Open(root.Get(), kSection)) return kDefault;
  const auto value = section.Query(kValueName);
  if (!value) return kDefault;
  switch (value->type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
      return ParseText(value->text);
    case REG_DWORD:
      // Written by another tool as a number: take it as that number. One of
      // the wrong size holds none and is unusable like any other.
      return value->number ? static_cast<int>(*value->number) : kDefault;
    default:
      return kDefault;
  }
}

bool Write(int port) {
  winui::RegistryKey root;
  if (!root.Create(HKEY_CURRENT_USER, kKey)) return false;
  winui::RegistryKey section;
  if (!section.Create(root.Get(), kSection)) return false;
  return section.SetString(kValueName, std::to_wstring(port));
}

}  // namespace relay_port
