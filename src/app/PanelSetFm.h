#pragma once
// "パネル一覧": every panel of the work folder as one set, on the map of
// TPanelSetMapFr, with opening a panel as 開く does, checking the set,
// publishing the ticked panels as one step, and writing and reading the
// set's archive.
#include <windows.h>

#include <string>

#include "app/PanelSetMapFr.h"
#include "data/PanelSetFiles.h"
#include "winui/Form.h"

class TOptionMdl;

class TPanelSetFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TPanelSetFm";
  enum ControlId : int {
    kMap = 100,
    kOpenButton,
    kCheckButton,
    kPublishButton,
    kExportButton,
    kImportButton,
    kCloseButton,
  };

  TPanelSetFm(TOptionMdl& options, SetFolders folders) : options_(options), folders_(std::move(folders)) {}
  bool CreateForm(HWND owner);

  // Reads the set anew; the ticks go to the panels that differ from the host's.
  void ReadSet();
  void OpenButtonClick();
  void CheckButtonClick();
  void PublishButtonClick();
  // The archive's path comes from the system's file dialogs.
  void ExportButtonClick();
  void ImportButtonClick();

  TPanelSetMapFr Map;

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  // The map's keys, Enter opening its selected panel as 開く does.
  LRESULT OnAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // The window's focus goes on to the map, so that its keys work at once.
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TOptionMdl& options_;
  SetFolders folders_;
};

// Shows the panel set of the work folder modally over `owner`; `hostFolder`
// gives the host's folder or "" when it has told the user why there is none.
void ShowPanelSet(HWND owner, TOptionMdl& options, const std::string& workFolder,
                  const std::function<std::string(HWND)>& hostFolder);
