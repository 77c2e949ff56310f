// The command dialog: loading each kind, registering each kind, the refusals,
// the questions, and the mended cases.
#include <fstream>

#include "EditorFixture.h"
#include "winui/Controls.h"
#include "winui/MessagePump.h"

using wintest::BoxRecorder;

TEST_F(EditorTest, LoadCellOfEachKind) {
  Open(26, "1A +", {"'tv", "on\t" + LearnedCode('1'), "\t" + LearnedCode('2'), "no tab"});
  EXPECT_EQ(SendMessageW(dialog->Command, CB_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(dialog->Learned.Box()));
  EXPECT_FALSE(IsWindowVisible(dialog->Relay.Box()));
  EXPECT_EQ(winui::GetText(dialog->Learned.MemoEdit), L"tv");
  auto row = [&](int i) { return *dialog->Learned.RemoconBaseFrame.RowAt(i).MemoText() + "|" + dialog->Learned.RemoconBaseFrame.RowAt(i).CodeText(); };
  ASSERT_EQ(dialog->Learned.RemoconBaseFrame.RowCount(), 3);
  EXPECT_EQ(row(0) + row(1) + row(2), "on|" + LearnedCode('1') + "|" + LearnedCode('2') + "no tab|");
  EXPECT_TRUE(Ticked(dialog->Learned.Repeat));
  EXPECT_FALSE(Ticked(dialog->Learned.StillStop) || Ticked(dialog->Learned.NextButton));
  // Three rows: only "wait for the next send" applies.
  EXPECT_FALSE(Enabled(dialog->Learned.Repeat) || Enabled(dialog->Learned.StillStop));
  EXPECT_TRUE(Enabled(dialog->Learned.NextButton));

  Open(1, "XA -");
  EXPECT_EQ(winui::GetText(dialog->Relay.RelayNumber), L"10");
  EXPECT_EQ(dialog->Relay.RelayActionIndex(), 2);
  Open(2, "Gb  ");
  EXPECT_EQ(winui::GetText(dialog->Panel.PanelName), L"b");
  EXPECT_EQ(winui::GetText(dialog->Panel.PanelFileName), L"機器操作b.tbl　に切り替える");
  Open(4, "R5  ", {"calc.exe"});
  EXPECT_EQ(winui::GetText(dialog->Gaibu.GaibuCommand), L"calc.exe");
  EXPECT_TRUE(IsWindowVisible(dialog->Gaibu.Box()));
  RECT r{};
  GetWindowRect(dialog->Gaibu.Box(), &r);
  MapWindowPoints(nullptr, dialog->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 182);
  EXPECT_EQ(r.top, 8);
}

TEST_F(EditorTest, EachKindRegisteredFromScratch) {
  struct Case {
    int kind;
    std::function<void(TEditCommandFm&)> fill;
    std::string cell;
  };
  const Case cases[] = {
      {0, nullptr, "    |memo|old"},
      {5, nullptr, "Q   |memo|old"},
      {3, [](TEditCommandFm& d) { Type(d.Panel.PanelName, L"z"); }, "Gz  |memo|old"},
      {4, [](TEditCommandFm& d) { Type(d.Gaibu.GaibuCommand, L"notepad.exe"); }, "R   ||notepad.exe"},
      {1, [](TEditCommandFm& d) { Type(d.Relay.RelayNumber, L"7"); }, "X7 &|memo|old"},
      {1, [](TEditCommandFm& d) { Type(d.Relay.RelayNumber, L"31"); Click(d.Relay.RelayActionItems[1]); }, "XV  |memo|old"},
  };
  for (const Case& c : cases) {
    Open(12, "    ", {"'memo", "old"});
    Choose(c.kind);
    if (c.fill) c.fill(*dialog);
    Click(dialog->TourokuButton);
    EXPECT_TRUE(Registered()) << c.cell;
    EXPECT_EQ(Cell(), c.cell);
  }
  // One code with Repeat ticked, then a second row: NextButton decides.
  Open(26, "    ");
  Choose(2);
  Type(dialog->Learned.MemoEdit, L"tv");
  dialog->Learned.RemoconBaseFrame.AddRow(LearnedCode('1'));
  Click(dialog->Learned.Repeat);
  EXPECT_FALSE(Enabled(dialog->Learned.StillStop));
  dialog->Learned.RemoconBaseFrame.AddRow(LearnedCode('2'));
  Click(dialog->Learned.NextButton);
  Click(dialog->TourokuButton);
  EXPECT_EQ(Cell(), "1A N|tv|\t" + LearnedCode('1') + "|\t" + LearnedCode('2'));
}

TEST_F(EditorTest, RefusalsLeaveTheDialogOpenAndTheCellAlone) {
  struct Silent {
    int kind;
    std::function<HWND(TEditCommandFm&)> field;
    const wchar_t* text;
  };
  auto relay = [](TEditCommandFm& d) { return d.Relay.RelayNumber; };
  auto gaibu = [](TEditCommandFm& d) { return d.Gaibu.GaibuCommand; };
  auto panel = [](TEditCommandFm& d) { return d.Panel.PanelName; };
  const Silent silent[] = {{1, relay, L"32"}, {1, relay, L"-1"}, {4, gaibu, L"a"}, {3, panel, L""}, {3, panel, L"-"}};
  BoxRecorder boxes;
  for (const Silent& s : silent) {
    Open(12, "Q   ", {"'memo"});
    Choose(s.kind);
    Type(s.field(*dialog), s.text);
    Click(dialog->TourokuButton);
    EXPECT_FALSE(Registered()) << s.kind;
    EXPECT_EQ(Cell(), "Q   |memo") << s.kind;
  }
  EXPECT_EQ(winui::GetText(dialog->Panel.PanelFileName), L"機器操作-.tbl　に切り替える");
  Type(dialog->Panel.PanelName, L"");
  EXPECT_EQ(winui::GetText(dialog->Panel.PanelFileName), L"パネル名の最後の１文字を入れてください");
  EXPECT_TRUE(boxes.boxes.empty());

  // The learned-code warnings, then the mends: an apostrophe memo, ten rows, a cell past 159.
  Open(26, "Q   ", {"'memo"});
  Choose(2);
  Click(dialog->TourokuButton);
  auto& list = dialog->Learned.RemoconBaseFrame;
  list.AddRow(LearnedCode('1'));
  list.AddRow("short");
  Click(dialog->TourokuButton);
  list.RemoveRowAt(1);
  list.AddRow(LearnedCode('2'))->SetMemoText("'quoted");
  Click(dialog->TourokuButton);
  list.RowAt(1).SetMemoText("a\tb");
  Click(dialog->TourokuButton);
  list.RowAt(1).SetMemoText("quoted'");
  while (list.AddRow(LearnedCode('3'))) {
  }
  Click(dialog->TourokuButton);
  EXPECT_FALSE(Registered());
  EXPECT_EQ(Cell(), "Q   |memo");
  Open(160, "Q   ");
  Choose(2);
  dialog->Learned.RemoconBaseFrame.AddRow(LearnedCode('1'));
  Click(dialog->TourokuButton);
  EXPECT_EQ(boxes.Lines(), (std::vector<std::wstring>{
      L"警告|リモコン送信データがありません",
      L"警告|送信データが学習されていないものがあります。",
      L"警告|2番目のリモコン送信データのメモが ' で始まっています。このままでは登録できません。",
      L"警告|2番目のリモコン送信データのメモにタブ文字が含まれています。このままでは登録できません。",
      L"警告|リモコン送信データは１つのボタンに９個まで登録できます。",
      L"警告|このボタンには学習リモコン送信を登録できません。学習リモコン送信はパネルの先頭から160個目までのボタンに登録できます。",
  }));
  EXPECT_FALSE(Registered());
  EXPECT_EQ(Cell(), "Q   |");
}

TEST_F(EditorTest, SixtyThirdExternalProgramAndQuotedCommandAreRefused) {
  for (int i = 0; i < 62; ++i) table.Cell(100 + i).ReplaceCode(MakeCellCode("R   "));
  BoxRecorder boxes;
  Open(5, "    ");
  Choose(4);
  Type(dialog->Gaibu.GaibuCommand, L"'quoted");
  Click(dialog->TourokuButton);
  Type(dialog->Gaibu.GaibuCommand, L"calc.exe");
  Click(dialog->TourokuButton);
  EXPECT_FALSE(Registered());
  EXPECT_EQ(boxes.Lines(), (std::vector<std::wstring>{
      L"警告|コマンドラインの先頭に ' は使えません。",
      L"警告|外部プログラムの実行は１つのパネルに６２個までしか登録できません。"}));
}

TEST_F(EditorTest, KindSwitchKeepsRowsAndTicksButEmptiesTheMemo) {
  Open(7, "07 -", {"'tv", "a\t" + LearnedCode('1')});
  EXPECT_TRUE(Ticked(dialog->Learned.StillStop));
  Choose(1);
  Choose(2);
  EXPECT_EQ(winui::GetText(dialog->Learned.MemoEdit), L"");
  EXPECT_EQ(dialog->Learned.RemoconBaseFrame.RowCount(), 1);
  EXPECT_TRUE(Ticked(dialog->Learned.StillStop));
  EXPECT_FALSE(Enabled(dialog->Learned.Repeat));
  EXPECT_EQ(Cell(), "07 -|tv|a\t" + LearnedCode('1'));
}

TEST_F(EditorTest, DeleteAllAbortAndTitleBar) {
  Open(7, "07  ", {"a\t" + LearnedCode('1'), "b\t" + LearnedCode('2')});
  BoxRecorder boxes({false, true, false, true});
  Click(dialog->Learned.AllDelete);  // No
  EXPECT_EQ(dialog->Learned.RemoconBaseFrame.RowCount(), 2);
  Click(dialog->Learned.AllDelete);  // Yes
  EXPECT_EQ(dialog->Learned.RemoconBaseFrame.RowCount(), 0);
  EXPECT_FALSE(Enabled(dialog->Learned.Repeat) || Enabled(dialog->Learned.StillStop) || Enabled(dialog->Learned.NextButton));
  Click(dialog->Learned.AllDelete);  // nothing to ask
  SendMessageW(dialog->Handle(), WM_COMMAND, IDCANCEL, 0);  // Esc asks like 中止: No
  EXPECT_EQ(dialog->GetModalResult(), winui::ModalResult::None);
  Click(dialog->TyuusiButton);  // Yes
  EXPECT_EQ(dialog->GetModalResult(), winui::ModalResult::Cancel);
  const std::wstring all = L"注意|これら全てのデータを削除しても良いですか？|YesNo";
  const std::wstring cancel = L"注意|キャンセルしても良いですか？|YesNo";
  EXPECT_EQ(boxes.Lines(), (std::vector<std::wstring>{all, all, cancel, cancel}));
  EXPECT_EQ(Cell(), "07  ||a\t" + LearnedCode('1') + "|b\t" + LearnedCode('2'));

  // The title bar asks nothing and cancels, whatever was edited.
  Open(7, "07  ", {"a\t" + LearnedCode('1')});
  ShowWindow(dialog->Handle(), SW_HIDE);
  winui::ScopedModalHook hook(TEditCommandFm::kClassName, [](winui::Form& form) {
    auto& d = static_cast<TEditCommandFm&>(form);
    d.Learned.RemoconBaseFrame.ClearRows();
    PostMessageW(d.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(winui::ShowModal(*dialog, nullptr), winui::ModalResult::Cancel);
  EXPECT_EQ(boxes.boxes.size(), 4u);
  EXPECT_EQ(Cell(), "07  ||a\t" + LearnedCode('1'));
}

TEST_F(EditorTest, LearningAddsRowsUpToNineAndTestSendsThemInOrder) {
  sim.Set(L"USBIRSIM_SIGNAL", std::wstring(40, L'A'));
  BoxRecorder boxes;
  Open(8, "    ");
  Choose(2);
  Click(dialog->Learned.AddRemokon);
  auto& list = dialog->Learned.RemoconBaseFrame;
  ASSERT_EQ(list.RowCount(), 1);
  EXPECT_EQ(list.RowAt(0).CodeText(), "    1.50,  120.25," + std::string(40, 'A'));
  list.AddRow(LearnedCode('B'));
  Click(dialog->Learned.TestRemocon);
  auto emits = sim.Calls("USBIrEmitData");
  ASSERT_EQ(emits.size(), 2u);
  EXPECT_EQ(emits[0].fields["code"], list.RowAt(0).CodeText().substr(0, 18) + std::string(40, 'A'));
  EXPECT_EQ(emits[1].fields["code"], LearnedCode('B'));
  while (list.RowCount() < 9) list.AddRow(LearnedCode('C'));
  const std::size_t starts = sim.Calls("USBIrStartReceive").size();
  Click(dialog->Learned.AddRemokon);
  EXPECT_EQ(sim.Calls("USBIrStartReceive").size(), starts);  // refused before the device is used
  EXPECT_EQ(list.RowCount(), 9);
  EXPECT_EQ(boxes.Lines(), std::vector<std::wstring>{L"警告|リモコン送信データは１つのボタンに９個まで登録できます。"});
}

TEST_F(EditorTest, RelayTestAndRegistrationUseTheSameDecimalNumber) {
  const std::string log = wintest::EnvOrEmpty("PANEL_RELAY_LOG");
  if (log.empty()) GTEST_SKIP() << "relay-sim is not running";
  options.RelayPort = std::stoi(wintest::EnvOrEmpty("PANEL_RELAY_PORT"));
  auto lastLine = [&] {
    std::string last;
    std::ifstream in(wintest::WinPathOf(log).c_str());
    for (std::string line; std::getline(in, line);) last = line;
    return last;
  };
  const std::string before = lastLine();
  Open(1, "XA &");
  Click(dialog->Relay.RelayTestButton);
  ASSERT_TRUE(winui::PumpUntil([&] { return lastLine() != before; }, 5000));
  EXPECT_EQ(lastLine().rfind("byte=42 kind=pulse relay=10 ", 0), 0u) << lastLine();
  Click(dialog->TourokuButton);
  EXPECT_EQ(Cell(), "XA &|");
}
