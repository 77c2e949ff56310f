#include "table/ButtonInfo.h"

namespace panel {

void CButtonInfo::SetCode(const CellCode& code, int ordinal) {
  code_ = code;
  index_ = ordinal;
}

void CButtonInfo::ReplaceCode(const CellCode& code) { code_ = code; }

bool CButtonInfo::KeyMatches(std::string_view key) const {
  return key.size() == 2 && code_[0] == key[0] && code_[1] == key[1];
}

bool CButtonInfo::AddText(std::string_view text) {
  if (count_ >= kMaxCodeTexts) return false;
  if (!text.empty() && text.front() == '\'') {
    memo_.assign(text.substr(1));
  } else {
    texts_[static_cast<size_t>(count_)].assign(text);
    ++count_;
  }
  return true;
}

void CButtonInfo::SetCommandText(std::string_view text) { texts_[0].assign(text); }

void CButtonInfo::ClearTexts() {
  for (auto& t : texts_) t.clear();
  count_ = 0;
  memo_.clear();
}

const std::string& CButtonInfo::GetText(int slot) const {
  static const std::string kNoText;
  if (slot < 0 || slot >= kTextSlots) return kNoText;
  return texts_[static_cast<size_t>(slot)];
}

bool CButtonInfo::IsLoadableCode() {
  if (code_[0] == ' ' && code_[1] == ' ') return true;
  switch (code_[0]) {
    case 'X': case 'Q': case 'G': case 'R': return true;
    case '+':
      code_[0] = ' ';
      code_[1] = ' ';
      return true;
    default: return IsInfraredLead(code_[0]);
  }
}

void CButtonInfo::NormalizeLoaded() {
  // Keys '7'-'9' (ordinals 112-159) are infrared cells like '0'-'6': the writer
  // files their texts and the validity test accepts them, so clearing them
  // here would lose learned codes at the next save.
  if (IsInfraredLead(code_[0])) {
    if (count_ == 0) code_ = NoneCode();
    return;
  }
  if (code_[0] == 'R') return;
  ClearTexts();
}

}  // namespace panel
