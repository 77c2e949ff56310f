#pragma once
// The 既存ファイル tab: the work folder's tables, a preview of the selected
// table's bitmap, and opening it; duplicating and deleting a table, and
// putting an earlier published version back into the host folder.
#include <windows.h>

#include <string>

#include "data/PanelFiles.h"
#include "winui/Picture.h"

class TOptionMdl;

class ExistingFilesTab {
 public:
  enum ControlId : int {
    kFileListBox = 300,
    kOpenButton,
    kUpdateList,
    kPreview,
    kDuplicateButton,
    kDeleteButton,
    kRestoreButton,
  };

  // `workFolder` is "" when there is none (already reported once): the tab then stays empty and inert.
  // The list is read when the tab is shown, not here.
  // `hostFolder` gives the host program's folder for putting a version back.
  void Create(HWND page, HFONT font, HWND owner, std::string workFolder,
              std::function<std::string(HWND)> hostFolder = DocumentsPanelFolders().hostPanel);
  // Routed here by the main window; false when the control is not this tab's.
  bool OnCommand(int id, int code);
  // Before a table is opened: the data module the edit window works with.
  void SetDataModule(TOptionMdl& options) { options_ = &options; }

  // Re-reads the list (the tab shown, リスト更新), keeping the selection when it is still there.
  void TabSheet2Show() { ReadFileList(); }
  // リスト更新 also shows the selected table's picture anew: it may have been
  // changed since it was shown.
  void FileListBoxChange();
  void OpenButtonClick();
  void UpdateListClick();
  void DuplicateButtonClick();
  void DeleteButtonClick();
  void RestoreButtonClick();

  const winui::Picture& PreviewPicture() const { return previewPicture_; }

  HWND FileListBox = nullptr;
  HWND Preview = nullptr;
  HWND OpenButton = nullptr;
  HWND UpdateList = nullptr;
  HWND DuplicateButton = nullptr;
  HWND DeleteButton = nullptr;
  HWND RestoreButton = nullptr;

 private:
  void ReadFileList();
  void Select(const std::string& nameSjis);
  void ClearPreview();
  // The selected file name in Shift-JIS; "" without a selection.
  std::string SelectedName() const;

  HWND owner_ = nullptr;
  TOptionMdl* options_ = nullptr;
  std::string workFolder_;
  PanelFolders folders_;
  winui::Picture previewPicture_;
};
