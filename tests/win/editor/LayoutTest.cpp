// The dialog's and a row's controls as data (class, place, caption, in tab order).
#include "EditorFixture.h"
#include "LayoutDump.h"
#include "winui/Controls.h"

using wintest::LayoutDump;

TEST_F(EditorTest, DialogAndRowLayout) {
  Open(3, "    ");
  HWND form = dialog->Handle();
  EXPECT_EQ(winui::GetText(form), L"コマンド登録");
  RECT client{};
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 581);
  EXPECT_EQ(client.bottom, 486);
  EXPECT_EQ(LayoutDump(form),
      L"ComboBox 32,8 145x20 11 \"なし\"\n"
      L"Button 183,8 300x65 11 \"パネル切替オプション\"\n"
      L"  Static 16,19 11 \"テーブルファイル識別子\"\n"
      L"  Edit 113,16 25x21 11 \"\"\n"
      L"  Static 40,38 11 \"\"\n"
      L"Button 183,79 378x99 11 \"リレーオプション\"\n"
      L"  Static 16,20 11 \"リレー番号\"\n"
      L"  Edit 74,16 25x21 11 \"\"\n"
      L"  Button 16,43 345x44 11 \"動作選択\"\n"
      L"    Button 8,18 105x17 11 \"１秒間ＯＮにする\"\n"
      L"    Button 117,18 105x17 11 \"On/Offの切替\"\n"
      L"    Button 226,18 105x17 11 \"クリックまでそのまま\"\n"
      L"  Button 256,16 75x25 11 \"テスト\"\n"
      L"Button 183,35 378x249 11 \"学習リモコンオプション\"\n"
      L"  Static 16,16 11 \"メモ\"\n"
      L"  TRemoconBaseFr -1,40 358x130 0 \"\"\n"
      L"  Button 18,221 105x25 11 \"リモコン学習追加\"\n"
      L"  Button 264,221 75x25 11 \"テスト\"\n"
      L"  Button 129,221 75x25 11 \"全削除\"\n"
      L"  Edit 51,13 308x21 11 \"\"\n"
      L"  Button 3,176 97x17 11 \"繰り返せるように\"\n"
      L"  Button 246,176 97x17 11 \"次の送信を待つ\"\n"
      L"  Button 113,176 130x17 11 \"停止まで押しっぱなし\"\n"
      L"Button 8,153 145x41 11 \"登録\"\n"
      L"Button 8,200 145x41 11 \"中止\"\n"
      L"Button 182,320 379x57 11 \"外部プログラム実行\"\n"
      L"  Edit 24,33 352x21 11 \"\"\n");
  dialog->GroupLearned.RemoconBaseFrame.AddRow(LearnedCode('1'));
  EXPECT_EQ(LayoutDump(dialog->GroupLearned.RemoconBaseFrame.Handle()),
      L"TRemoconFr 0,0 335x42 0 \"\"\n"
      L"  Static 16,3 12 \"メモ\"\n"
      L"  Edit 48,5 74x21 11 \"\"\n"
      L"  Button 128,3 57x17 11 \"再学習\"\n"
      L"  Button 254,3 57x17 11 \"削除\"\n"
      L"  Button 191,3 57x17 11 \"テスト\"\n"
      L"  Static 16,28 295x9 7b \"    1.50,  120.25,1111111111111111111111111111111111111111\"\n");
}
