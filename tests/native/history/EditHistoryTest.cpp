#include <gtest/gtest.h>

#include <memory>

#include "table/PanelEdits.h"
#include "table/TableFileWriter.h"

using namespace panel;

namespace {

// A white picture of 8 x 4 pixels in memory.
struct Pixels : IPixelSurface {
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(8 * 4 * 3, 0xff);
  std::vector<std::uint8_t> ReadPixels(const PixelRect& r) const override {
    std::vector<std::uint8_t> out;
    for (int y = r.top; y < r.bottom; ++y) {
      out.insert(out.end(), bytes.data() + (y * 8 + r.left) * 3, bytes.data() + (y * 8 + r.right) * 3);
    }
    return out;
  }
  void WritePixels(const PixelRect& r, const std::vector<std::uint8_t>& in) override {
    const int w = (r.right - r.left) * 3;
    for (int y = r.top; y < r.bottom; ++y) {
      std::copy_n(in.data() + (y - r.top) * w, w, bytes.data() + (y * 8 + r.left) * 3);
    }
  }
};

struct Panel : ::testing::Test {
  void SetUp() override {
    table.SetBitmapName("p.bmp");
    ASSERT_TRUE(table.CreateGrid(4, 2, 2, 2));
  }
  std::string Bytes() {
    CPanelTable copy = table;
    return FormatTableFile(copy).value();
  }
  // Cell `ordinal` given `code`, as the window records it.
  std::unique_ptr<IEdit> Register(int ordinal, const char* code) {
    CButtonInfo before = table.Cell(ordinal);
    table.Cell(ordinal).ReplaceCode(MakeCellCode(code));
    return std::make_unique<CellEdit>(ordinal, before, table.Cell(ordinal));
  }
  // A dot of `colour` drawn at x, y.
  std::unique_ptr<IEdit> Stamp(int ordinal, int x, int y, std::uint8_t colour) {
    const PixelRect around{0, 0, 8, 4};
    const auto before = pixels.ReadPixels(around);
    pixels.WritePixels({x, y, x + 1, y + 1}, {colour, colour, colour});
    return std::make_unique<PixelEdit>(ordinal, ChangedPixels(around, before, pixels.ReadPixels(around)));
  }

  CPanelTable table;
  Pixels pixels;
  EditTarget target{table, pixels};
};

TEST_F(Panel, UndoAndRedoGiveBackTheTableBytesThePixelsAndTheSavedMark) {
  EditHistory history;
  const std::string opened = Bytes();
  const auto white = pixels.bytes;
  history.Record(Register(3, "X7 &"));
  const std::string registered = Bytes();
  history.MarkSaved();
  history.Record(Stamp(1, 5, 2, 0));
  const auto stamped = pixels.bytes;
  EXPECT_FALSE(history.AtSavedState());
  EXPECT_EQ(history.UndoDescription(), "\x83\x7b\x83\x5e\x83\x93" "2\x82\xcc\x95\xb6\x8e\x9a");  // ボタン2の文字

  history.Undo(target);
  EXPECT_EQ(pixels.bytes, white);
  EXPECT_TRUE(history.AtSavedState());  // back where it was saved
  EXPECT_EQ(history.Undo(target), "\x83\x7b\x83\x5e\x83\x93" "4\x82\xcc\x96\xbd\x97\xdf");  // ボタン4の命令
  EXPECT_EQ(Bytes(), opened);
  EXPECT_EQ(history.Undo(target), "");  // nothing more

  history.Redo(target);
  EXPECT_EQ(Bytes(), registered);
  EXPECT_TRUE(history.AtSavedState());
  history.Redo(target);
  EXPECT_EQ(pixels.bytes, stamped);
  EXPECT_EQ(history.RedoDescription(), "");

  history.Undo(target);
  history.Undo(target);
  history.Record(Register(0, "Q   "));  // a new edit ends what could be redone, the saved state with it
  EXPECT_FALSE(history.CanRedo());
  history.Undo(target);
  EXPECT_FALSE(history.AtSavedState());
}

TEST_F(Panel, AStampKeepsOnlyTheRectangleItChanged) {
  pixels.WritePixels({2, 1, 3, 2}, {1, 2, 3});
  const auto before = pixels.ReadPixels({0, 0, 8, 4});
  pixels.WritePixels({6, 3, 7, 4}, {9, 9, 9});
  const std::optional<PixelPatch> patch = ChangedPixels({0, 0, 8, 4}, before, pixels.ReadPixels({0, 0, 8, 4}));
  ASSERT_TRUE(patch);
  EXPECT_EQ(patch->rect, (PixelRect{6, 3, 7, 4}));
  EXPECT_EQ(patch->before, (std::vector<std::uint8_t>{0xff, 0xff, 0xff}));
  EXPECT_EQ(patch->after, (std::vector<std::uint8_t>{9, 9, 9}));
  EXPECT_FALSE(ChangedPixels({0, 0, 8, 4}, before, before));
  EXPECT_LT(PixelEdit(0, patch).MemoryBytes(), 100u);
}

TEST_F(Panel, BeyondItsLimitTheHistoryForgetsTheOldestEdits) {
  EditHistory history(2 * Stamp(0, 0, 0, 1)->MemoryBytes());
  for (int x = 0; x < 5; ++x) history.Record(Stamp(0, x, 0, 7));
  EXPECT_EQ(history.MemoryBytes(), 2 * Stamp(0, 0, 1, 1)->MemoryBytes());
  history.Undo(target);
  history.Undo(target);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.AtSavedState());  // the state as opened is out of reach
}

}  // namespace
