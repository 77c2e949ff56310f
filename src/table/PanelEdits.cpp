#include "table/PanelEdits.h"

#include <algorithm>

namespace panel {

namespace {

constexpr char kButton[] = "\x83\x7b\x83\x5e\x83\x93";          // "ボタン"
constexpr char kOfCommand[] = "\x82\xcc\x96\xbd\x97\xdf";       // "の命令"
constexpr char kOfText[] = "\x82\xcc\x95\xb6\x8e\x9a";          // "の文字"
constexpr std::size_t kPixelBytes = 3;

std::string CellWords(int ordinal, const char* what) { return kButton + std::to_string(ordinal + 1) + what; }

std::size_t CellBytes(const CButtonInfo& cell) {
  std::size_t bytes = sizeof(cell) + cell.GetMemo().capacity();
  for (int slot = 0; slot < CButtonInfo::kTextSlots; ++slot) bytes += cell.GetText(slot).capacity();
  return bytes;
}

}  // namespace

std::string CellEdit::Description() const { return CellWords(ordinal_, kOfCommand); }

std::size_t CellEdit::MemoryBytes() const { return sizeof(*this) + CellBytes(before_) + CellBytes(after_); }

std::optional<PixelPatch> ChangedPixels(const PixelRect& rect, const std::vector<std::uint8_t>& before,
                                        const std::vector<std::uint8_t>& after) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return std::nullopt;
  const auto pixel = [&](const std::vector<std::uint8_t>& bytes, int x, int y) {
    return bytes.begin() + static_cast<std::ptrdiff_t>((static_cast<std::size_t>(y) * width + x) * kPixelBytes);
  };
  PixelRect changed{width, height, 0, 0};  // relative to rect, empty so far
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (std::equal(pixel(before, x, y), pixel(before, x, y) + kPixelBytes, pixel(after, x, y))) continue;
      changed = {std::min(changed.left, x), std::min(changed.top, y), std::max(changed.right, x + 1),
                 std::max(changed.bottom, y + 1)};
    }
  }
  if (changed.Area() == 0) return std::nullopt;
  PixelPatch patch{{rect.left + changed.left, rect.top + changed.top, rect.left + changed.right,
                    rect.top + changed.bottom}, {}, {}};
  for (int y = changed.top; y < changed.bottom; ++y) {
    patch.before.insert(patch.before.end(), pixel(before, changed.left, y), pixel(before, changed.right, y));
    patch.after.insert(patch.after.end(), pixel(after, changed.left, y), pixel(after, changed.right, y));
  }
  return patch;
}

void PixelEdit::Undo(EditTarget& target) const {
  if (patch_) target.picture.WritePixels(patch_->rect, patch_->before);
}

void PixelEdit::Redo(EditTarget& target) const {
  if (patch_) target.picture.WritePixels(patch_->rect, patch_->after);
}

std::string PixelEdit::Description() const { return CellWords(ordinal_, kOfText); }

std::size_t PixelEdit::MemoryBytes() const {
  return sizeof(*this) + (patch_ ? patch_->before.capacity() + patch_->after.capacity() : 0);
}

}  // namespace panel
