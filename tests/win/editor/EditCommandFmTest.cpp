// The command dialog: loading each kind, registering each kind, the refusals,
// the questions, and the mended cases.
#include <fstream>

#include "EditorFixture.h"
#include "winui/Controls.h"
#include "winui/MessagePump.h"

using namespace panel;

using wintest::BoxRecorder;

TEST_F(EditorTest, LoadCellOfEachKind) {
  Open(26, "1A +", {"'tv", "on\t" + LearnedCode('1'), "\t" + LearnedCode('2'), "no tab"});
  EXPECT_EQ(SendMessageW(dialog->Command, CB_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(dialog->GroupLearned.Box()));
  EXPECT_FALSE(IsWindowVisible(dialog->GroupRelay.Box()));
  EXPECT_EQ(winui::GetText(dialog->GroupLearned.MemoEdit), L"tv");
  auto row = [&](int i) { return *dialog->GroupLearned.RemoconBaseFrame.RowAt(i).MemoText() + "|" + dialog->GroupLearned.RemoconBaseFrame.RowAt(i).CodeText(); };
  ASSERT_EQ(dialog->GroupLearned.RemoconBaseFrame.RowCount(), 3);
  EXPECT_EQ(row(0) + row(1) + row(2), "on|" + LearnedCode('1') + "|" + LearnedCode('2') + "no tab|");
  EXPECT_TRUE(Ticked(dialog->GroupLearned.Repeat));
  EXPECT_FALSE(Ticked(dialog->GroupLearned.StillStop) || Ticked(dialog->GroupLearned.NextButton));
  // Three rows: only "wait for the next send" applies.
  EXPECT_FALSE(Enabled(dialog->GroupLearned.Repeat) || Enabled(dialog->GroupLearned.StillStop));
  EXPECT_TRUE(Enabled(dialog->GroupLearned.NextButton));

  Open(1, "XA -");
  EXPECT_EQ(winui::GetText(dialog->GroupRelay.RelayNumber), L"10");
  EXPECT_EQ(dialog->GroupRelay.RelayActionIndex(), 2);
  Open(2, "Gb  ");
  EXPECT_EQ(winui::GetText(dialog->GroupPanel.PanelName), L"b");
  EXPECT_EQ(winui::GetText(dialog->GroupPanel.PanelFileName), L"機器操作b.tbl　に切り替える");
  Open(4, "R5  ", {"calc.exe"});
  EXPECT_EQ(winui::GetText(dialog->GroupGaibu.GaibuCommand), L"calc.exe");
  EXPECT_TRUE(IsWindowVisible(dialog->GroupGaibu.Box()));
  RECT r{};
  GetWindowRect(dialog->GroupGaibu.Box(), &r);
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
      {3, [](TEditCommandFm& d) { Type(d.GroupPanel.PanelName, L"z"); }, "Gz  |memo|old"},
      {4, [](TEditCommandFm& d) { Type(d.GroupGaibu.GaibuCommand, L"notepad.exe"); }, "R   ||notepad.exe"},
      {4, [](TEditCommandFm& d) { Type(d.GroupGaibu.GaibuCommand, L"あ"); }, "R   ||\x82\xa0"},  // two bytes
      {1, [](TEditCommandFm& d) { Type(d.GroupRelay.RelayNumber, L"7"); }, "X7 &|memo|old"},
      {1, [](TEditCommandFm& d) { Type(d.GroupRelay.RelayNumber, L"31"); Click(d.GroupRelay.RelayActionItems[1]); }, "XV  |memo|old"},
  };
  for (const Case& c : cases) {
    Open(12, "G1  ", {"'memo", "old"});
    Choose(c.kind);
    if (c.fill) c.fill(*dialog);
    Click(dialog->TourokuButton);
    EXPECT_TRUE(Registered()) << c.cell;
    EXPECT_EQ(Cell(), c.cell);
  }
  // One code with Repeat ticked, then a second row: NextButton decides.
  Open(26, "    ");
  Choose(2);
  Type(dialog->GroupLearned.MemoEdit, L"tv");
  dialog->GroupLearned.RemoconBaseFrame.AddRow(LearnedCode('1'));
  Click(dialog->GroupLearned.Repeat);
  EXPECT_FALSE(Enabled(dialog->GroupLearned.StillStop));
  dialog->GroupLearned.RemoconBaseFrame.AddRow(LearnedCode('2'));
  Click(dialog->GroupLearned.NextButton);
  Click(dialog->TourokuButton);
  EXPECT_EQ(Cell(), "1A N|tv|\t" + LearnedCode('1') + "|\t" + LearnedCode('2'));
}

TEST_F(EditorTest, RefusalsLeaveTheDialogOpenAndTheCellAlone) {
  struct Silent {
    int kind;
    std::function<HWND(TEditCommandFm&)> field;
    const wchar_t* text;
  };
  auto relay = [](TEditCommandFm& d) { return d.GroupRelay.RelayNumber; };
  auto gaibu = [](TEditCommandFm& d) { return d.GroupGaibu.GaibuCommand; };
  auto panel = [](TEditCommandFm& d) { return d.GroupPanel.PanelName; };
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
  EXPECT_EQ(winui::GetText(dialog->GroupPanel.PanelFileName), L"機器操作-.tbl　に切り替える");
  Type(dialog->GroupPanel.PanelName, L"");
  EXPECT_EQ(winui::GetText(dialog->GroupPanel.PanelFileName), L"パネル名の最後の１文字を入れてください");
  EXPECT_TRUE(boxes.boxes.empty());

  // The learned-code warnings, then the mends: an apostrophe memo, ten rows, a cell past 159.
  Open(26, "Q   ", {"'memo"});
  Choose(2);
  Click(dialog->TourokuButton);
  auto& list = dialog->GroupLearned.RemoconBaseFrame;
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
  Choose(2);  // refused when chosen, before anything can be learned
  EXPECT_FALSE(IsWindowVisible(dialog->GroupLearned.Box()));
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
  Type(dialog->GroupGaibu.GaibuCommand, L"'quoted");
  Click(dialog->TourokuButton);
  Type(dialog->GroupGaibu.GaibuCommand, L"calc.exe");
  Click(dialog->TourokuButton);
  EXPECT_FALSE(Registered());
  EXPECT_EQ(boxes.Lines(), (std::vector<std::wstring>{
      L"警告|コマンドラインの先頭に ' は使えません。",
      L"警告|外部プログラムの実行は１つのパネルに６２個までしか登録できません。"}));
}

TEST_F(EditorTest, ArrowKeysThroughTheKindsKeepWhatWasLoadedAndTyped) {
  Open(7, "07 -", {"'tv", "a\t" + LearnedCode('1')});
  EXPECT_TRUE(Ticked(dialog->GroupLearned.StillStop));
  SetFocus(dialog->Command);
  const auto press = [&](UINT key) { wintest::PressKey(dialog->Handle(), key); };
  press(VK_UP);  // リレー, afresh
  Type(dialog->GroupRelay.RelayNumber, L"12");
  for (UINT key : {VK_DOWN, VK_DOWN, VK_UP, VK_UP}) press(key);
  EXPECT_EQ(winui::GetText(dialog->GroupRelay.RelayNumber), L"12");
  press(VK_DOWN);
  EXPECT_EQ(winui::GetText(dialog->GroupLearned.MemoEdit), L"tv");
  EXPECT_EQ(dialog->GroupLearned.RemoconBaseFrame.RowCount(), 1);
  EXPECT_TRUE(Ticked(dialog->GroupLearned.StillStop));
  EXPECT_FALSE(Enabled(dialog->GroupLearned.Repeat));
  EXPECT_EQ(Cell(), "07 -|tv|a\t" + LearnedCode('1'));
}

TEST_F(EditorTest, OnlyAChangeIsRegisteredOrAskedAbout) {
  BoxRecorder boxes({true});
  Open(4, "R5  ", {"calc.exe"});
  Click(dialog->TourokuButton);  // as it was (its number is given at saving): nothing new to save
  EXPECT_EQ(dialog->GetModalResult(), winui::ModalResult::Cancel);
  EXPECT_EQ(Cell(), "R5  ||calc.exe");
  Type(dialog->GroupGaibu.GaibuCommand, L"calc");
  Type(dialog->GroupGaibu.GaibuCommand, L"calc.exe");
  Click(dialog->TyuusiButton);  // changed back: nothing to lose, nothing asked
  Type(dialog->GroupGaibu.GaibuCommand, L"calc");
  Click(dialog->TyuusiButton);
  EXPECT_EQ(boxes.Lines(), std::vector<std::wstring>{L"注意|キャンセルしても良いですか？|YesNo"});
}

TEST_F(EditorTest, AStoredRelayThatIsNoNumberMustBeEnteredAnew) {
  BoxRecorder boxes;
  Open(1, "X\x81 &");
  EXPECT_EQ(winui::GetText(dialog->GroupRelay.RelayNumber), L"");
  Click(dialog->GroupRelay.RelayTestButton);
  Click(dialog->TourokuButton);
  EXPECT_EQ(Cell(), "X\x81 &|");
  Type(dialog->GroupRelay.RelayNumber, L"5");
  Click(dialog->TourokuButton);
  EXPECT_EQ(Cell(), "X5 &|");
  const std::wstring enter = L"警告|リレー番号を0から31の数字で入れてください。";
  EXPECT_EQ(boxes.Lines(), (std::vector<std::wstring>{
      L"警告|このボタンに記録されているリレー番号は正しくありません。\n0から31の番号を入れてください。", enter, enter}));
}

TEST_F(EditorTest, DeleteAllAbortAndTitleBar) {
  Open(7, "07  ", {"a\t" + LearnedCode('1'), "b\t" + LearnedCode('2')});
  BoxRecorder boxes({false, true, false, true});
  Click(dialog->GroupLearned.AllDelete);  // No
  EXPECT_EQ(dialog->GroupLearned.RemoconBaseFrame.RowCount(), 2);
  Click(dialog->GroupLearned.AllDelete);  // Yes
  EXPECT_EQ(dialog->GroupLearned.RemoconBaseFrame.RowCount(), 0);
  EXPECT_FALSE(Enabled(dialog->GroupLearned.Repeat) || Enabled(dialog->GroupLearned.StillStop) || Enabled(dialog->GroupLearned.NextButton));
  Click(dialog->GroupLearned.AllDelete);  // nothing to ask
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
    d.GroupLearned.RemoconBaseFrame.ClearRows();
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
  Click(dialog->GroupLearned.AddRemokon);
  auto& list = dialog->GroupLearned.RemoconBaseFrame;
  ASSERT_EQ(list.RowCount(), 1);
  EXPECT_EQ(list.RowAt(0).CodeText(), "    1.50,  120.25," + std::string(40, 'A'));
  list.AddRow(LearnedCode('B'));
  Click(dialog->GroupLearned.TestRemocon);
  auto emits = sim.Calls("USBIrEmitData");
  ASSERT_EQ(emits.size(), 2u);
  EXPECT_EQ(emits[0].fields["code"], list.RowAt(0).CodeText().substr(0, 18) + std::string(40, 'A'));
  EXPECT_EQ(emits[1].fields["code"], LearnedCode('B'));
  while (list.RowCount() < 9) list.AddRow(LearnedCode('C'));
  const std::size_t starts = sim.Calls("USBIrStartReceive").size();
  Click(dialog->GroupLearned.AddRemokon);
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
  Click(dialog->GroupRelay.RelayTestButton);
  ASSERT_TRUE(winui::PumpUntil([&] { return lastLine() != before; }, 5000));
  EXPECT_EQ(lastLine().rfind("byte=42 kind=pulse relay=10 ", 0), 0u) << lastLine();
  Click(dialog->TourokuButton);
  EXPECT_EQ(Cell(), "XA &|");
}
