#include <gtest/gtest.h>

#include "table/ButtonInfo.h"
#include "table/SjisPath.h"
#include "table/TableTexts.h"

using namespace panel;

TEST(CommandCode, InfraredKeysAreTwoUpperHexDigitsBelowOrdinal160) {
  EXPECT_EQ(InfraredKeyForOrdinal(26), "1A");  // row 2, column 6 of a 10-column grid
  EXPECT_EQ(InfraredKeyForOrdinal(10), "0A");
  EXPECT_EQ(InfraredKeyForOrdinal(159), "9F");
  EXPECT_FALSE(InfraredKeyForOrdinal(160));
  EXPECT_FALSE(InfraredKeyForOrdinal(-1));
  EXPECT_EQ(CodeText(*InfraredCode(26, InfraredSendFlag::WaitForNext)), "1A N");
}

TEST(CommandCode, RelayNumbersAndActions) {
  for (int relay = 0; relay <= 31; ++relay) EXPECT_EQ(RelayCharToNumber(*RelayNumberToChar(relay)), relay);
  EXPECT_EQ(RelayNumberToChar(9), '9');
  EXPECT_EQ(RelayNumberToChar(10), 'A');
  EXPECT_EQ(RelayNumberToChar(31), 'V');
  EXPECT_FALSE(RelayNumberToChar(32));
  EXPECT_FALSE(RelayNumberToChar(-1));
  EXPECT_FALSE(RelayCharToNumber('W'));
  EXPECT_EQ(CodeText(*RelayCode(1, RelayAction::OneSecondOn)), "X1 &");
  EXPECT_EQ(RelayActionFromChar('?'), RelayAction::OneSecondOn);
  EXPECT_EQ(RelayActionFromChar(' '), RelayAction::Toggle);
  EXPECT_EQ(RelayActionFromChar('-'), RelayAction::HoldUntilClick);
}

TEST(CommandCode, IdentifiersAndKinds) {
  EXPECT_EQ(ExternalIdForPosition(0), '0');
  EXPECT_EQ(ExternalIdForPosition(61), 'z');
  EXPECT_FALSE(ExternalIdForPosition(62));
  EXPECT_EQ(CodeText(*PanelSwitchCode('B')), "GB  ");
  EXPECT_FALSE(PanelSwitchCode('-'));
  EXPECT_EQ(KindOfCode(MakeCellCode("9F -")), CommandKind::InfraredSend);
  EXPECT_EQ(KindOfCode(MakeCellCode("R0")), CommandKind::ExternalProgram);
  EXPECT_EQ(KindOfCode(MakeCellCode(" x")), CommandKind::Unknown);
  EXPECT_EQ(KindOfCode(MakeCellCode("")), CommandKind::None);
}

TEST(ButtonInfo, AddTextKeepsNineCodeTextsAndAMemo) {
  CButtonInfo cell;
  EXPECT_TRUE(cell.AddText("'"));
  EXPECT_EQ(cell.GetMemo(), "");
  EXPECT_EQ(cell.GetCount(), 0);
  EXPECT_TRUE(cell.AddText("'TV"));
  for (int k = 0; k < 9; ++k) EXPECT_TRUE(cell.AddText("row" + std::to_string(k) + "\tAB"));
  EXPECT_FALSE(cell.AddText("tenth\tAB"));
  EXPECT_FALSE(cell.AddText("'other memo"));  // refused too once nine texts are held
  EXPECT_EQ(cell.GetCount(), 9);
  EXPECT_EQ(cell.GetMemo(), "TV");
  EXPECT_EQ(cell.GetText(8), "row8\tAB");
  EXPECT_EQ(cell.GetText(9), "");
  EXPECT_EQ(cell.GetText(10), "");  // outside the slots, no crash
  cell.ClearTexts();
  EXPECT_EQ(cell.GetCount(), 0);
  EXPECT_EQ(cell.GetMemo(), "");
  EXPECT_EQ(cell.GetText(0), "");
}

TEST(ButtonInfo, LoadableCodesAndLeadingPlus) {
  auto check = [](const char* code, bool loadable, const char* after) {
    CButtonInfo cell;
    cell.SetCode(MakeCellCode(code), 3);
    EXPECT_EQ(cell.IsLoadableCode(), loadable) << code;
    EXPECT_EQ(CodeText(cell.GetCode()), after) << code;
    EXPECT_EQ(cell.GetIndex(), 3);
  };
  check("+A  ", true, "    ");
  check("+Axy", true, "  xy");
  check("  zz", true, "  zz");
  check("X%%%", true, "X%%%");
  check("Q   ", true, "Q   ");
  check("9F -", true, "9F -");
  check("ZZ  ", false, "ZZ  ");
  check(" A  ", false, " A  ");
}

TEST(ButtonInfo, NormalizeLoadedKeepsOnlyTextsTheKindUses) {
  CButtonInfo memoOnly;
  memoOnly.SetCode(MakeCellCode("05 N"), 5);
  memoOnly.AddText("'TV");
  memoOnly.NormalizeLoaded();
  EXPECT_EQ(CodeText(memoOnly.GetCode()), "    ");

  CButtonInfo highKey;  // ordinals 112-159 keep their learned codes
  highKey.SetCode(MakeCellCode("7A  "), 122);
  highKey.AddText("power\t   38.00,  562.00,0A");
  highKey.NormalizeLoaded();
  EXPECT_EQ(CodeText(highKey.GetCode()), "7A  ");
  EXPECT_EQ(highKey.GetCount(), 1);

  CButtonInfo external;
  external.SetCode(MakeCellCode("R3  "), 0);
  external.SetCommandText("notepad.exe");
  external.NormalizeLoaded();
  EXPECT_EQ(external.GetCommandText(), "notepad.exe");

  CButtonInfo relay;
  relay.SetCode(MakeCellCode("X1 &"), 0);
  relay.AddText("stray\tAB");
  relay.AddText("'memo");
  relay.NormalizeLoaded();
  EXPECT_EQ(relay.GetCount(), 0);
  EXPECT_EQ(relay.GetMemo(), "");
  EXPECT_EQ(relay.GetText(0), "");
}

TEST(SjisPath, BackslashTrailBytesAreNotSeparators) {
  // "ソ" is 0x83 0x5C: its trail byte is no folder separator.
  EXPECT_EQ(FolderOfSjisPath("C:\\a\x83\x5c\\b.tbl"), "C:\\a\x83\x5c");
  EXPECT_EQ(FolderOfSjisPath("C:\\dir\\\x83\x5c"), "C:\\dir");
  EXPECT_EQ(FileNameOfSjisPath("C:\\dir\\\x83\x5c"), "\x83\x5c");
  EXPECT_EQ(FolderOfSjisPath("name.tbl"), "");
}

TEST(TableTexts, AreTheShiftJisTextsOfTheProgram) {
  if (sizeof("テ") != 3) GTEST_SKIP() << "narrow literals are not CP932 in this build";
  EXPECT_STREQ(kInfraredSectionMarker, "<ソラミトリモコンデータ>");
  EXPECT_STREQ(kExternalSectionMarker, "<外部コマンド>");
  EXPECT_STREQ(kRemoteDataSuffix, "リモコンデータ>");
  EXPECT_STREQ(kTableFileInvalid, "テーブルファイルが異常です");
  EXPECT_STREQ(kCautionCaption, "注意");
  EXPECT_STREQ(kForeignDataQuestion, "他のリモコンデータがあります。それらを破棄して続けますか？");
  EXPECT_STREQ(kDamagedTableQuestion, "テーブルファイルに異常があります。このまま続けますか？");
}
