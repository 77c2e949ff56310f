#pragma once
// Control ids of the command dialog (from 100: 1 and 2 are Enter and Esc).
// Each option group numbers its controls from a base of its own, so that the
// dialog hands a command to the group whose range holds its id.
namespace edit_command {

enum ControlId : int {
  kCommand = 100,
  kTourokuButton,
  kTyuusiButton,
};

inline constexpr int kIdsPerGroup = 100;

enum GroupIds : int {
  kPanelIds = 200,
  kRelayIds = 300,
  kLearnedIds = 400,
  kExternalIds = 500,
};

}  // namespace edit_command
