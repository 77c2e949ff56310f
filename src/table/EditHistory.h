#pragma once
// Undo and redo of the edits of one panel: a list of edits with a position,
// and the position last saved, so that undoing back to it means "nothing
// unsaved" without comparing files.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "table/PanelGrid.h"
#include "table/PanelTable.h"

namespace panel {

// The panel's picture as an edit sees it: rectangles of pixels, three bytes a
// pixel in the picture's own order, rows top down without padding.
class IPixelSurface {
 public:
  virtual ~IPixelSurface() = default;
  virtual std::vector<std::uint8_t> ReadPixels(const PixelRect& rect) const = 0;
  virtual void WritePixels(const PixelRect& rect, const std::vector<std::uint8_t>& pixels) = 0;
};

// What an edit works on. Kinds of edit that need more of the panel add it here.
struct EditTarget {
  CPanelTable& table;
  IPixelSurface& picture;
};

// One edit, already made: how to take it back and make it again.
class IEdit {
 public:
  virtual ~IEdit() = default;
  virtual void Undo(EditTarget& target) const = 0;
  virtual void Redo(EditTarget& target) const = 0;
  // What it changed, for the menu and the status line (Shift-JIS): "ボタン5の命令".
  virtual std::string Description() const = 0;
  // Bytes it keeps, near enough to bound the history.
  virtual std::size_t MemoryBytes() const = 0;
};

class EditHistory {
 public:
  // Beyond this the oldest edits are forgotten.
  static constexpr std::size_t kDefaultByteLimit = std::size_t{64} << 20;
  explicit EditHistory(std::size_t byteLimit = kDefaultByteLimit) : byteLimit_(byteLimit) {}

  // Adds an edit just made; the edits that could have been redone are gone.
  void Record(std::unique_ptr<IEdit> edit);
  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < edits_.size(); }
  // Descriptions of the edit Undo or Redo would take; "" when none.
  std::string UndoDescription() const;
  std::string RedoDescription() const;
  // The description of the edit taken back or made again; "" when none.
  std::string Undo(EditTarget& target);
  std::string Redo(EditTarget& target);

  void MarkSaved() { saved_ = position_; }
  // The panel as opened holds unsaved work (restored from a recovery copy).
  void ForgetSavedState() { saved_.reset(); }
  bool AtSavedState() const { return saved_ == position_; }
  std::size_t MemoryBytes() const { return bytes_; }

 private:
  void DropOldest();

  std::deque<std::unique_ptr<IEdit>> edits_;
  std::size_t position_ = 0;             // edits before it are made
  std::optional<std::size_t> saved_ = 0;  // none: no reachable state is saved
  std::size_t bytes_ = 0;
  std::size_t byteLimit_;
};

}  // namespace panel
