#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "SixButtonPanel.h"
#include "commissioning/CommissioningSheet.h"

using namespace panel;

using namespace commissioning;

namespace {

bool Has(const std::string& html, const std::string& part) { return html.find(part) != std::string::npos; }

}  // namespace

TEST(CommissioningSheet, MarksListsAndSummarisesTheAnswers) {
  CPanelTable table = SixButtonPanel();
  Record record(PlanSteps(table));
  record.SetFinding(0, RelayFinding(true, 3, false));
  record.Answer(0, Outcome::Worked, "");
  record.Answer(1, Outcome::DidNotWork, "テレビが<遠い> & 暗い");
  record.SetFinding(2, TableFinding(true, std::nullopt));
  record.Answer(2, Outcome::Skipped, "");
  record.SetFinding(3, ProgramFinding(false, "C:\\Program Files\\メモ帳.exe"));
  record.Answer(3, Outcome::Worked, "");
  record.Stop();  // steps 4 and 5 were never reached

  const std::vector<std::uint8_t> bmp{'B', 'M', 0xff};
  SheetFacts facts{"機器操作A.tbl", {2026, 12, 8, 2, 15, 30}, 3, bmp, 161, 60};
  const std::string html = SheetHtml(table, record, facts);

  EXPECT_TRUE(Has(html, "<meta charset=\"Shift_JIS\">"));
  EXPECT_TRUE(Has(html, "<td>機器操作A.tbl</td>"));
  EXPECT_TRUE(Has(html, "<td>2026/12/08 02:15:30</td>"));
  EXPECT_TRUE(Has(html, "<td>COM3</td>"));
  EXPECT_TRUE(Has(html, ">動いた 2 / 動かない 1 / 飛ばした 1 / 未確認 2 (ボタン 6個) 途中で中止しました<"));
  EXPECT_TRUE(Has(html, "style=\"width:161px;height:60px\"><img width=\"161\" height=\"60\" "));
  EXPECT_TRUE(Has(html, "src=\"data:image/bmp;base64,Qk3/\""));
  // Each button with a command is framed in its cell with its outcome.
  EXPECT_TRUE(Has(html, "\"mark worked\" style=\"left:0px;top:0px;width:40px;height:30px\"><span>○1<"));
  EXPECT_TRUE(Has(html, "\"mark failed\" style=\"left:80px;top:0px;"));
  EXPECT_TRUE(Has(html, "\"mark skipped\" style=\"left:120px;top:0px;"));
  EXPECT_TRUE(Has(html, "\"mark untried\" style=\"left:120px;top:30px;width:40px;height:30px\"><span>－8<"));
  EXPECT_FALSE(Has(html, "left:0px;top:30px"));  // cell 4 has no command
  // The list: number, row and column from 1, words, outcome, finding, note, all escaped.
  EXPECT_TRUE(Has(html, "<tr><td class=\"num\">3</td><td class=\"num\">1</td><td class=\"num\">3"
                        "</td><td>学習リモコン 2件 (次の送信を待つ) 「テレビ」</td><td class=\"failed\">× 動かない</td><td></td>"
                        "<td>テレビが&lt;遠い&gt; &amp; 暗い</td></tr>"));
  EXPECT_TRUE(Has(html, "<td>リレーに送りました (COM3)</td>"));
  EXPECT_TRUE(Has(html, "<td>作業フォルダ: テーブルあり / クロヴァン: 確認できません</td>"));
  EXPECT_TRUE(Has(html, "<td>外部プログラム: &quot;C:\\Program Files\\メモ帳.exe&quot; /a &lt;b&gt;</td>"));
  EXPECT_TRUE(Has(html, "<td>ファイルが見つかりません: C:\\Program Files\\メモ帳.exe (実行はしていません)</td>"));
  EXPECT_TRUE(Has(html, "<td>閉じる</td><td class=\"untried\">－ 未確認</td>"));
}

TEST(CommissioningSheet, FileNameAndEncodings) {
  const DateTime when{2026, 12, 8, 2, 5, 9};
  EXPECT_EQ(SheetFileName("機器操作A.tbl", when), "機器操作A_動作確認_20261208_020509.html");
  EXPECT_EQ(SheetFileName("機器操作A.tbl", when, 2), "機器操作A_動作確認_20261208_020509_2.html");
  EXPECT_EQ(SheetFileName("機器操作A.TBL", when), "機器操作A_動作確認_20261208_020509.html");
  const std::uint8_t man[] = {'M', 'a', 'n'};
  EXPECT_EQ(Base64(man), "TWFu");
  EXPECT_EQ(Base64(std::span(man, 2)), "TWE=");
  EXPECT_EQ(Base64(std::span(man, 1)), "TQ==");
  EXPECT_EQ(Base64({}), "");
  EXPECT_EQ(TableFinding(false, true), "作業フォルダ: テーブルなし / クロヴァン: テーブルあり");
  EXPECT_EQ(RelayFinding(true, 2, true), "リレーに送りました (COM2)、回答の後に元に戻しました");
  EXPECT_EQ(RelayFinding(false, 2, false), "通信ポートが開けません (COM2)");
}
