#pragma once
// The commissioning run on the real devices: each button with a command is
// framed, tried as the host program would run it, and asked about; at the end
// a printable sheet is saved beside the table.
//
// Use from the edit window:
//   std::string sheet = RunCommissioning(Handle(), options, table, PanelImage, [this](int o) { FrameCell(o); });
//   if (!sheet.empty()) OfferToOpenSheet(Handle(), sheet);
#include <windows.h>

#include <functional>
#include <string>

#include "commissioning/CommissioningRun.h"
#include "commissioning/CommissioningSheet.h"
#include "devices/win/IrLibrary.h"
#include "table/PanelTable.h"
#include "winui/Picture.h"

class TOptionMdl;

// Frames the cell with this ordinal on the panel, before it is tried.
using FrameCell = std::function<void(int ordinal)>;

struct CommissioningDevices {
  int relayPort = 1;
  IrLibrary& ir;
  // The host panel folder (Shift-JIS), or "" after telling the user why there is none.
  std::function<std::string(HWND owner)> hostPanelFolder;
};

// Runs the steps in cell order until the last one or 中止; what was answered is kept.
commissioning::Record RunCommissioningSteps(HWND owner, const panel::CPanelTable& table, CommissioningDevices& devices,
                                            const FrameCell& frameCell);

// Saves the sheet in the table's folder; a second run within the same second
// gets a name of its own. Returns the sheet's Shift-JIS path, or "" after a "警告" box.
std::string SaveCommissioningSheet(HWND owner, const panel::CPanelTable& table, const commissioning::Record& record,
                                   const winui::Picture& picture, int relayPort, const commissioning::DateTime& when);

// The whole run with the devices and folders of `options`. A panel without
// any command says so and saves nothing. Returns the sheet's path, or "".
std::string RunCommissioning(HWND owner, TOptionMdl& options, const panel::CPanelTable& table, const winui::Picture& picture,
                             const FrameCell& frameCell);

// Asks whether to open the saved sheet and, on Yes, opens it in the browser.
void OfferToOpenSheet(HWND owner, const std::string& sheetPathSjis);
