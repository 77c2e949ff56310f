#include "editor/SjisEdit.h"

#include "winui/Controls.h"
#include "winui/TextConv.h"

namespace editor {

void SjisEdit::Set(HWND edit, const std::string& sjis) {
  bytes_ = sjis;
  shown_ = winui::SjisToWide(sjis);
  winui::SetText(edit, shown_);
}

std::optional<std::string> SjisEdit::Read(HWND edit) const {
  const std::wstring text = winui::GetText(edit);
  if (text == shown_) return bytes_;
  return winui::WideToSjis(text);
}

}  // namespace editor
