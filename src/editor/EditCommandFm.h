#pragma once
// The command registration dialog: edits the command of one button cell. The
// cell is written only when 登録 succeeds; every other way out leaves it as it was.
#include <windows.h>

#include <array>
#include <string>

#include "editor/RemoconBaseFr.h"
#include "editor/SjisEdit.h"
#include "table/ButtonInfo.h"
#include "table/PanelTable.h"
#include "winui/ControlColors.h"
#include "winui/Form.h"

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

class TEditCommandFm : public winui::Form, private RemoconListOwner {
 public:
  static constexpr wchar_t kClassName[] = L"TEditCommandFm";

  TEditCommandFm() : RemoconBaseFrame(*this) {}
  ~TEditCommandFm() override;

  // Creates the hidden dialog, owned by `owner`.
  bool CreateForm(HWND owner);
  // Before LoadCell: the panel the cell belongs to.
  void SetPanelTable(const CPanelTable& table) { table_ = &table; }
  void LoadCell(CButtonInfo& cell);
  // The cell given to LoadCell (null before).
  CButtonInfo* LoadedCell() const { return cell_; }

  void ShowKindGroup();
  void UpdatePanelFileLabel();
  void UpdateSendOptions() override;
  char CurrentKind() const { return currentKind_; }
  // The selected item of RelayAction, -1 when none.
  int RelayActionIndex() const;

  HWND Command = nullptr;
  HWND TourokuButton = nullptr;
  HWND TyuusiButton = nullptr;
  HWND GroupPanel = nullptr;
  HWND Label1 = nullptr;
  HWND PanelName = nullptr;
  HWND PanelFileName = nullptr;
  HWND GroupRelay = nullptr;
  HWND Label2 = nullptr;
  HWND RelayNumber = nullptr;
  HWND RelayAction = nullptr;
  std::array<HWND, 3> RelayActionItems{};
  HWND RelayTestButton = nullptr;
  HWND GroupBuffalo = nullptr;
  HWND Label3 = nullptr;
  HWND MemoEdit = nullptr;
  TRemoconBaseFr RemoconBaseFrame;
  HWND Repeat = nullptr;
  HWND StillStop = nullptr;
  HWND NextButton = nullptr;
  HWND AddRemokon = nullptr;
  HWND AllDelete = nullptr;
  HWND TestRemocon = nullptr;
  HWND GroupGaibu = nullptr;
  HWND GaibuCommand = nullptr;

 protected:
  void OnCreate() override;  // FormCreate
  void OnCommand(int id, int code, HWND control) override;
  HBRUSH OnCtlColor(HDC dc, HWND control) override;

 private:
  void CreateControls();
  void SelectRelayAction(int index);
  bool Ticked(HWND checkBox) const;

  void CommandChange();
  void TourokuButtonClick();
  void TyuusiButtonClick();
  void AddRemokonClick();
  void AllDeleteClick();
  void TestRemoconClick();
  void RelayTestButtonClick();

  bool RegisterPanelSwitch();
  bool RegisterExternalProgram();
  bool RegisterRelay();
  bool RegisterLearnedCodes();
  void Warn(const std::wstring& text);

  CButtonInfo* cell_ = nullptr;
  const CPanelTable* table_ = nullptr;
  char currentKind_ = ' ';
  editor::SjisEdit memo_;
  editor::SjisEdit gaibuCommand_;
  winui::ControlColors colors_;
};
