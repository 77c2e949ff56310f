// Feeds arbitrary bytes to the table reader. Bit 0 of the first byte answers
// its question (Yes when set; a second question is a fault), the rest is the
// file. A successful read goes through the opening checks as the program runs
// them (a bitmap of the grid's size, Yes to the question about foreign
// commands), is written and read again: the second read asks nothing, and
// writing it again gives the same bytes with the two separator lines that
// each read-and-save cycle adds.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "table/TableChecks.h"
#include "table/TableFileReader.h"
#include "table/TableFileWriter.h"

using namespace panel;

namespace {

struct ByteAsk : IAskUser {
  explicit ByteAsk(std::uint8_t answers) : answers(answers) {}
  bool AskYesNo(const std::string&, const std::string&) override {
    if (++questions > 1) std::abort();  // one question at most per read
    return (answers & 1) != 0;
  }
  std::uint8_t answers;
  int questions = 0;
};

struct NoQuestions : IAskUser {
  bool AskYesNo(const std::string&, const std::string&) override { std::abort(); }
};

struct AlwaysYes : IAskUser {
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};

// The reader only builds grids whose pixel sizes fit an int.
struct GridSizedPicture : IPictureProbe {
  explicit GridSizedPicture(const CPanelTable& table) : table(table) {}
  std::optional<PictureSize> LoadPictureSize(const std::string&) override {
    return PictureSize{table.CellWidth() * table.Columns(), table.CellHeight() * table.Rows()};
  }
  const CPanelTable& table;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size == 0) return 0;
  ByteAsk ask(data[0]);
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  CPanelTable table;
  if (!ReadTableBytes(table, bytes, "C:\\w\\t.tbl", ask).empty()) return 0;

  GridSizedPicture picture(table);
  AlwaysYes yes;
  if (!CheckTableBitmap(table, picture, yes).empty()) return 0;  // a bitmap name with a folder part
  const auto written = FormatTableFile(table);
  if (!written) return 0;
  CPanelTable again;
  NoQuestions none;
  if (!ReadTableBytes(again, *written, "C:\\w\\t.tbl", none).empty()) std::abort();
  // Reading keeps the two separator lines before the kept top-level lines.
  const std::string& kept = table.ExtraText();
  std::string expected = *written;
  expected.insert(expected.size() - kept.size() - std::count(kept.begin(), kept.end(), '\n'), "\r\n\r\n");
  const auto rewritten = FormatTableFile(again);
  if (!rewritten || *rewritten != expected) std::abort();
  return 0;
}
