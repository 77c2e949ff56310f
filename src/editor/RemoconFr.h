#pragma once
// One row of the learned-code list: its own memo, its code text shown in small
// red letters, and relearn / test / delete buttons that it handles itself.
#include <windows.h>

#include <optional>
#include <string>

#include "editor/SjisEdit.h"
#include "winui/ChildFrame.h"
#include "winui/ControlColors.h"

class TRemoconBaseFr;

class TRemoconFr : public winui::ChildFrame {
 public:
  static constexpr wchar_t kClassName[] = L"TRemoconFr";
  static constexpr int kWidth = 335;
  static constexpr int kHeight = 42;
  static constexpr COLORREF kColor = RGB(214, 252, 249);

  // `serial` tells this row from any other the list ever held.
  TRemoconFr(TRemoconBaseFr& list, unsigned serial) : list_(list), serial_(serial) {}

  bool CreateRow(HWND parent, int top);
  unsigned Serial() const { return serial_; }

  // Shift-JIS, opaque: shown, sent and stored as it is.
  const std::string& CodeText() const { return code_; }
  void SetCodeText(const std::string& codeSjis);
  // The memo as the cell stores it; nothing when a typed character has no Shift-JIS form.
  std::optional<std::string> MemoText() const { return memo_.Read(MemoEdit); }
  void SetMemoText(const std::string& memoSjis) { memo_.Set(MemoEdit, memoSjis); }

  HWND Label2 = nullptr;
  HWND MemoEdit = nullptr;
  HWND Gakusyuu = nullptr;
  HWND TestButton = nullptr;
  HWND DelButton = nullptr;
  HWND Command = nullptr;

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnPaint(HDC dc, const RECT& dirty) override;
  HBRUSH OnCtlColor(HDC dc, HWND control) override;

 private:
  void GakusyuuClick();
  void TestButtonClick();
  void DelButtonClick();

  TRemoconBaseFr& list_;
  unsigned serial_;
  std::string code_;
  editor::SjisEdit memo_;
  winui::ControlColors colors_;
};
