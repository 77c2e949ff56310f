#pragma once
// One option group of the command dialog: a group box that owns its controls
// and edits the command of one kind. The dialog keeps its groups in an array,
// shows the group of the chosen kind and hands each command to the group
// whose id range holds the control.
#include <windows.h>

#include <string>

#include "editor/EditCommandIds.h"
#include "table/ButtonInfo.h"
#include "winui/ControlColors.h"

namespace edit_command {

class OptionGroup {
 public:
  virtual ~OptionGroup() = default;
  OptionGroup(const OptionGroup&) = delete;
  OptionGroup& operator=(const OptionGroup&) = delete;

  // The kind character this group edits ('#' for every learned-code cell).
  virtual char Kind() const = 0;
  // Creates the group box, hidden, and its controls on the dialog `form`.
  virtual void Create(HWND form, HFONT font) = 0;
  // Shows the command of `cell`, which is of this group's kind.
  virtual void Load(const panel::CButtonInfo& cell) = 0;
  // The kind has just been chosen in the list: the fields start afresh.
  virtual void Reset() = 0;
  // Checks the fields and writes the command into `cell`; false leaves the
  // cell as it was (after a warning, where the user is told why).
  virtual bool Register(panel::CButtonInfo& cell) = 0;
  // What the user can change here, to tell whether anything was.
  virtual std::wstring Contents() const = 0;
  // Just before the group is shown.
  virtual void BeforeShow() {}
  // A command from one of this group's controls.
  virtual void OnCommand(int id, int code) { (void)id, (void)code; }

  HWND Box() const { return box_; }
  bool HoldsId(int id) const { return id >= firstId_ && id < firstId_ + kIdsPerGroup; }
  // Colours of this group's controls; null for a control that is not coloured here.
  HBRUSH AnswerColor(HDC dc, HWND control) const { return colors_.Answer(dc, control); }

 protected:
  explicit OptionGroup(int firstId) : firstId_(firstId) {}

  HWND form_ = nullptr;
  HWND box_ = nullptr;
  winui::ControlColors colors_;

 private:
  int firstId_;
};

bool Ticked(HWND checkBox);

}  // namespace edit_command
