#pragma once
// Control ids of the command dialog (from 100: 1 and 2 are Enter and Esc).
namespace edit_command {

enum ControlId : int {
  kCommand = 100,
  kTourokuButton,
  kTyuusiButton,
  kGroupPanel,
  kPanelName,
  kPanelFileName,
  kGroupRelay,
  kRelayNumber,
  kRelayAction,
  kRelayTestButton,
  kGroupBuffalo,
  kMemoEdit,
  kRemoconBaseFrame,
  kRepeat,
  kStillStop,
  kNextButton,
  kAddRemokon,
  kAllDelete,
  kTestRemocon,
  kGroupGaibu,
  kGaibuCommand,
  kRelayActionFirst,  // three radio buttons
};

}  // namespace edit_command
