#pragma once
// Shown before publishing when the panel check found something: the findings,
// and whether to publish anyway ("公開する") or not ("公開しない").
#include <windows.h>

#include <vector>

#include "table/PanelCheck.h"
#include "winui/Form.h"

class TPublishCheckFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TPublishCheckFm";
  static constexpr int kFindingsId = 100;
  static constexpr int kPublishButtonId = 101;
  static constexpr int kKeepButtonId = 102;

  explicit TPublishCheckFm(const std::vector<panel::PanelFinding>& findings) : findings_(findings) {}
  bool Create(HWND owner);

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;

 private:
  const std::vector<panel::PanelFinding>& findings_;
};

// True when the user chose "公開する".
bool ConfirmPublishDespite(HWND owner, const std::vector<panel::PanelFinding>& findings);
