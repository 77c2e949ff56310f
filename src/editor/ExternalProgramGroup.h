#pragma once
// The options of running an external program: its command line, the cell's only text.
#include "editor/CommandOptionGroup.h"
#include "editor/SjisEdit.h"
#include "table/PanelTable.h"
#include "winui/Controls.h"

namespace edit_command {

class ExternalProgramGroup : public OptionGroup {
 public:
  ExternalProgramGroup() : OptionGroup(kExternalIds) {}

  // The panel the cell belongs to: it numbers its external programs.
  void SetPanelTable(const panel::CPanelTable& table) { table_ = &table; }

  char Kind() const override { return 'R'; }
  void Create(HWND form, HFONT font) override;
  void Load(const panel::CButtonInfo& cell) override;
  void Reset() override;
  bool Register(panel::CButtonInfo& cell) override;
  std::wstring Contents() const override { return winui::GetText(GaibuCommand); }

  HWND GaibuCommand = nullptr;

 private:
  const panel::CPanelTable* table_ = nullptr;
  editor::SjisEdit gaibuCommand_;
};

}  // namespace edit_command
