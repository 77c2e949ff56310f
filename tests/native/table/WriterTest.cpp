#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "ScriptedAsk.h"
#include "table/PlatformFile.h"
#include "table/TableFileReader.h"
#include "table/TableFileWriter.h"
#include "table/TableTexts.h"

using namespace panel;

namespace {

const std::string kIr = kInfraredSectionMarker;
const std::string kExt = kExternalSectionMarker;
const std::string kPower = "power\t   38.00,  562.00,0000FF00A55A";
const std::string kInput = "input\t   38.50,  600.25,0102030405060708";

// The 2 x 2 panel "A" with 40 x 30 buttons: infrared with two codes, relay 1
// for one second, switch to panel B, external program 0.
std::string WorkedExampleBytes() {
  return "機器操作A.bmp\r\n40,30,2,2\r\n00 NX1 &\r\nGB  R0  \r\n\r\n" + kIr + "\r\n    00='TV\r\n    00=" + kPower +
         "\r\n    00=" + kInput + "\r\n\r\n<END>\r\n\r\n" + kExt + "\r\n0=notepad.exe\r\n<END>\r\n";
}

void ExpectWorkedExampleCells(const CPanelTable& t) {
  EXPECT_EQ(t.BitmapName(), "機器操作A.bmp");
  EXPECT_EQ(CodeText(t.Cell(0).GetCode()), "00 N");
  EXPECT_EQ(CodeText(t.Cell(1).GetCode()), "X1 &");
  EXPECT_EQ(CodeText(t.Cell(2).GetCode()), "GB  ");
  EXPECT_EQ(CodeText(t.Cell(3).GetCode()), "R0  ");
  EXPECT_EQ(t.Cell(0).GetMemo(), "TV");
  ASSERT_EQ(t.Cell(0).GetCount(), 2);
  EXPECT_EQ(t.Cell(0).GetText(0), kPower);
  EXPECT_EQ(t.Cell(0).GetText(1), kInput);
  EXPECT_EQ(t.Cell(3).GetCommandText(), "notepad.exe");
}

CPanelTable TableWithCodes(int columns, int rows, const std::string& grid) {
  CPanelTable t;
  EXPECT_TRUE(t.CreateGrid(10, 10, columns, rows));
  for (int i = 0; i < t.CellCount(); ++i) t.Cell(i).SetCode(MakeCellCode(grid.substr(4 * i, 4)), i);
  return t;
}

}  // namespace

TEST(Writer, WorkedExampleReadsAndWritesByteForByte) {
  CPanelTable built;
  ASSERT_TRUE(built.CreateGrid(40, 30, 2, 2));
  built.SetBitmapName("機器操作A.bmp");
  built.Cell(0).ReplaceCode(*InfraredCode(0, InfraredSendFlag::WaitForNext));
  built.Cell(0).AddText("'TV");
  built.Cell(0).AddText(kPower);
  built.Cell(0).AddText(kInput);
  built.Cell(1).ReplaceCode(*RelayCode(1, RelayAction::OneSecondOn));
  built.Cell(2).ReplaceCode(*PanelSwitchCode('B'));
  built.Cell(3).ReplaceCode(ExternalProgramCode());  // identifier comes with the save
  built.Cell(3).AddText("notepad.exe");
  EXPECT_EQ(FormatTableFile(built), WorkedExampleBytes());

  CPanelTable read;
  ScriptedAsk ask;
  ASSERT_EQ(ReadTableBytes(read, WorkedExampleBytes(), "C:\\w\\機器操作A.tbl", ask), "");
  EXPECT_TRUE(ask.asked.empty());
  ExpectWorkedExampleCells(read);
  EXPECT_EQ(read.ExtraText(), "\n\n");  // the two separator lines
  // Each read-and-save cycle adds the two separator lines at the end.
  EXPECT_EQ(FormatTableFile(read), WorkedExampleBytes() + "\r\n\r\n");
}

TEST(Writer, ExternalIdentifiersAreReassignedInRowMajorOrder) {
  CPanelTable t = TableWithCodes(2, 2, "R7  X1 &Rz  R   ");
  t.Cell(0).SetCommandText("a");
  t.Cell(2).SetCommandText("b");
  t.Cell(3).SetCommandText("c");
  const auto first = FormatTableFile(t);
  ASSERT_TRUE(first);
  EXPECT_NE(first->find("R0  X1 &\r\nR1  R2  \r\n"), std::string::npos);
  EXPECT_NE(first->find(kExt + "\r\n0=a\r\n1=b\r\n2=c\r\n<END>\r\n"), std::string::npos);
  EXPECT_EQ(CodeText(t.Cell(3).GetCode()), "R2  ");
  EXPECT_EQ(FormatTableFile(t), first);  // a second save gives the same file
}

TEST(Writer, RefusesTablesItCannotEncode) {
  std::string grid;
  for (int i = 0; i < 62; ++i) grid += "R   ";
  CPanelTable sixtyTwo = TableWithCodes(62, 1, grid);
  const auto bytes = FormatTableFile(sixtyTwo);
  ASSERT_TRUE(bytes);
  EXPECT_NE(bytes->find("z=\r\n<END>"), std::string::npos);

  CPanelTable sixtyThree = TableWithCodes(63, 1, grid + "R   ");
  EXPECT_EQ(FindEncodeProblem(sixtyThree), TableEncodeProblem::TooManyExternalPrograms);
  EXPECT_FALSE(FormatTableFile(sixtyThree));
  EXPECT_EQ(CodeText(sixtyThree.Cell(0).GetCode()), "R   ");  // untouched

  // An infrared cell at ordinal 160 or more can only carry a key that another
  // cell may already hold; texts under a shared key would go to the first.
  CPanelTable shared = TableWithCodes(2, 1, "05  05 N");
  EXPECT_EQ(FindEncodeProblem(shared), TableEncodeProblem::InfraredKeyClash);
  CPanelTable equalsSign = TableWithCodes(1, 1, "0=  ");  // "    0==text" would read back as "=text"
  EXPECT_EQ(FindEncodeProblem(equalsSign), TableEncodeProblem::InfraredKeyClash);
  EXPECT_FALSE(FormatTableFile(shared));
  const std::string never = (std::filesystem::temp_directory_path() / "never-written.tbl").string();
  EXPECT_FALSE(WriteTableFile(shared, never));
  EXPECT_FALSE(std::filesystem::exists(never));
}

TEST(Writer, NewPanelFileAndDiskRoundTrip) {
  const std::string fresh = FormatNewTableFile("機器操作A.bmp", 40, 30, 3, 2);
  EXPECT_EQ(fresh, "機器操作A.bmp\r\n40,30,3,2\r\n            \r\n            \r\n\r\n" + kIr + "\r\n<END>\r\n");

  const auto dir = std::filesystem::temp_directory_path() / ("table_tests_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "t.tbl").string();

  CPanelTable table;
  ScriptedAsk ask;
  ASSERT_EQ(ReadTableBytes(table, WorkedExampleBytes(), path, ask), "");
  ASSERT_TRUE(WriteTableFile(table, path));
  CPanelTable again;
  ASSERT_EQ(ReadTableFile(again, path, ask), "");
  ExpectWorkedExampleCells(again);
  EXPECT_EQ(again.ExtraText(), "\n\n\n\n");
  EXPECT_FALSE(WriteTableFile(table, (dir / "missing" / "t.tbl").string()));
  std::filesystem::remove_all(dir);
}

TEST(Writer, FileIsReplacedWholeThroughATemporaryNamedAfterIt) {
  const auto dir = std::filesystem::temp_directory_path() / ("table_swap_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "t.tbl").string();
  const auto temporary = dir / "~t.tbl.tmp";
  CPanelTable table;
  ScriptedAsk ask;
  ASSERT_EQ(ReadTableBytes(table, WorkedExampleBytes(), path, ask), "");

  // What a killed write left behind goes with the next write of the file.
  { UniqueFile leftover(OpenFileSjis(temporary.string(), "wb")); }
  ASSERT_TRUE(WriteTableFile(table, path));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "only t.tbl";
  const auto written = std::filesystem::file_size(path);

  // A temporary that cannot be written leaves the file as it was.
  std::filesystem::create_directories(temporary / "blocked");
  table.Cell(0).ReplaceCode(NoneCode());
  EXPECT_FALSE(WriteTableFile(table, path));
  EXPECT_EQ(std::filesystem::file_size(path), written);
  CPanelTable again;
  EXPECT_EQ(ReadTableFile(again, path, ask), "");
  ExpectWorkedExampleCells(again);
  std::filesystem::remove_all(dir);
}
