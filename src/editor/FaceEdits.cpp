#include "editor/FaceEdits.h"

#include "editor/PicturePixels.h"

using namespace panel;

namespace {

// The background picture as an edit's target.
template <typename Step>
void OnBackground(FaceEditing& faces, EditTarget& target, Step step) {
  PicturePixels pixels(faces.BackgroundPicture());
  EditTarget background{target.table, pixels};
  step(background);
}

}  // namespace

void FaceEdit::Undo(EditTarget& target) const {
  faces_.PutFace(ordinal_, before_);
  if (began_) faces_.SetActive(false);
  pixels_.Undo(target);
}

void FaceEdit::Redo(EditTarget& target) const {
  faces_.SetActive(true);
  faces_.PutFace(ordinal_, after_);
  pixels_.Redo(target);
}

std::string FaceEdit::Description() const { return "ボタン" + std::to_string(ordinal_ + 1) + "の見た目"; }

void BackgroundEdit::Undo(EditTarget& target) const {
  faces_.PutBackground(before_);
  OnBackground(faces_, target, [&](EditTarget& background) { background_.Undo(background); });
  if (began_) faces_.SetActive(false);
  pixels_.Undo(target);
}

void BackgroundEdit::Redo(EditTarget& target) const {
  faces_.SetActive(true);
  faces_.PutBackground(after_);
  OnBackground(faces_, target, [&](EditTarget& background) { background_.Redo(background); });
  pixels_.Redo(target);
}

std::string BackgroundEdit::Description() const { return "パネルの背景"; }

void StampWithBackground::Undo(EditTarget& target) const {
  OnBackground(faces_, target, [&](EditTarget& background) { onBackground_->Undo(background); });
  onPanel_->Undo(target);
}

void StampWithBackground::Redo(EditTarget& target) const {
  OnBackground(faces_, target, [&](EditTarget& background) { onBackground_->Redo(background); });
  onPanel_->Redo(target);
}
