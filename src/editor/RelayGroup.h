#pragma once
// The options of a relay command: the relay number in decimal, the action,
// and the relay test on the port of the data module.
#include <array>

#include "editor/CommandOptionGroup.h"

class TOptionMdl;

namespace edit_command {

class RelayGroup : public OptionGroup {
 public:
  explicit RelayGroup(TOptionMdl& options) : OptionGroup(kRelayIds), options_(options) {}

  char Kind() const override { return 'X'; }
  void Create(HWND form, HFONT font) override;
  void Load(const panel::CButtonInfo& cell) override;
  void Reset() override;
  bool Register(panel::CButtonInfo& cell) override;
  std::wstring Contents() const override;
  void OnCommand(int id, int code) override;

  // The selected item of RelayAction, -1 when none.
  int RelayActionIndex() const;

  HWND Label2 = nullptr;
  HWND RelayNumber = nullptr;
  HWND RelayAction = nullptr;
  std::array<HWND, 3> RelayActionItems{};
  HWND RelayTestButton = nullptr;

 private:
  void SelectRelayAction(int index);
  void RelayTestButtonClick();
  // After a stored relay character that is no relay: false, with a warning,
  // until the field holds a number from 0 to 31.
  bool NumberEntered() const;

  TOptionMdl& options_;
  bool storedNumberInvalid_ = false;
};

}  // namespace edit_command
