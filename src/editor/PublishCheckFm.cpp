#include "editor/PublishCheckFm.h"

#include <string>

#include "winui/Controls.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {
constexpr int kClientWidth = 520;
constexpr int kClientHeight = 330;
}  // namespace

bool TPublishCheckFm::Create(HWND owner) {
  winui::FormDescription description = winui::DialogDescription(kClassName, L"公開前の確認", kClientWidth, kClientHeight, owner);
  description.fontPoints = 9;
  return Form::Create(description);
}

void TPublishCheckFm::OnCreate() {
  winui::CreateLabel(Handle(), L"このパネルには次の問題があります。このままクロヴァンに公開しますか？", 12, 12,
                     FontHandle());
  std::wstring text;
  for (const PanelFinding& finding : findings_) {
    if (!text.empty()) text += L"\r\n\r\n";
    text += L"・" + winui::SjisToWide(finding.text);
  }
  winui::CreateControl(Handle(), L"EDIT", text,
                       WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                       WS_EX_CLIENTEDGE, {12, 36, kClientWidth - 24, 236}, kFindingsId, FontHandle());
  winui::CreateButton(Handle(), kPublishButtonId, L"公開する", {kClientWidth - 232, 288, 100, 28}, FontHandle());
  const HWND keep =
      winui::CreateButton(Handle(), kKeepButtonId, L"公開しない", {kClientWidth - 120, 288, 108, 28}, FontHandle());
  // Not publishing is the safe answer to Enter as well.
  SetDialogButtons(keep, kKeepButtonId);
  SetFocus(keep);
}

void TPublishCheckFm::OnCommand(int id, int code, HWND) {
  const int button = ClickedButton(id, code);
  if (button == kPublishButtonId) SetModalResult(winui::ModalResult::Ok);
  if (button == kKeepButtonId) SetModalResult(winui::ModalResult::Cancel);
}

bool ConfirmPublishDespite(HWND owner, const std::vector<PanelFinding>& findings) {
  winui::Owned<TPublishCheckFm> form(findings);
  if (!form.Create(owner)) return false;
  return winui::ShowModal(form, owner) == winui::ModalResult::Ok;
}
