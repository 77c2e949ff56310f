#pragma once
// The edits the edit window makes: a cell's command replaced (registered or
// pasted) and pixels changed (a stamped text).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "table/ButtonInfo.h"
#include "table/EditHistory.h"

namespace panel {

// The whole cell before and after: code, memo and texts.
class CellEdit : public IEdit {
 public:
  CellEdit(int ordinal, CButtonInfo before, CButtonInfo after)
      : ordinal_(ordinal), before_(std::move(before)), after_(std::move(after)) {}
  void Undo(EditTarget& target) const override { target.table.Cell(ordinal_) = before_; }
  void Redo(EditTarget& target) const override { target.table.Cell(ordinal_) = after_; }
  std::string Description() const override;  // "ボタン5の命令"
  std::size_t MemoryBytes() const override;

 private:
  int ordinal_;
  CButtonInfo before_;
  CButtonInfo after_;
};

// A rectangle of the picture before and after a change, three bytes a pixel.
struct PixelPatch {
  PixelRect rect;
  std::vector<std::uint8_t> before;
  std::vector<std::uint8_t> after;
};

// The patch cut down to the smallest rectangle holding every changed pixel;
// nothing when no pixel changed. `before` and `after` cover `rect`.
std::optional<PixelPatch> ChangedPixels(const PixelRect& rect, const std::vector<std::uint8_t>& before,
                                        const std::vector<std::uint8_t>& after);

// Pixels changed in cell `ordinal` (a stamp may run on over its neighbours).
// An empty patch keeps the edit as one, with nothing to put back.
class PixelEdit : public IEdit {
 public:
  PixelEdit(int ordinal, std::optional<PixelPatch> patch) : ordinal_(ordinal), patch_(std::move(patch)) {}
  void Undo(EditTarget& target) const override;
  void Redo(EditTarget& target) const override;
  std::string Description() const override;  // "ボタン5の文字"
  std::size_t MemoryBytes() const override;

 private:
  int ordinal_;
  std::optional<PixelPatch> patch_;
};

}  // namespace panel
