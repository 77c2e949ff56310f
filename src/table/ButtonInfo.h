#pragma once
#include <array>
#include <string>
#include <string_view>

#include "table/CommandCode.h"

namespace panel {

// One button cell: its command code and the texts its command needs.
class CButtonInfo {
 public:
  static constexpr int kTextSlots = 10;
  static constexpr int kMaxCodeTexts = 9;

  void SetCode(const CellCode& code, int ordinal);
  void ReplaceCode(const CellCode& code);
  CellCode GetCode() const { return code_; }
  int GetIndex() const { return index_; }
  // `key` must be two bytes; anything else never matches.
  bool KeyMatches(std::string_view key) const;

  // A text beginning with an apostrophe is the memo; any other is the next
  // code text. Once nine code texts are held every text is refused, a memo
  // too.
  bool AddText(std::string_view text);
  void SetCommandText(std::string_view text);
  void ClearTexts();

  const std::string& GetMemo() const { return memo_; }
  int GetCount() const { return count_; }
  // An empty text for a slot outside 0..9.
  const std::string& GetText(int slot) const;
  const std::string& GetCommandText() const { return texts_[0]; }

  // Opening checks: the validity test turns a leading '+' into blanks.
  bool IsLoadableCode();
  void NormalizeLoaded();

 private:
  CellCode code_{' ', ' ', ' ', ' '};
  int count_ = 0;
  std::array<std::string, kTextSlots> texts_;
  std::string memo_;
  int index_ = 0;
};

}  // namespace panel
