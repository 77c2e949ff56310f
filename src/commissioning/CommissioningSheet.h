#pragma once
// The sheet a commissioning run leaves beside the table: one HTML page that an
// ordinary browser prints, with the panel picture, each tried button marked,
// the list of buttons with their commands and notes, the date, the relay port
// and a summary line. Shift-JIS, like every text of the panel.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "commissioning/CommissioningRun.h"
#include "table/PanelTable.h"

namespace commissioning {

struct DateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct SheetFacts {
  std::string panelName;  // the table's file name
  DateTime when;
  int relayPort = 1;
  // The panel picture as a Windows bitmap file, embedded so that the sheet is
  // one file that stays as it was tested however the panel changes later.
  std::span<const std::uint8_t> pictureBmp;
  int pictureWidth = 0;
  int pictureHeight = 0;
};

std::string SheetHtml(const panel::CPanelTable& table, const Record& record, const SheetFacts& facts);

// "機器操作A_動作確認_20261208_021530.html" for "機器操作A.tbl"; attempt 2 and
// on add "_2", ... for a second run within the same second.
std::string SheetFileName(std::string_view tableFileName, const DateTime& when, int attempt = 1);

// "動いた 3 / 動かない 1 / 飛ばした 1 / 未確認 1 (ボタン 6)".
std::string SummaryLine(const Record& record);

std::string Base64(std::span<const std::uint8_t> bytes);
// & < > " as entities. Byte by byte is safe in Shift-JIS: no trail byte is below 0x40.
std::string HtmlEscape(std::string_view text);

}  // namespace commissioning
