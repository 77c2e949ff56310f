#pragma once
// The text of an edit field that shows a table text. The table's Shift-JIS
// bytes are kept as they came, so a field the user left alone gives back the
// very same bytes, even ones that code page 932 cannot turn into UTF-16 and back.
#include <windows.h>

#include <optional>
#include <string>

namespace editor {

class SjisEdit {
 public:
  void Set(HWND edit, const std::string& sjis);
  // The stored bytes while the field shows what Set put there; otherwise the
  // field's text in code page 932, or nothing when a character has no form there.
  std::optional<std::string> Read(HWND edit) const;

 private:
  std::string bytes_;
  std::wstring shown_;
};

}  // namespace editor
