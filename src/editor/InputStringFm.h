#pragma once
// The string input dialog of the edit window's right click: one entry field
// whose text is stamped onto the panel picture when the user answers OK.
#include <windows.h>

#include <string>

#include "winui/Form.h"

class TInputStringFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TInputStringFm";
  enum ControlId : int { kVString = 100, kButton1, kButton2 };

  bool CreateForm(HWND owner);
  std::wstring Text() const;

  HWND Label1 = nullptr;
  HWND VString = nullptr;
  HWND Button1 = nullptr;  // OK
  HWND Button2 = nullptr;  // Cancel

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
};
