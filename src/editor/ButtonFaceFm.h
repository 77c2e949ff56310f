#pragma once
// What one button looks like: its label (three lines, font, size, colour,
// position), its background colour and frame, and a picture beside or above
// the label, with a preview of the cell as it will be drawn.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "editor/ColourChoice.h"
#include "editor/FaceEditing.h"
#include "faces/ButtonFace.h"
#include "winui/Form.h"

class TButtonFaceFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TButtonFaceFm";
  enum ControlId : int {
    kLine1 = 100, kLine2, kLine3, kFont, kSize, kInk, kPosition, kFill, kFrame, kFrameWidth,
    kPictureName, kChoosePicture, kNoPicture, kPlace, kOkButton, kCancelButton,
  };
  static constexpr RECT kPreview{350, 34, 550, 234};

  explicit TButtonFaceFm(FaceEditing& editing) : editing_(editing) {}
  // `title`: the button's name, shown in the caption.
  bool CreateForm(HWND owner, int ordinal, const std::wstring& title);
  faces::ButtonFace Face() const;

  // Asks for a picture file; tests answer instead of the system's file dialog.
  std::function<std::optional<std::wstring>(HWND owner)> ChoosePictureFile;

  HWND Lines[faces::kMaxLabelLines] = {};
  HWND FontList = nullptr;
  HWND SizeList = nullptr;
  HWND PositionList = nullptr;
  HWND FrameWidthList = nullptr;
  HWND PictureName = nullptr;
  HWND PlaceList = nullptr;
  ColourChoice Ink;
  ColourChoice Fill;
  ColourChoice FrameColour;

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnPaint(HDC dc, const RECT& dirty) override;

 private:
  void Load(const faces::ButtonFace& face);
  void ChoosePicture();
  void Changed();

  FaceEditing& editing_;
  int ordinal_ = 0;
  std::wstring title_;
  std::string picture_;
  bool loading_ = false;
};

// The system's file dialog for a picture; nothing when cancelled.
std::optional<std::wstring> AskForPictureFile(HWND owner);
// A picture asked for with `ask` and copied into the pictures folder: its name
// there goes to `picture` and is shown in `nameLabel`. False when cancelled or
// refused (told in a "警告" box).
bool ChooseFacePicture(HWND owner, FaceEditing& editing, const std::function<std::optional<std::wstring>(HWND)>& ask,
                       std::string& picture, HWND nameLabel);
