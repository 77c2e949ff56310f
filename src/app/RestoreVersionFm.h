#pragma once
// The choice of an earlier published version to put back into the host
// folder: one line per history entry, newest first and selected.
#include <windows.h>

#include <string>
#include <vector>

#include "winui/Form.h"

class TRestoreVersionFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TRestoreVersionFm";
  enum ControlId : int { kVersionList = 100, kRestoreButton, kCancelButton };

  struct Version {
    std::string entryName;  // Shift-JIS, as PublishHistoryEntries gives it
    std::wstring line;      // what the list shows
  };

  explicit TRestoreVersionFm(std::vector<Version> versions) : versions_(std::move(versions)) {}
  bool CreateForm(HWND owner);
  // The chosen entry; "" without a selection.
  std::string Chosen() const;

  HWND VersionList = nullptr;

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;

 private:
  std::vector<Version> versions_;
};
