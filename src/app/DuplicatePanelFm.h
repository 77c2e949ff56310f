#pragma once
// Asks for the identifier of a panel's copy: one letter or digit.
#include <windows.h>

#include <string>

#include "winui/Form.h"

class TDuplicatePanelFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TDuplicatePanelFm";
  enum ControlId : int { kIdentifier = 100, kOkButton, kCancelButton };

  // `tableName`: the table being copied, shown to the user.
  bool CreateForm(HWND owner, std::wstring tableName);
  std::wstring Identifier() const;

  HWND IdentifierEd = nullptr;

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;

 private:
  std::wstring tableName_;
};
