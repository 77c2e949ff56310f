// Opening checks, saving and publishing of a panel with real files, pictures
// and (scripted) message boxes.
#include <gtest/gtest.h>

#include "BmpFixtures.h"
#include "StorageTestSupport.h"
#include "data/PanelFiles.h"
#include "editor/PublishCheckFm.h"
#include "table/PublishHistory.h"
#include "winui/Controls.h"
#include "table/TableChecks.h"
#include "table/TableFileReader.h"
#include "table/TableFileWriter.h"

#include <utility>

using namespace panel;

using namespace storage_test;

namespace {

// A 3 x 2 grid of 40 x 30 pixel buttons: its bitmap is 120 x 60.
const char kTableText[] =
    "機器操作A.bmp\r\n40,30,3,2\r\n"
    "X1 &03 NR9  \r\n"
    "GB  Q   05  \r\n"
    "\r\n<ソラミトリモコンデータ>\r\n    03='テレビ\r\n    03=電源\t  12.50,   3.00,A0FF\r\n\r\n"
    "<END>\r\n\r\n<外部コマンド>\r\n9=notepad.exe\r\n<END>\r\n";

class PanelFiles : public ::testing::Test {
 protected:
  std::string TablePath() const { return work.Sjis() + "\\機器操作A.tbl"; }

  // The table as the open command has it: read from its file in the work folder.
  CPanelTable ReadTable(const char* text = kTableText) {
    WriteText(work / L"機器操作A.tbl", text);
    CPanelTable table;
    MessageBoxAsk ask(nullptr);
    EXPECT_EQ(ReadTableFile(table, TablePath(), ask), "");
    return table;
  }

  void WriteBitmap(const std::wstring& name, int width, int height) {
    WriteBytes(work / name, MakeBmp({24}, width, height));
  }

  PanelFolders Folders() const {
    return PanelFolders{[this](HWND) { return work.Sjis(); }, [this](HWND) { return host.Sjis(); }};
  }

  winui::Picture Image(COLORREF color = RGB(10, 120, 230)) {
    winui::Picture picture;
    EXPECT_TRUE(picture.Create(120, 60, color));
    return picture;
  }

  TempFolder work;
  TempFolder host;
  // The table above switches to panel B, which exists nowhere: the check
  // finds it and these tests publish anyway.
  winui::ScopedModalHook publishAnyway{TPublishCheckFm::kClassName, [](winui::Form& form) {
    SendMessageW(GetDlgItem(form.Handle(), TPublishCheckFm::kPublishButtonId), BM_CLICK, 0, 0);
  }};
};

std::vector<std::string> Codes(const CPanelTable& t) {
  std::vector<std::string> out;
  for (const CButtonInfo& c : t.Cells()) out.push_back(CodeText(c.GetCode()));
  return out;
}

bool Mentions(const Box& box, const std::wstring& part) { return box.text.find(part) != std::wstring::npos; }

TEST_F(PanelFiles, BitmapMayBeOnePixelOffEachWayButNotTwo) {
  const struct {
    int width, height;
    const char* result;
  } cases[] = {
      {120, 60, ""}, {121, 61, ""}, {119, 59, ""}, {121, 59, ""},
      {122, 60, kBitmapSizeMismatch}, {118, 60, kBitmapSizeMismatch},
      {120, 62, kBitmapSizeMismatch}, {120, 58, kBitmapSizeMismatch},
  };
  for (const auto& c : cases) {
    CPanelTable table = ReadTable();
    WriteBitmap(L"機器操作A.bmp", c.width, c.height);
    BoxRecorder script;
    EXPECT_EQ(CheckTableBitmap(table, nullptr), c.result) << c.width << "x" << c.height;
    EXPECT_TRUE(script.boxes.empty());
  }
}

TEST_F(PanelFiles, EveryBitmapFormOpensAndAPngNameMayHoldABitmap) {
  for (const BmpForm& form : AllForms()) {
    CPanelTable table = ReadTable();
    WriteBytes(work / L"機器操作A.bmp", MakeBmp(form, 120, 60));
    EXPECT_EQ(CheckTableBitmap(table, nullptr), "") << form.Name();
  }
  std::string text = kTableText;
  text.replace(0, text.find('\r'), "panel.png");
  CPanelTable table = ReadTable(text.c_str());
  WriteBitmap(L"panel.png", 120, 60);
  EXPECT_EQ(CheckTableBitmap(table, nullptr), "");
}

TEST_F(PanelFiles, UnreadableBitmapsFailBeforeAnyQuestion) {
  // A foreign cell ("ZZ") would otherwise be asked about.
  std::string text = kTableText;
  text.replace(text.find("GB  "), 4, "ZZ  ");
  std::vector<std::uint8_t> truncated = MakeBmp({24}, 120, 60);
  truncated.resize(truncated.size() - 100);
  for (int variant = 0; variant < 4; ++variant) {
    CPanelTable table = ReadTable(text.c_str());
    DeleteFileW((work / L"機器操作A.bmp").c_str());
    if (variant == 1) WriteBytes(work / L"機器操作A.bmp", truncated);
    if (variant == 2) WriteText(work / L"機器操作A.bmp", "GIF89a, or any other non-bitmap");
    if (variant == 3) CreateDirectoryW((work / L"機器操作A.bmp").c_str(), nullptr);
    BoxRecorder script({true});
    EXPECT_EQ(CheckTableBitmap(table, nullptr), kBitmapUnreadable) << variant;
    EXPECT_TRUE(script.boxes.empty()) << variant;
    EXPECT_EQ(CodeText(table.Cell(3).GetCode()), "ZZ  ");
    RemoveDirectoryW((work / L"機器操作A.bmp").c_str());
  }
}

TEST_F(PanelFiles, ForeignCommandsAreAskedAboutOnce) {
  std::string text = kTableText;
  text.replace(text.find("GB  Q   "), 8, "ZZ  +Ab ");  // one foreign cell, one '+' cell
  text.replace(text.find("X1 &"), 4, "K1 &");       // and another foreign one
  WriteBitmap(L"機器操作A.bmp", 120, 60);
  for (bool yes : {true, false}) {
    CPanelTable table = ReadTable(text.c_str());
    BoxRecorder script({yes});
    EXPECT_EQ(CheckTableBitmap(table, nullptr), yes ? "" : kForeignCommandsRefused);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, L"機器操作パネル以外の命令があります。無視して続けて良いですか？");
    EXPECT_EQ(script.boxes[0].caption, L"注意");
    EXPECT_EQ(script.boxes[0].buttons, winui::MsgButtons::YesNo);
    if (yes) {
      EXPECT_EQ(Codes(table), (std::vector<std::string>{"    ", "03 N", "R9  ", "    ", "  b ", "    "}));
      EXPECT_EQ(table.Cell(1).GetMemo(), "テレビ");
      EXPECT_EQ(table.Cell(2).GetCommandText(), "notepad.exe");
    } else {
      EXPECT_EQ(Codes(table)[0], "K1 &");
    }
  }
}

TEST_F(PanelFiles, SavedTableAndBitmapReadBackAndNoKeepsTheHostFolderEmpty) {
  WriteBitmap(L"機器操作A.bmp", 120, 60);
  CPanelTable table = ReadTable();
  ASSERT_EQ(CheckTableBitmap(table, nullptr), "");
  table.Cell(0).ReplaceCode(*RelayCode(12, RelayAction::HoldUntilClick));
  winui::Picture image = Image();

  BoxRecorder script({false});
  EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::Saved);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].text, L"クロヴァンに反映させますか？");
  EXPECT_EQ(script.boxes[0].caption, L"注意");
  EXPECT_EQ(script.boxes[0].buttons, winui::MsgButtons::YesNo);
  EXPECT_TRUE(host.Names().empty());

  CPanelTable back;
  MessageBoxAsk ask(nullptr);
  ASSERT_EQ(ReadTableFile(back, TablePath(), ask), "");
  EXPECT_EQ(Codes(back), (std::vector<std::string>{"XC -", "03 N", "R0  ", "GB  ", "Q   ", "    "}));
  EXPECT_EQ(back.Cell(1).GetMemo(), "テレビ");
  EXPECT_EQ(back.Cell(1).GetText(0), "電源\t  12.50,   3.00,A0FF");
  EXPECT_EQ(back.Cell(2).GetCommandText(), "notepad.exe");
  EXPECT_EQ(Codes(table), Codes(back)) << "the identifiers given by the save stay in memory";

  winui::Picture saved;
  ASSERT_EQ(saved.LoadFromFile(work.Sjis() + "\\機器操作A.bmp"), L"");
  EXPECT_EQ(saved.PixelAt(119, 59), RGB(10, 120, 230));
  EXPECT_EQ(work.Names().size(), 2u) << "no temporary file is left";
}

TEST_F(PanelFiles, PublishingCopiesBothFilesOverSameNamedOnes) {
  CPanelTable table = ReadTable();
  WriteText(host / L"機器操作A.tbl", "old table");
  WriteText(host / L"機器操作A.bmp", "old bitmap");
  winui::Picture image = Image();
  BoxRecorder script({true});
  EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::Published);
  EXPECT_EQ(script.boxes.size(), 1u) << "replacing asks nothing";
  EXPECT_EQ(ReadBytes(host / L"機器操作A.tbl"), ReadBytes(work / L"機器操作A.tbl"));
  EXPECT_EQ(ReadBytes(host / L"機器操作A.bmp"), ReadBytes(work / L"機器操作A.bmp"));
  EXPECT_EQ(host.Names().size(), 2u);
}

TEST_F(PanelFiles, BitmapInASubfolderOpensSavesAndPublishesThere) {
  std::string text = kTableText;
  text.replace(0, text.find('\r'), "ソ\\パネル.bmp");
  CreateDirectoryW((work / L"ソ").c_str(), nullptr);
  WriteBitmap(L"ソ\\パネル.bmp", 120, 60);
  CPanelTable table = ReadTable(text.c_str());
  ASSERT_EQ(CheckTableBitmap(table, nullptr), "");
  winui::Picture image = Image();
  BoxRecorder script({true});
  EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::Published);
  EXPECT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(ReadBytes(host / L"ソ\\パネル.bmp"), ReadBytes(work / L"ソ\\パネル.bmp"));
  EXPECT_EQ(ReadBytes(host / L"機器操作A.tbl"), ReadBytes(work / L"機器操作A.tbl"));
}

TEST_F(PanelFiles, TemporariesLeftByAKilledSaveGoWithTheNextSave) {
  CPanelTable table = ReadTable();
  for (const TempFolder* folder : {&work, &host}) {
    WriteText(*folder / L"~機器操作A.tbl.tmp", "torn table");
    WriteText(*folder / L"~機器操作A.bmp.tmp", "torn bitmap");
    SetFileAttributesW((*folder / L"~機器操作A.bmp.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
  }
  winui::Picture image = Image();
  BoxRecorder script({true});
  EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::Published);
  EXPECT_EQ(work.Names().size(), 2u);
  EXPECT_EQ(host.Names().size(), 2u);
}

TEST_F(PanelFiles, FindingsAreListedAndPublishNotLeavesTheHostAlone) {
  for (const int button : {TPublishCheckFm::kKeepButtonId, TPublishCheckFm::kPublishButtonId}) {
    CPanelTable table = ReadTable();
    std::wstring shown;
    winui::ScopedModalHook answer(TPublishCheckFm::kClassName, [&](winui::Form& form) {
      shown = winui::GetText(GetDlgItem(form.Handle(), TPublishCheckFm::kFindingsId));
      SendMessageW(GetDlgItem(form.Handle(), button), BM_CLICK, 0, 0);
    });
    winui::Picture image = Image();
    BoxRecorder script({true});
    const bool publish = button == TPublishCheckFm::kPublishButtonId;
    EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), publish ? SaveResult::Published : SaveResult::Saved);
    EXPECT_NE(shown.find(L"ボタン4（2行目・1列目）：切替先のパネル「機器操作B.tbl」"), std::wstring::npos) << shown;
    EXPECT_EQ(host.Names().size(), publish ? 2u : 0u);
  }
}

TEST_F(PanelFiles, PreviousPublishedVersionIsKeptAndCanBeRestored) {
  CPanelTable table = ReadTable();
  WriteText(host / L"機器操作A.tbl", "機器操作A.bmp\r\nold table");
  WriteText(host / L"機器操作A.bmp", "old bitmap");
  const auto oldTable = ReadBytes(host / L"機器操作A.tbl");
  const auto oldBitmap = ReadBytes(host / L"機器操作A.bmp");
  winui::Picture image = Image();
  {
    BoxRecorder script({true});
    ASSERT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::Published);
  }
  const std::vector<std::string> entries = PublishHistoryEntries(nullptr, Folders());
  ASSERT_EQ(entries.size(), 1u);
  const std::wstring entry = work / (L"公開履歴\\" + winui::SjisToWide(entries[0]));
  EXPECT_EQ(ReadBytes(entry + L"\\機器操作A.tbl"), oldTable);
  EXPECT_EQ(ReadBytes(entry + L"\\機器操作A.bmp"), oldBitmap);
  EXPECT_EQ(ReadBytes(host / L"機器操作A.tbl"), ReadBytes(work / L"機器操作A.tbl"));

  BoxRecorder script({true});
  EXPECT_TRUE(RestorePublishedVersion(nullptr, entries[0], Folders()));
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].caption, L"注意");
  EXPECT_EQ(ReadBytes(host / L"機器操作A.tbl"), oldTable);
  EXPECT_EQ(ReadBytes(host / L"機器操作A.bmp"), oldBitmap);

  // A restore that fails after the table leaves the host as it was, not half of each version.
  const auto publishedTable = ReadBytes(work / L"機器操作A.tbl");
  {
    BoxRecorder again({true});
    ASSERT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::Published);
  }
  const std::wstring hostBitmap = host / L"機器操作A.bmp";
  SetFileAttributesW(hostBitmap.c_str(), FILE_ATTRIBUTE_READONLY);
  BoxRecorder failing({true});
  EXPECT_FALSE(RestorePublishedVersion(nullptr, PublishHistoryEntries(nullptr, Folders()).back(), Folders()));
  SetFileAttributesW(hostBitmap.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_EQ(failing.boxes.size(), 2u);
  EXPECT_NE(failing.boxes[1].text.find(L"クロヴァンのファイルは戻す前のままです。"), std::wstring::npos);
  EXPECT_EQ(ReadBytes(host / L"機器操作A.tbl"), publishedTable);
}

TEST_F(PanelFiles, HistoryThatCannotBeKeptStopsPublishingBeforeTheHostChanges) {
  CPanelTable table = ReadTable();
  WriteText(host / L"機器操作A.tbl", "old table");
  WriteText(work / L"公開履歴", "a file where the history folder goes");
  winui::Picture image = Image();
  BoxRecorder script({true});
  EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::PublishFailed);
  ASSERT_EQ(script.boxes.size(), 2u);
  EXPECT_TRUE(Mentions(script.boxes[1], work / L"公開履歴")) << script.boxes[1].text;
  EXPECT_EQ(host.Names(), std::vector<std::wstring>{L"機器操作A.tbl"});
  EXPECT_EQ(ReadBytes(host / L"機器操作A.tbl").size(), 9u);
}

// A failed save: one "警告" box naming the file, no question, the previous
// files byte for byte, the table unchanged, no temporary file; and the user
// can save again once the cause is gone.
class FailedSave : public PanelFiles {
 protected:
  void SetUp() override {
    table = ReadTable();
    WriteBitmap(L"機器操作A.bmp", 120, 60);
    oldTable = ReadBytes(work / L"機器操作A.tbl");
    oldBitmap = ReadBytes(work / L"機器操作A.bmp");
    codesBefore = Codes(table);
  }

  void ExpectRefused(const std::wstring& named) {
    winui::Picture image = Image();
    BoxRecorder script({true});
    EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::NotSaved);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, L"警告");
    EXPECT_EQ(script.boxes[0].buttons, winui::MsgButtons::Ok);
    EXPECT_TRUE(Mentions(script.boxes[0], named)) << script.boxes[0].text;
    EXPECT_TRUE(Mentions(script.boxes[0], L"保存できませんでした")) << script.boxes[0].text;
    EXPECT_EQ(ReadBytes(work / L"機器操作A.tbl"), oldTable);
    EXPECT_EQ(Codes(table), codesBefore) << "identifiers of a file never written must not stay in memory";
    EXPECT_EQ(table.Cell(1).GetText(0), "電源\t  12.50,   3.00,A0FF");
    EXPECT_EQ(work.Names().size(), 2u) << "no temporary file is left";
    EXPECT_TRUE(host.Names().empty());
  }

  void ExpectSavesAgain() {
    winui::Picture image = Image();
    BoxRecorder script({false});
    EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::Saved);
    EXPECT_NE(ReadBytes(work / L"機器操作A.tbl"), oldTable);
  }

  // A file another program holds open, closed once the save has run.
  HANDLE held = INVALID_HANDLE_VALUE;
  CPanelTable table;
  std::vector<std::uint8_t> oldTable, oldBitmap;
  std::vector<std::string> codesBefore;
};

TEST_F(FailedSave, ReadOnlyTableFile) {
  SetFileAttributesW((work / L"機器操作A.tbl").c_str(), FILE_ATTRIBUTE_READONLY);
  ExpectRefused(work / L"機器操作A.tbl");
  SetFileAttributesW((work / L"機器操作A.tbl").c_str(), FILE_ATTRIBUTE_NORMAL);
  ExpectSavesAgain();
}

TEST_F(FailedSave, TableFileHeldOpenByAnotherProgram) {
  held = CreateFileW((work / L"機器操作A.tbl").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ExpectRefused(work / L"機器操作A.tbl");
  ExpectSavesAgain();
}

TEST_F(FailedSave, ReadOnlyBitmapEndsTheSaveBeforeTheTableFile) {
  SetFileAttributesW((work / L"機器操作A.bmp").c_str(), FILE_ATTRIBUTE_READONLY);
  ExpectRefused(work / L"機器操作A.bmp");
  EXPECT_EQ(ReadBytes(work / L"機器操作A.bmp"), oldBitmap);
}

TEST_F(FailedSave, BitmapHeldOpenByAnotherProgram) {
  held = CreateFileW((work / L"機器操作A.bmp").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                     nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ExpectRefused(work / L"機器操作A.bmp");
  EXPECT_EQ(ReadBytes(work / L"機器操作A.bmp"), oldBitmap);
  ExpectSavesAgain();
}

TEST_F(PanelFiles, MissingWorkFolderIsReportedWithThePath) {
  CPanelTable table = ReadTable();
  const std::wstring gone = work / L"消えたフォルダ";
  PanelFolders folders{[&](HWND) { return *winui::WideToSjis(gone); }, [this](HWND) { return host.Sjis(); }};
  winui::Picture image = Image();
  BoxRecorder script({true});
  EXPECT_EQ(SaveTable(table, nullptr, image, folders, ConfirmPublishDespite), SaveResult::NotSaved);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].caption, L"警告");
  EXPECT_TRUE(Mentions(script.boxes[0], gone + L"\\機器操作A.bmp")) << script.boxes[0].text;
}

TEST_F(PanelFiles, NoWorkFolderWritesNothing) {
  CPanelTable table = ReadTable();
  const auto before = ReadBytes(work / L"機器操作A.tbl");
  PanelFolders folders{[](HWND) { return std::string(); }, [this](HWND) { return host.Sjis(); }};
  winui::Picture image = Image();
  BoxRecorder script({true});
  EXPECT_EQ(SaveTable(table, nullptr, image, folders, ConfirmPublishDespite), SaveResult::NotSaved);
  EXPECT_TRUE(script.boxes.empty()) << "the folder operation has reported it";
  EXPECT_EQ(ReadBytes(work / L"機器操作A.tbl"), before);
  EXPECT_EQ(work.Names().size(), 1u);
}

TEST_F(PanelFiles, UnencodableTableIsRefusedBeforeAnythingIsWritten) {
  CPanelTable table = ReadTable();
  table.Cell(5).ReplaceCode(table.Cell(1).GetCode());  // a second infrared cell keyed "03"
  const auto before = ReadBytes(work / L"機器操作A.tbl");
  winui::Picture image = Image();
  BoxRecorder script({true});
  EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::NotSaved);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].caption, L"警告");
  EXPECT_TRUE(Mentions(script.boxes[0], L"テーブルを保存できません"));
  EXPECT_EQ(ReadBytes(work / L"機器操作A.tbl"), before);
  EXPECT_FALSE(Exists(work / L"機器操作A.bmp"));
}

TEST_F(PanelFiles, FailedPublishingIsReportedAndTheWorkFilesStaySaved) {
  {
    CPanelTable table = ReadTable();
    const std::wstring gone = host / L"Kurovan\\パネルデータ";
    PanelFolders folders{[this](HWND) { return work.Sjis(); }, [&](HWND) { return *winui::WideToSjis(gone); }};
    winui::Picture image = Image();
    BoxRecorder script({true});
    EXPECT_EQ(SaveTable(table, nullptr, image, folders, ConfirmPublishDespite), SaveResult::PublishFailed);
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[1].caption, L"警告");
    EXPECT_TRUE(Mentions(script.boxes[1], gone + L"\\機器操作A.tbl")) << script.boxes[1].text;
    EXPECT_TRUE(Mentions(script.boxes[1], L"クロヴァンに反映できませんでした"));
    EXPECT_TRUE(Exists(work / L"機器操作A.bmp"));
    EXPECT_NE(ReadBytes(work / L"機器操作A.tbl"), std::vector<std::uint8_t>(kTableText, kTableText + sizeof kTableText - 1));
  }
  {
    // The host program holds the old table open: neither host file changes.
    CPanelTable table = ReadTable();
    WriteText(host / L"機器操作A.tbl", "old table");
    WriteText(host / L"機器操作A.bmp", "old bitmap");
    HANDLE held = CreateFileW((host / L"機器操作A.tbl").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    winui::Picture image = Image();
    BoxRecorder script({true});
    EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::PublishFailed);
    CloseHandle(held);
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_TRUE(Mentions(script.boxes[1], host / L"機器操作A.tbl")) << script.boxes[1].text;
    EXPECT_EQ(ReadBytes(host / L"機器操作A.tbl"), std::vector<std::uint8_t>({'o', 'l', 'd', ' ', 't', 'a', 'b', 'l', 'e'}));
    EXPECT_EQ(ReadBytes(host / L"機器操作A.bmp").size(), 10u);
    EXPECT_EQ(host.Names().size(), 2u) << "no temporary file is left";
  }
  {
    // The host's bitmap is read-only: the table already replaced goes back.
    CPanelTable table = ReadTable();
    WriteText(host / L"機器操作A.tbl", "機器操作A.bmp\r\nold table");
    const auto before = ReadBytes(host / L"機器操作A.tbl");
    SetFileAttributesW((host / L"機器操作A.bmp").c_str(), FILE_ATTRIBUTE_READONLY);
    winui::Picture image = Image();
    BoxRecorder script({true});
    EXPECT_EQ(SaveTable(table, nullptr, image, Folders(), ConfirmPublishDespite), SaveResult::PublishFailed);
    SetFileAttributesW((host / L"機器操作A.bmp").c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_TRUE(Mentions(script.boxes[1], L"クロヴァンのファイルは反映する前のままです。")) << script.boxes[1].text;
    EXPECT_EQ(ReadBytes(host / L"機器操作A.tbl"), before);
    EXPECT_EQ(host.Names().size(), 2u);
    EXPECT_FALSE(Exists(work / L"~host-step.txt"));
    EXPECT_TRUE(PublishHistoryEntries(nullptr, Folders()).empty()) << "a failed publication adds no entry";
  }
}

}  // namespace
