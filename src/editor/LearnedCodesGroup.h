#pragma once
// The options of sending learned remote codes: a memo for the cell, the list
// of learned codes, the three sending options, learning, deleting all and the
// infrared test.
#include "editor/CommandOptionGroup.h"
#include "editor/RemoconBaseFr.h"
#include "editor/SjisEdit.h"

class TOptionMdl;

namespace edit_command {

class LearnedCodesGroup : public OptionGroup, private RemoconListOwner {
 public:
  explicit LearnedCodesGroup(TOptionMdl& options)
      : OptionGroup(kLearnedIds), RemoconBaseFrame(*this, options), options_(options) {}

  char Kind() const override { return '#'; }
  void Create(HWND form, HFONT font) override;
  void Load(const panel::CButtonInfo& cell) override;
  void Reset() override;
  bool Register(panel::CButtonInfo& cell) override;
  std::wstring Contents() const override;
  void BeforeShow() override { UpdateSendOptions(); }
  void OnCommand(int id, int code) override;

  // A cell from the 161st on has no infrared key: true, with a warning.
  bool RefusesCell(const panel::CButtonInfo& cell) const;

  // Which of the three sending options apply to the rows as they are.
  void UpdateSendOptions() override;

  HWND Label3 = nullptr;
  HWND MemoEdit = nullptr;
  TRemoconBaseFr RemoconBaseFrame;
  HWND Repeat = nullptr;
  HWND StillStop = nullptr;
  HWND NextButton = nullptr;
  HWND AddRemokon = nullptr;
  HWND AllDelete = nullptr;
  HWND TestRemocon = nullptr;

 private:
  void AddRemokonClick();
  void AllDeleteClick();
  void TestRemoconClick();
  void Warn(const std::wstring& text) const;

  TOptionMdl& options_;
  editor::SjisEdit memo_;
};

}  // namespace edit_command
