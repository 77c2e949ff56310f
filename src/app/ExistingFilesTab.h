#pragma once
// The 既存ファイル tab: the work folder's tables, a preview of the selected
// table's bitmap, and opening it.
#include <windows.h>

#include <string>

#include "winui/Picture.h"

class ExistingFilesTab {
 public:
  enum ControlId : int { kFileListBox = 300, kOpenButton, kUpdateList, kPreview };

  // `workFolder` is "" when there is none (already reported once): the tab then stays empty and inert.
  void Create(HWND page, HFONT font, HWND owner, std::string workFolder);
  // Routed here by the main window; false when the control is not this tab's.
  bool OnCommand(int id, int code);

  // Re-reads the list (the tab shown, リスト更新), keeping the selection when it is still there.
  void TabSheet2Show() { ReadFileList(); }
  void FileListBoxChange();
  void OpenButtonClick();
  void UpdateListClick() { ReadFileList(); }

  HWND FileListBox = nullptr;
  HWND Preview = nullptr;
  HWND OpenButton = nullptr;
  HWND UpdateList = nullptr;

 private:
  void ReadFileList();
  // The selected file name in Shift-JIS; "" without a selection.
  std::string SelectedName() const;

  HWND owner_ = nullptr;
  std::string workFolder_;
  winui::Picture previewPicture_;
};
