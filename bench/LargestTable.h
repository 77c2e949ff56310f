#pragma once
// The largest table the format allows: 24 columns, 160 infrared cells with
// nine learned codes of 7,999 bytes each, and 62 external-program cells.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "table/TableChecks.h"
#include "table/TableFileWriter.h"

namespace bench {

struct NeverAsked : panel::IAskUser {
  bool AskYesNo(const std::string&, const std::string&) override { std::abort(); }
};

struct GridSizedPicture : panel::IPictureProbe {
  std::optional<panel::PictureSize> LoadPictureSize(const std::string&) override { return panel::PictureSize{40 * 24, 30 * 10}; }
};

// "%8.2f,%8.2f," and two upper-case hex digits per captured byte.
inline std::string CodeText(int seed) {
  char head[32];
  std::snprintf(head, sizeof head, "%8.2f,%8.2f,", 38.0 + seed % 7, 560.5 + seed % 13);
  std::string text = head;
  static const char hex[] = "0123456789ABCDEF";
  for (int i = 0; i < 7999; ++i) {
    const unsigned byte = static_cast<unsigned>(i * 31 + seed) & 0xFF;
    text += hex[byte >> 4];
    text += hex[byte & 15];
  }
  return text;
}

inline panel::CPanelTable LargestTable() {
  panel::CPanelTable table;
  if (!table.CreateGrid(40, 30, 24, 10)) std::abort();
  table.SetBitmapName("bench.bmp");
  for (int i = 0; i < panel::kInfraredOrdinalLimit; ++i) {
    panel::CButtonInfo& cell = table.Cell(i);
    cell.ReplaceCode(*InfraredCode(i, panel::InfraredSendFlag::Plain));
    cell.AddText("'memo " + std::to_string(i));
    for (int k = 0; k < panel::CButtonInfo::kMaxCodeTexts; ++k) cell.AddText("row" + std::to_string(k) + "\t" + CodeText(i + k));
  }
  for (int i = 0; i < 62; ++i) {
    panel::CButtonInfo& cell = table.Cell(panel::kInfraredOrdinalLimit + i);
    cell.ReplaceCode(panel::ExternalProgramCode());
    cell.AddText("C:\\Program Files\\tool" + std::to_string(i) + ".exe /x");
  }
  return table;
}

inline const std::string& LargestFile() {
  static const std::string bytes = [] {
    panel::CPanelTable table = LargestTable();
    return *FormatTableFile(table);
  }();
  return bytes;
}

}  // namespace bench
