#pragma once
// The options of a panel switch: the identifier of the table to switch to,
// with the file name it stands for (or a red hint while it is empty).
#include "editor/CommandOptionGroup.h"

namespace edit_command {

class PanelSwitchGroup : public OptionGroup {
 public:
  PanelSwitchGroup() : OptionGroup(kPanelIds) {}

  char Kind() const override { return 'G'; }
  void Create(HWND form, HFONT font) override;
  void Load(const panel::CButtonInfo& cell) override;
  void Reset() override;
  bool Register(panel::CButtonInfo& cell) override;
  std::wstring Contents() const override;
  void OnCommand(int id, int code) override;

  void UpdatePanelFileLabel();

  HWND Label1 = nullptr;
  HWND PanelName = nullptr;
  HWND PanelFileName = nullptr;
};

}  // namespace edit_command
