#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "../FoldingFileNames.h"
#include "table/PanelCheck.h"
#include "table/PublishHistory.h"

using namespace panel;

namespace {

struct Target : IPublishTarget {
  std::string work = "W:\\w", host = "H:\\h";
  std::set<std::string> files = {"H:\\h\\機器操作B.tbl", "W:\\w\\機器操作D.tbl", "C:\\tools\\a.exe",
                                 "C:\\Program Files\\b.exe"};
  const std::string& WorkFolder() const override { return work; }
  const std::string& HostFolder() const override { return host; }
  bool FileExists(const std::string& path) const override { return files.count(path) != 0; }
  bool SameFile(std::string_view a, std::string_view b) const override { return FoldingFileNames().SameFile(a, b); }
};

const std::string kCode = "on\t   38.00,  562.00,00FF";

// 3 x 2 cells of 40 x 30: close, switch to the published B, learned remote;
// relay, a program found by its path, none.
CPanelTable Clean() {
  CPanelTable t;
  t.SetTablePath("W:\\w\\機器操作A.tbl");
  t.SetBitmapName("機器操作A.bmp");
  EXPECT_TRUE(t.CreateGrid(40, 30, 3, 2));
  const char* codes[] = {"Q   ", "GB  ", "02  ", "X1 &", "R   ", "    "};
  for (int i = 0; i < 6; ++i) t.Cell(i).SetCode(MakeCellCode(codes[i]), i);
  t.Cell(2).AddText("'テレビ");
  t.Cell(2).AddText(kCode);
  t.Cell(4).SetCommandText("\"C:\\tools\\a.exe\" /x");
  return t;
}

std::vector<std::string> Check(const CPanelTable& t, PictureSize picture = {120, 60}) {
  std::vector<std::string> texts;
  for (const PanelFinding& f : CheckPanelForPublishing(t, picture, Target())) texts.push_back(f.text);
  return texts;
}

TEST(PanelCheck, EachProblemIsFoundNamingTheCellAndWhatToDo) {
  if (sizeof("テ") != 3) GTEST_SKIP() << "narrow literals are not CP932 in this build";
  EXPECT_TRUE(Check(Clean()).empty());
  const std::string b2 = "ボタン2（1行目・2列目）：", b3 = "ボタン3（1行目・3列目）：", b5 = "ボタン5（2行目・2列目）：";
  const struct {
    std::function<void(CPanelTable&)> change;
    std::vector<std::string> expected;
  } cases[] = {
      {[](CPanelTable& t) { t.Cell(0).ReplaceCode(NoneCode()), t.Cell(1).ReplaceCode(MakeCellCode("X2  ")); },
       {"「閉じる」ボタンも「パネル切替」ボタンもありません。使う人がこのパネルから出られなくなります。"
        "どれかのボタンを「閉じる」か「パネル切替」にしてください。"}},
      {[](CPanelTable& t) { t.Cell(1).ReplaceCode(MakeCellCode("GC  ")); },
       {b2 + "切替先のパネル「機器操作C.tbl」が作業フォルダにもクロヴァンのフォルダにもありません。"
             "そのパネルを作って公開するか、切替先を直してください。"}},
      {[](CPanelTable& t) { t.Cell(1).ReplaceCode(MakeCellCode("GD  ")); },
       {b2 + "切替先のパネル「機器操作D.tbl」はまだクロヴァンに公開されていません。そのパネルも公開してください。"}},
      {[](CPanelTable& t) { t.Cell(1).ReplaceCode(MakeCellCode("Ga  ")); }, {}},  // itself, published now
      {[](CPanelTable& t) { t.Cell(2).ClearTexts(); },
       {b3 + "リモコンコードが登録されていません。リモコンを学習させるか、ボタンを「なし」にしてください。"}},
      {[](CPanelTable& t) { t.Cell(2).AddText("off\t   38.00,     inf,00FF"); },
       {b3 + "2番目のリモコンコードが正しくありません。学習し直してください。"}},
      {[](CPanelTable& t) { t.Cell(2).AddText("long\t   38.00,  562.00," + std::string(3970, 'A')); },
       {b3 + "2番目のリモコンコードが長い（3993バイト）ため、クロヴァンが途中で切ってしまうかもしれません。"
             "クロヴァンで動くか確かめてください。"}},
      {[](CPanelTable& t) { t.Cell(2).AddText("'" + std::string(3992, 'm')); },
       {b3 + "メモが長すぎます（3992バイト、クロヴァンが読めるのは3991バイトまで）。短くしてください。"}},
      {[](CPanelTable& t) { t.Cell(4).SetCommandText("  "); },
       {b5 + "実行するプログラムが登録されていません。プログラムを登録するか、ボタンを「なし」にしてください。"}},
      {[](CPanelTable& t) { t.Cell(4).SetCommandText("C:\\gone\\b.exe /x"); },
       {b5 + "プログラム「C:\\gone\\b.exe」が見つかりません。プログラムの場所を確かめてください。"}},
      {[](CPanelTable& t) { t.Cell(4).SetCommandText("C:\\Program Files\\b.exe /x"); }, {}},  // as the system tries it
      {[](CPanelTable& t) { t.Cell(4).SetCommandText("notepad.exe " + std::string(986, 'x')); },
       {b5 + "コマンドが長すぎます（998バイト、クロヴァンが読めるのは997バイトまで）。短くしてください。"}},
      {[](CPanelTable& t) { t.Cell(4).SetCommandText("C:\\" + std::string(100000, ' ')); },
       {b5 + "プログラム「C:\\」が見つかりません。プログラムの場所を確かめてください。",
        b5 + "コマンドが長すぎます（100003バイト、クロヴァンが読めるのは997バイトまで）。短くしてください。"}},
      {[](CPanelTable& t) { t.SetBitmapName(std::string(95, 'p') + ".bmp"); },
       {"ビットマップファイル名が長すぎます（99バイト、クロヴァンが読めるのは98バイトまで）。短い名前にしてください。"}},
  };
  for (const auto& c : cases) {
    CPanelTable t = Clean();
    c.change(t);
    EXPECT_EQ(Check(t), c.expected) << (c.expected.empty() ? "" : c.expected[0]);
  }
}

TEST(PanelCheck, PictureAndGridTheHostCannotShow) {
  if (sizeof("テ") != 3) GTEST_SKIP() << "narrow literals are not CP932 in this build";
  EXPECT_TRUE(Check(Clean(), {121, 59}).empty()) << "one pixel either way is fine";
  EXPECT_EQ(Check(Clean(), {80, 60}),
            (std::vector<std::string>{
                "画像の大きさ（横80×縦60）がボタンの並び（横120×縦60）と合いません。画像を作り直してください。",
                "ボタン3（1行目・3列目）：ボタンが画像からはみ出しています。画像を大きくするか、ボタンを「なし」にしてください。"}));
  CPanelTable wide;
  wide.SetTablePath("W:\\w\\機器操作A.tbl");
  wide.SetBitmapName("a.bmp");
  ASSERT_TRUE(wide.CreateGrid(10, 10, 25, 1));
  wide.Cell(0).SetCode(MakeCellCode("Q   "), 0);
  EXPECT_EQ(Check(wide, {250, 10}), std::vector<std::string>{"横のボタンが25個あります。クロヴァンが読めるのは24個までです。"
                                                              "横のボタンを24個以下にしてください。"});
}

TEST(PublishHistory, EntriesAreNamedByTimeAndTheNewestTenKept) {
  EXPECT_EQ(NewHistoryEntryName("20261208-101500", {}), "20261208-101500");
  EXPECT_EQ(NewHistoryEntryName("20261208-101500", {"20261208-101500", "20261208-101500-2"}), "20261208-101500-3");
  std::vector<std::string> names = {"notes", "20261208-101500-10", "2026120-101500", "20261208-101500-02"};
  for (int i = 9; i >= 0; --i) names.push_back("2026120" + std::to_string(i) + "-101500");
  names.push_back("20261208-101500-9");
  // Fourteen names, twelve entries: the two oldest go; "-10" is newer than "-9".
  EXPECT_EQ(HistoryEntriesToPrune(names), (std::vector<std::string>{"20261200-101500", "20261201-101500"}));
  EXPECT_TRUE(HistoryEntriesToPrune({"20261208-101500"}).empty());
}

}  // namespace
