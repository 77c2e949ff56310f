#include "table/EditHistory.h"

namespace panel {

void EditHistory::Record(std::unique_ptr<IEdit> edit) {
  while (edits_.size() > position_) {
    bytes_ -= edits_.back()->MemoryBytes();
    edits_.pop_back();
  }
  if (saved_ && *saved_ > position_) saved_.reset();  // the saved state was among those
  bytes_ += edit->MemoryBytes();
  edits_.push_back(std::move(edit));
  ++position_;
  // The newest edit always stays, however large.
  while (bytes_ > byteLimit_ && edits_.size() > 1) DropOldest();
}

void EditHistory::DropOldest() {
  bytes_ -= edits_.front()->MemoryBytes();
  edits_.pop_front();
  --position_;
  if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional<std::size_t>(*saved_ - 1);
}

std::string EditHistory::UndoDescription() const { return CanUndo() ? edits_[position_ - 1]->Description() : ""; }

std::string EditHistory::RedoDescription() const { return CanRedo() ? edits_[position_]->Description() : ""; }

std::string EditHistory::Undo(EditTarget& target) {
  if (!CanUndo()) return {};
  const IEdit& edit = *edits_[--position_];
  edit.Undo(target);
  return edit.Description();
}

std::string EditHistory::Redo(EditTarget& target) {
  if (!CanRedo()) return {};
  const IEdit& edit = *edits_[position_++];
  edit.Redo(target);
  return edit.Description();
}

}  // namespace panel
