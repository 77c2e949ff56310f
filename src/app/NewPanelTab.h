#pragma once
// The 新規作成 tab: a new panel from an identifier, a bitmap name, the number
// of buttons across and down and their size. It draws a blank grid bitmap
// (or keeps an existing one), writes an empty table and opens it.
#include <windows.h>

#include <string>

#include "winui/Picture.h"

class TOptionMdl;

class NewPanelTab {
 public:
  enum ControlId : int {
    kFileName = 200,
    kBmpFileName,
    kCanChange,
    kYokoSuu,
    kTateSuu,
    kButtonWidth,
    kButtonHeight,
    kOkButton,
    kImage,
  };

  // `workFolder` is "" when there is none (already reported once): creating then does nothing.
  void Create(HWND page, HFONT font, HWND owner, std::string workFolder);
  bool OnCommand(int id, int code);
  // Before a table is opened: the data module the edit window works with.
  void SetDataModule(TOptionMdl& options) { options_ = &options; }
  // The colour of CanChange (red); null for controls that are not this tab's.
  HBRUSH OnCtlColorStatic(HDC dc, HWND control);

  void FileNameExit();
  void OK_ButtonClick();
  const winui::Picture& ImagePicture() const { return image_; }

  HWND Label1 = nullptr;
  HWND FileName = nullptr;
  HWND Label2 = nullptr;
  HWND BmpFileName = nullptr;
  HWND CanChange = nullptr;
  HWND YokoSuu = nullptr;
  HWND TateSuu = nullptr;
  HWND ButtonWidth = nullptr;
  HWND ButtonHeight = nullptr;
  HWND OK_Button = nullptr;
  HWND Image = nullptr;

 private:
  // Puts the identifier's bitmap name into BmpFileName unless the user has changed it.
  void FollowIdentifier(char identifier);
  // Names the file and the tables of the work folder that use it.
  std::wstring ExistingBitmapQuestion(const std::string& bitmapName) const;
  bool DrawGrid(int columns, int rows, int cellWidth, int cellHeight);
  // The kept bitmap must open with the new table; "" or why not.
  std::wstring CheckKeptBitmap(const std::string& pathSjis, int columns, int rows, int cellWidth,
                               int cellHeight) const;

  HWND page_ = nullptr;
  HWND owner_ = nullptr;
  TOptionMdl* options_ = nullptr;
  std::string workFolder_;
  std::wstring autoBitmapName_;  // the last name put in for the identifier
  winui::Picture image_;
};
