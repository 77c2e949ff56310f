#pragma once
// The background of the whole panel under the buttons' faces: the bitmap as
// it is, a picture fitted or cropped to the panel, or one colour; grid lines
// between the cells if wanted.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "editor/ColourChoice.h"
#include "editor/FaceEditing.h"
#include "winui/Form.h"

class TPanelBackgroundFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TPanelBackgroundFm";
  enum ControlId : int {
    kKept = 100, kPicture, kColour, kPictureName, kChoosePicture, kFit, kColourList, kGrid, kGridColour,
    kOkButton, kCancelButton,
  };

  explicit TPanelBackgroundFm(FaceEditing& editing) : editing_(editing) {}
  bool CreateForm(HWND owner);
  faces::PanelBackground Background() const;

  // Asks for a picture file; tests answer instead of the system's file dialog.
  std::function<std::optional<std::wstring>(HWND owner)> ChoosePictureFile;

  HWND KeptRadio = nullptr;
  HWND PictureRadio = nullptr;
  HWND ColourRadio = nullptr;
  HWND PictureName = nullptr;
  HWND FitList = nullptr;
  HWND GridCheck = nullptr;
  ColourChoice Colour;
  ColourChoice GridColour;

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;

 private:
  void ChoosePicture();
  FaceEditing& editing_;
  std::string picture_;
};
