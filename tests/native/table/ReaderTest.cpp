#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "ScriptedAsk.h"
#include "table/PlatformFile.h"
#include "table/TableFileReader.h"
#include "table/TableLines.h"
#include "table/TableTexts.h"

using namespace panel;

namespace {

const std::string kIr = kInfraredSectionMarker;
const std::string kExt = kExternalSectionMarker;
const std::string kInvalid = kTableFileInvalid;

struct Read {
  explicit Read(const std::string& bytes, bool answer = true) : ask(answer) {
    result = ReadTableBytes(table, bytes, "C:\\work\\t.tbl", ask);
  }
  CPanelTable table;
  ScriptedAsk ask;
  std::string result;
};

std::string Code(const CPanelTable& t, int ordinal) { return CodeText(t.Cell(ordinal).GetCode()); }

// Everything a read leaves behind, as one text to compare.
std::string Outcome(const CPanelTable& t, const std::string& result, const ScriptedAsk& ask) {
  std::string out = result + "|" + t.TablePath() + "|" + t.BitmapName() + "|" + t.ExtraText();
  for (const int n : {t.CellWidth(), t.CellHeight(), t.Columns(), t.Rows()}) out += "|" + std::to_string(n);
  for (const CButtonInfo& c : t.Cells()) {
    out += "|" + CodeText(c.GetCode()) + std::to_string(c.GetIndex()) + "," + std::to_string(c.GetCount()) + c.GetMemo();
    for (int slot = 0; slot < CButtonInfo::kTextSlots; ++slot) out += "," + c.GetText(slot);
  }
  for (const std::string& question : ask.asked) out += "|" + question;
  return out;
}

}  // namespace

TEST(Reader, DamagedHeadOrGridFailsWithoutAQuestion) {
  const std::string tail = "\n" + kIr + "\n<END>\n";
  const char* heads[] = {
      "",                                  // empty file
      "\r\n40,30,1,1\n    \n",             // no bitmap name
      "\rname\n40,30,1,1\n    \n",         // nor here: it would be written as an empty line
      "a.bmp\n",                           // no header line
      "a.bmp\n40,30,1\n    \n",            // three numbers
      "a.bmp\n40,,30,\r\n",                // empty fields do not count
      "a.bmp\n40,30,0,1\n",                // no columns
      "a.bmp\n40,30,1,-1\n",               // negative rows
      "a.bmp\n0,30,1,1\n    \n",           // zero width
      "a.bmp\n40,30,257,1\n",              // too many cells across
      "a.bmp\n40,30,99999999999,1\n",      // beyond 32 bits
      "a.bmp\n2000,30,20,1\n",             // 40,000 pixels across
      "a.bmp\n40,2147483647,1,2\n",        // product would overflow int
      "a.bmp\n40,30,1,2\n    \n",          // file ends inside the grid
      "a.bmp\n40,30,1,1\n\r\n",            // empty grid line
      "a.bmp\n40,30,3,1\nX1 &G\n",         // grid line short of more than three blanks
      "a.bmp\n40,30,2,1\nX1 &\n",          // one byte short of 4 x columns - 3
  };
  for (const char* head : heads) {
    Read r(std::string(head) + tail);
    EXPECT_EQ(r.result, kInvalid) << head;
    EXPECT_TRUE(r.ask.asked.empty()) << head;
  }
}

TEST(Reader, HeaderAndGridTolerance) {
  // Blanks, signs, empty fields and extra fields in the header; LF-only and
  // CR LF line ends mixed; a row lacking its last three blanks; bytes beyond
  // the row ignored; the last line without a line end.
  Read r("name.bmp\r\n 40, +30,,2,2,7\n00 NX1 &garbage\r\nGB  R\n\n" + kIr + "\n<END>");
  ASSERT_EQ(r.result, "");
  EXPECT_TRUE(r.ask.asked.empty());
  EXPECT_EQ(r.table.BitmapName(), "name.bmp");
  EXPECT_EQ(r.table.CellWidth(), 40);
  EXPECT_EQ(r.table.CellHeight(), 30);
  EXPECT_EQ(r.table.Columns(), 2);
  EXPECT_EQ(r.table.Rows(), 2);
  EXPECT_EQ(Code(r.table, 0), "00 N");
  EXPECT_EQ(Code(r.table, 1), "X1 &");
  EXPECT_EQ(Code(r.table, 3), "R   ");
  EXPECT_EQ(r.table.Cell(3).GetIndex(), 3);
  EXPECT_EQ(r.table.TablePath(), "C:\\work\\t.tbl");
  EXPECT_EQ(r.table.Folder(), "C:\\work");
  EXPECT_EQ(ParseDecimalField("  -12x"), -12);
  EXPECT_EQ(ParseDecimalField("x"), 0);
  EXPECT_EQ(ParseDecimalField("-99999999999"), INT32_MIN);
}

TEST(Reader, NewPanelFileReadsWithoutAQuestion) {
  Read r("a.bmp\r\n40,30,3,2\r\n            \r\n            \r\n\r\n" + kIr + "\r\n<END>\r\n");
  EXPECT_EQ(r.result, "");
  EXPECT_TRUE(r.ask.asked.empty());
  EXPECT_EQ(r.table.ExtraText(), "\n");
  EXPECT_EQ(r.table.CellCount(), 6);
}

TEST(Reader, DamagedEndAsksWhetherToContinue) {
  const std::string endsAfterGrid = "a.bmp\n40,30,1,1\n00  \n";
  for (bool yes : {true, false}) {
    Read r(endsAfterGrid, yes);
    EXPECT_EQ(r.result, yes ? "" : kInvalid);
    ASSERT_EQ(r.ask.asked.size(), 1u);
    EXPECT_EQ(r.ask.asked[0], kDamagedTableQuestion);
    EXPECT_EQ(r.ask.captions[0], kCautionCaption);
  }
  // "<END>" followed by a blank does not close the infrared section.
  Read unclosed(endsAfterGrid + kIr + "\n    00=a\tB\n<END> \n");
  ASSERT_EQ(unclosed.ask.asked.size(), 1u);
  EXPECT_EQ(unclosed.ask.asked[0], kDamagedTableQuestion);
  EXPECT_EQ(unclosed.table.Cell(0).GetCount(), 1);  // kept after Yes
}

TEST(Reader, ForeignSectionsAreDroppedAfterAskingFirst) {
  // An apostrophe at the top level opens a foreign section that swallows the
  // infrared section up to its "<END>".
  const std::string file = "a.bmp\n40,30,1,1\n00  \n'comment\n" + kIr + "\n    00=a\tB\n<END>\n" +
                           "<IrDA>\nxx\n<END>\n" + kExt + "\n0=calc\n<END>\n<other>\n";
  for (bool yes : {true, false}) {
    Read r(file, yes);
    EXPECT_EQ(r.result, yes ? "" : kInvalid);
    // The file also ends inside a section, but only the foreign question is asked.
    ASSERT_EQ(r.ask.asked.size(), 1u);
    EXPECT_EQ(r.ask.asked[0], kForeignDataQuestion);
    EXPECT_EQ(r.table.Cell(0).GetCount(), 0);
  }
}

TEST(Reader, InfraredSectionTolerance) {
  std::string file = "a.bmp\n40,30,3,1\n00 N01  00 -\n\n  " + kIr + " trailing words\n";
  file += "\t\t00='TV\n";                // TAB indent, memo
  file += "    ' 00=comment\tAB\n";       // comment
  file += "    00=\n";                     // empty value
  file += "    00 no equals sign\n";
  file += "    7F=no such cell\tAB\n";
  for (int k = 0; k < 10; ++k) file += "    00=row" + std::to_string(k) + "\t0A\n";
  file += "\n  <END>\n" + kIr + "\n01=x=y\n<END>\n" + kRemoteDataSuffix + "\n\n";
  Read r(file);
  ASSERT_EQ(r.result, "");
  EXPECT_TRUE(r.ask.asked.empty());
  const CButtonInfo& first = r.table.Cell(0);
  EXPECT_EQ(first.GetMemo(), "TV");
  EXPECT_EQ(first.GetCount(), 9);  // the tenth is ignored
  EXPECT_EQ(first.GetText(0), "row0\t0A");
  EXPECT_EQ(r.table.Cell(2).GetCount(), 0);  // same key: the first cell takes the texts
  EXPECT_EQ(r.table.Cell(1).GetText(0), "x=y");  // second section adds, value after the first '='
  EXPECT_EQ(r.table.ExtraText(), "\n" + std::string(kRemoteDataSuffix) + "\n\n");
}

TEST(Reader, ExternalCommandsGoToTheFirstMatchingCellOfEveryRow) {
  std::string file = "a.bmp\n40,30,2,2\nR0  R0  \nR1  R0  \n\n" + kExt + "\n";
  file += " 1=indented is ignored\n0=notepad.exe a.txt\n1=\n<END>\n";
  Read r(file);
  ASSERT_EQ(r.result, "");
  EXPECT_EQ(r.table.Cell(0).GetCommandText(), "notepad.exe a.txt");
  EXPECT_EQ(r.table.Cell(1).GetCommandText(), "");
  EXPECT_EQ(r.table.Cell(2).GetCommandText(), "");
  EXPECT_EQ(r.table.Cell(3).GetCommandText(), "notepad.exe a.txt");
  EXPECT_EQ(r.table.Cell(0).GetCount(), 0);
}

TEST(Reader, LongLinesAreReadWhole) {
  // A learned code text of 7,999 bytes, a long command line and a grid wider
  // than 24 cells.
  const std::string codeText = "power\t   38.00,  562.00," + std::string(2 * 7999, 'A');
  const std::string command(5000, 'c');
  std::string grid = "00  R0  ";
  grid += std::string(4 * 98, ' ');
  const std::string file = "a.bmp\n10,10,100,1\n" + grid + "\n\n" + kIr + "\n    00=" + codeText + "\n<END>\n" +
                           kExt + "\n0=" + command + "\n<END>\n";
  Read r(file);
  ASSERT_EQ(r.result, "");
  EXPECT_EQ(r.table.Cell(0).GetText(0), codeText);
  EXPECT_EQ(r.table.Cell(1).GetCommandText(), command);
  EXPECT_EQ(r.table.CellCount(), 100);
}

TEST(Reader, LineFeedFoundAtEveryPlaceOfABlockAndItsTail) {
  // Bytes that differ from a line feed in one bit only, around it.
  for (size_t size = 0; size <= 70; ++size) {
    std::string bytes(size, '\x8a');
    EXPECT_EQ(FindLineFeed(bytes), size);
    for (size_t at = 0; at < size; ++at) {
      std::string with = bytes;
      with[at] = '\n';
      if (at + 1 < size) with[size - 1] = '\n';
      EXPECT_EQ(FindLineFeed(with), at) << size;
    }
  }
}

TEST(Reader, ReadTableFileReportsAMissingFile) {
  CPanelTable table;
  ScriptedAsk ask;
  EXPECT_EQ(ReadTableFile(table, "/nonexistent/dir/t.tbl", ask), kInvalid);

  // A path with a NUL inside must not open the shorter path before it.
  const std::string real = ::testing::TempDir() + "nul-path.tbl";
  {
    UniqueFile f(OpenFileSjis(real, "wb"));
    ASSERT_TRUE(f);
    std::fputs("x.bmp\n1,1,1,1\n    \n", f.get());
  }
  EXPECT_EQ(ReadTableFile(table, real + std::string(1, '\0') + "junk", ask), kInvalid);
  EXPECT_EQ(OpenFileSjis(real + std::string(1, '\0'), "rb"), nullptr);
  std::remove(real.c_str());
}

TEST(Reader, FileLargerThanAnyPanelIsRefusedUnread) {
  // A new panel's file followed by zero bytes: one foreign top-level line.
  const std::string path = ::testing::TempDir() + "huge.tbl";
  {
    UniqueFile f(OpenFileSjis(path, "wb"));
    ASSERT_TRUE(f);
    std::fputs("x.bmp\n1,1,1,1\n    \n", f.get());
  }
  for (const std::uintmax_t size : {kMaxTableFileBytes, kMaxTableFileBytes + 1}) {
    std::filesystem::resize_file(path, size);
    CPanelTable table;
    ScriptedAsk ask;
    const bool fits = size <= kMaxTableFileBytes;
    EXPECT_EQ(ReadTableFile(table, path, ask), fits ? "" : kInvalid) << size;
    EXPECT_EQ(ask.asked.size(), fits ? 1u : 0u) << size;
  }
  std::remove(path.c_str());
}

TEST(Reader, FileReadInBlocksOfAnySizeGivesWhatTheBytesGive) {
  // Lines longer than a block, CR LF split between blocks, questions, a damaged head.
  const std::string text(300, 'A');
  const std::string grid = "a.bmp\r\n40,30,2,1\r\n00  R0  \r\n";
  const std::string path = ::testing::TempDir() + "blocks.tbl";
  for (const std::string& bytes :
       {std::string("a.bmp\n40,30"), grid + kIr + "\n    00=x\n", grid + "'foreign\n" + text + "\n<END>\n" + kIr + "\n00=y",
        grid + "\r\n" + kIr + "\r\n    00='memo\r\n    00=r\t" + text + "\r\n<END>\r\n" + kExt + "\r\n0=" + text +
            "\r\n<END>\r\n" + kRemoteDataSuffix + "\r"}) {
    CPanelTable fromBytes, fromFile;
    ScriptedAsk askBytes, askFile;
    const std::string expected = Outcome(fromBytes, ReadTableBytes(fromBytes, bytes, path, askBytes), askBytes);
    UniqueFile file(OpenFileSjis(path, "wb"));
    ASSERT_TRUE(file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size());
    file.reset();
    for (const size_t block : {size_t{1}, size_t{2}, size_t{3}, size_t{7}, size_t{64}, kTableReadBlockBytes}) {
      fromFile = CPanelTable();
      askFile.asked.clear();
      EXPECT_EQ(Outcome(fromFile, ReadTableFile(fromFile, path, askFile, block), askFile), expected) << block << bytes;
    }
  }
  std::remove(path.c_str());
}
