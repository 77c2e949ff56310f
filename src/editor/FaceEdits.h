#pragma once
// The face changes of the edit window as edits of its history: each keeps
// the face data before and after and only the pixels it changed, in the panel
// picture and, for the background, in the background picture too.
#include <memory>
#include <optional>
#include <string>

#include "editor/FaceEditing.h"
#include "table/PanelEdits.h"

// A button's face changed; `began` when it was the panel's first face.
class FaceEdit : public panel::IEdit {
 public:
  FaceEdit(FaceEditing& faces, int ordinal, faces::ButtonFace before, faces::ButtonFace after, bool began,
           std::optional<panel::PixelPatch> pixels)
      : faces_(faces), ordinal_(ordinal), before_(std::move(before)), after_(std::move(after)), began_(began),
        pixels_(ordinal, std::move(pixels)) {}
  void Undo(panel::EditTarget& target) const override;
  void Redo(panel::EditTarget& target) const override;
  std::string Description() const override;  // "ボタン5の見た目"
  std::size_t MemoryBytes() const override { return pixels_.MemoryBytes() + 256; }

 private:
  FaceEditing& faces_;
  int ordinal_;
  faces::ButtonFace before_;
  faces::ButtonFace after_;
  bool began_;
  panel::PixelEdit pixels_;
};

// The panel background changed: its record, its picture and the panel's pixels.
class BackgroundEdit : public panel::IEdit {
 public:
  BackgroundEdit(FaceEditing& faces, faces::PanelBackground before, faces::PanelBackground after, bool began,
                 std::optional<panel::PixelPatch> background, std::optional<panel::PixelPatch> pixels)
      : faces_(faces), before_(std::move(before)), after_(std::move(after)), began_(began),
        background_(0, std::move(background)), pixels_(0, std::move(pixels)) {}
  void Undo(panel::EditTarget& target) const override;
  void Redo(panel::EditTarget& target) const override;
  std::string Description() const override;  // "パネルの背景"
  std::size_t MemoryBytes() const override { return background_.MemoryBytes() + pixels_.MemoryBytes(); }

 private:
  FaceEditing& faces_;
  faces::PanelBackground before_;
  faces::PanelBackground after_;
  bool began_;
  panel::PixelEdit background_;
  panel::PixelEdit pixels_;
};

// A stamp on a panel with faces goes onto its background as well, so that a
// face drawn again over it keeps it; undone, it leaves both.
class StampWithBackground : public panel::IEdit {
 public:
  StampWithBackground(FaceEditing& faces, std::unique_ptr<panel::IEdit> onPanel, std::unique_ptr<panel::IEdit> onBackground)
      : faces_(faces), onPanel_(std::move(onPanel)), onBackground_(std::move(onBackground)) {}
  void Undo(panel::EditTarget& target) const override;
  void Redo(panel::EditTarget& target) const override;
  std::string Description() const override { return onPanel_->Description(); }
  std::size_t MemoryBytes() const override { return onPanel_->MemoryBytes() + onBackground_->MemoryBytes(); }

 private:
  FaceEditing& faces_;
  std::unique_ptr<panel::IEdit> onPanel_;
  std::unique_ptr<panel::IEdit> onBackground_;
};
