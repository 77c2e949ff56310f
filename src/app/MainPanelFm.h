#pragma once
// The main window: two tabs (new panel, existing files), the relay port
// setting behind a Shift-click lock, and the device library's lifetime.
#include <windows.h>

#include <string>

#include "app/ExistingFilesTab.h"
#include "app/NewPanelTab.h"
#include "winui/Form.h"

class TOptionMdl;

class TMainPanelFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TMainPanelFm";

  // Creates the (hidden) window at the top-left corner of the screen, over
  // the work and host folders of `folders` (the documents folder's; tests give their own).
  bool CreateForm(PanelFolders folders = DocumentsPanelFolders());
  // After creation, before the window is shown: the data module, made after the window.
  void SetDataModule(TOptionMdl& options);

  // Digit filter for one-digit fields: Tab passes, '1'-'9' replaces the
  // field's text (and sets the data module's RelayPort for RelayPortEd), every other
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
  HWND PanelSetButton = nullptr;  // opens the "パネル一覧" window

  NewPanelTab NewPanel;            // the controls of TabSheet1
  ExistingFilesTab ExistingFiles;  // the controls of TabSheet2

  // Opens "機器操作" + identifier + ".tbl" of the work folder for editing.
  void OpenTable(char identifier);
  // The hidden 既存ファイル page's controls wait until the window's first
  // paint is over, or until something needs them sooner.
  void MakeExistingFilesPage();

 protected:
  void OnCreate() override;
  void OnShow() override;
  void OnClose(bool& canClose) override;
  void OnCommand(int id, int code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;
  LRESULT OnAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void CreateControls();
  // Creates the work folder (one level) and points the 新規作成 tab at it.
  void SetUpWorkFolder();
  void FocusFirstFieldOfShownTab();
  void CancelButtonClick();
  void Button1Click();

  // Asked of the shell once, at creation: a missing documents folder is said once.
  std::string workFolder_;
  PanelFolders folders_;
  TOptionMdl* options_ = nullptr;
};

// The application's main window; null before start-up creates it.
extern TMainPanelFm* MainPanelFm;
