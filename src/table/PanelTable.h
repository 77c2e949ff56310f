#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "table/ButtonInfo.h"

namespace panel {

// Grid bounds a panel must keep. A panel is a picture on one screen and its
// bitmap is made of cellWidth x columns by cellHeight x rows pixels, so a side
// longer than a 16-bit coordinate or more cells than 256 per side is damage,
// not a panel.
inline constexpr int kMaxGridCells = 256;  // per side
inline constexpr int kMaxPanelPixels = 32767;  // per side

bool IsSaneGrid(std::int64_t cellWidth, std::int64_t cellHeight, std::int64_t columns, std::int64_t rows);

// One panel in memory. The grid size is fixed once the cells exist.
class CPanelTable {
 public:
  const std::string& Folder() const { return folder_; }
  const std::string& TablePath() const { return tablePath_; }
  // Sets tablePath and its folder (everything before the last backslash).
  void SetTablePath(const std::string& pathSjis);

  const std::string& BitmapName() const { return bitmapName_; }
  void SetBitmapName(std::string nameSjis) { bitmapName_ = std::move(nameSjis); }

  int CellWidth() const { return cellWidth_; }
  int CellHeight() const { return cellHeight_; }
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }

  // Creates blank cells numbered in row-major order; refuses a grid that
  // fails IsSaneGrid and leaves the table as it was.
  bool CreateGrid(int cellWidth, int cellHeight, int columns, int rows);
  int CellCount() const { return static_cast<int>(cells_.size()); }
  CButtonInfo& Cell(int ordinal) { return cells_.at(static_cast<size_t>(ordinal)); }
  const CButtonInfo& Cell(int ordinal) const { return cells_.at(static_cast<size_t>(ordinal)); }
  std::vector<CButtonInfo>& Cells() { return cells_; }
  const std::vector<CButtonInfo>& Cells() const { return cells_; }

  // Top-level lines kept from the file, each ended by "\n", written back last.
  const std::string& ExtraText() const { return extraText_; }
  std::string& ExtraText() { return extraText_; }

 private:
  std::string folder_;
  std::string tablePath_;
  std::string bitmapName_;
  int cellWidth_ = 0;
  int cellHeight_ = 0;
  int columns_ = 0;
  int rows_ = 0;
  std::vector<CButtonInfo> cells_;
  std::string extraText_;
};

}  // namespace panel
