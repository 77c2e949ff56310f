#pragma once
// The command registration dialog: edits the command of one button cell. The
// cell is written only when 登録 succeeds; every other way out leaves it as it was.
// Each command kind with options has a group of its own (CommandOptionGroup.h).
#include <windows.h>

#include <array>
#include <string>

#include "editor/ExternalProgramGroup.h"
#include "editor/LearnedCodesGroup.h"
#include "editor/PanelSwitchGroup.h"
#include "editor/RelayGroup.h"
#include "table/ButtonInfo.h"
#include "table/PanelTable.h"
#include "winui/Form.h"

class TOptionMdl;

struct CommandKindEntry {
  char kind;
  const wchar_t* name;
};

// The drop-down list's items, in order. '#' stands for every code that begins with a digit.
inline constexpr std::array<CommandKindEntry, 6> CommandKinds{{
    {' ', L"なし"},
    {'X', L"リレー"},
    {'#', L"学習リモコン送信"},
    {'G', L"パネル切替"},
    {'R', L"外部プログラムの実行"},
    {'Q', L"閉じる"},
}};

class TEditCommandFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TEditCommandFm";

  // Learning, sending and the relay port come from `options`.
  explicit TEditCommandFm(TOptionMdl& options) : GroupRelay(options), GroupLearned(options) {}

  // Creates the hidden dialog, owned by `owner`.
  bool CreateForm(HWND owner);
  // Before LoadCell: the panel the cell belongs to.
  void SetPanelTable(const panel::CPanelTable& table) { GroupGaibu.SetPanelTable(table); }
  void LoadCell(panel::CButtonInfo& cell);
  // The cell given to LoadCell (null before).
  panel::CButtonInfo* LoadedCell() const { return cell_; }

  void ShowKindGroup();
  char CurrentKind() const { return currentKind_; }

  HWND Command = nullptr;
  HWND TourokuButton = nullptr;
  HWND TyuusiButton = nullptr;
  edit_command::PanelSwitchGroup GroupPanel;
  edit_command::RelayGroup GroupRelay;
  edit_command::LearnedCodesGroup GroupLearned;
  edit_command::ExternalProgramGroup GroupGaibu;

 protected:
  void OnCreate() override;  // FormCreate
  void OnCommand(int id, int code, HWND control) override;
  HBRUSH OnCtlColor(HDC dc, HWND control) override;
  // The group shown stands at the top, wherever its design put it.
  void OnDpiChanged() override { ShowKindGroup(); }

 private:
  void CreateControls();
  // The group that edits `kind`; null for the kinds without options.
  edit_command::OptionGroup* GroupOf(char kind) const;

  // The chosen kind and what its group holds: 中止 asks only when this changed.
  std::wstring Contents() const;

  void CommandChange();
  void TourokuButtonClick();
  void TyuusiButtonClick();

  // In creation (and tab) order.
  const std::array<edit_command::OptionGroup*, 4> groups_{&GroupPanel, &GroupRelay, &GroupLearned, &GroupGaibu};
  panel::CButtonInfo* cell_ = nullptr;
  char currentKind_ = ' ';
  std::wstring loaded_;       // Contents() right after LoadCell
  std::string filledKinds_;   // kinds whose group holds the cell's values or its fresh start
};
