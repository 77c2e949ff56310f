#pragma once
// The main window: two tabs (new panel, existing files), the relay port
// setting behind a Shift-click lock, and the device library's lifetime.
#include <windows.h>

#include "winui/Font.h"
#include "winui/Form.h"

class TMainPanelFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TMainPanelFm";

  // Creates the (hidden) window at the top-left corner of the screen.
  bool CreateForm();

  // Digit filter for one-digit fields: Tab passes, '1'-'9' replaces the
  // field's text (and sets OptionMdl->RelayPort for RelayPortEd), every other
  // key is swallowed (key set to 0).
  void DigitKeyFilter(HWND control, wchar_t& key);

  HWND PageControl1 = nullptr;
  HWND TabSheet1 = nullptr;  // "新規作成": a page panel, filled by the new-panel tab
  HWND TabSheet2 = nullptr;  // "既存ファイル": a page panel, filled by the existing-files tab
  HWND CancelButton = nullptr;
  HWND OptionGroup = nullptr;
  HWND Label7 = nullptr;
  HWND RelayPortEd = nullptr;
  HWND Button1 = nullptr;
  HWND TestRimocon = nullptr;

 protected:
  void OnCreate() override;
  void OnShow() override;
  void OnClose(bool& canClose) override;
  void OnCommand(int id, int code, HWND control) override;

 private:
  void CreateControls();
  // Creates the work folder (one level) and, once the existing-files tab
  // exists, points its list at it.
  void SetUpWorkFolder();
  void CancelButtonClick();
  void Button1Click();

  winui::Font relayPortFont_;
};

// The application's main window; null before start-up creates it.
extern TMainPanelFm* MainPanelFm;
