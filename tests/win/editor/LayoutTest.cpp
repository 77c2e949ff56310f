// The dialog's and a row's controls as data (class, place, caption, in tab
// order), and screenshots of each option group and of a scrolling list.
#include <sstream>

#include "EditorFixture.h"
#include "winui/Controls.h"
#include "winui/Gdi.h"
#include "winui/MessagePump.h"
#include "winui/Picture.h"
#include "winui/TextConv.h"

namespace {

// One line per child in Z (= tab) order, children indented under their parent.
void Dump(HWND parent, std::wostringstream& out, int depth) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof font, &font);
    out << std::wstring(depth * 2, L' ') << cls << L' ' << r.left << L',' << r.top;
    // Auto-sized labels are as large as their text at their font.
    const bool autoSized = lstrcmpW(cls, L"Static") == 0 && (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT;
    if (!autoSized) out << L' ' << r.right - r.left << L'x' << r.bottom - r.top;
    out << L' ' << -font.lfHeight << (font.lfWeight >= FW_BOLD ? L"b" : L"") << L" \""
        << winui::GetText(child) << L"\"\n";
    if (lstrcmpW(cls, L"ComboBox") != 0) Dump(child, out, depth + 1);
  }
}

std::wstring Layout(HWND window) {
  std::wostringstream out;
  Dump(window, out, 0);
  return out.str();
}

// The window as the screen shows it, into <build>/editor/<name>.bmp.
void Shoot(HWND window, const std::string& name) {
  winui::PumpUntil([] { return false; }, 300);
  RECT r{};
  GetWindowRect(window, &r);
  winui::Picture picture;
  ASSERT_TRUE(picture.Create(r.right - r.left, r.bottom - r.top, RGB(255, 255, 255)));
  {
    winui::WindowDc screen(nullptr);
    winui::MemoryDc memory(screen.Get());
    winui::ScopedSelectObject select(memory.Get(), picture.Handle());
    BitBlt(memory.Get(), 0, 0, picture.Width(), picture.Height(), screen.Get(), r.left, r.top, SRCCOPY);
  }
  const std::wstring folder = wintest::WinPathOf(wintest::EnvOrEmpty("PANEL_BUILD_DIR")) + L"\\editor";
  CreateDirectoryW(folder.c_str(), nullptr);
  EXPECT_EQ(picture.SaveToFile(*winui::WideToSjis(folder + L"\\" + winui::SjisToWide(name) + L".bmp")), L"");
}

}  // namespace

TEST_F(EditorTest, DialogAndRowLayout) {
  Open(3, "    ");
  HWND form = dialog->Handle();
  EXPECT_EQ(winui::GetText(form), L"コマンド登録");
  RECT client{};
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 581);
  EXPECT_EQ(client.bottom, 486);
  EXPECT_EQ(Layout(form),
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
  EXPECT_EQ(Layout(dialog->GroupLearned.RemoconBaseFrame.Handle()),
      L"TRemoconFr 0,0 335x42 0 \"\"\n"
      L"  Static 16,3 12 \"メモ\"\n"
      L"  Edit 48,5 74x21 11 \"\"\n"
      L"  Button 128,3 57x17 11 \"再学習\"\n"
      L"  Button 254,3 57x17 11 \"削除\"\n"
      L"  Button 191,3 57x17 11 \"テスト\"\n"
      L"  Static 16,28 295x9 7b \"    1.50,  120.25,1111111111111111111111111111111111111111\"\n");
}

TEST_F(EditorTest, Screenshots) {
  Open(3, "    ");
  SetWindowPos(dialog->Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const std::pair<int, const char*> groups[] = {{1, "relay"}, {2, "learning"}, {3, "panel"}, {4, "external"}};
  for (const auto& [kind, name] : groups) {
    Choose(kind);
    Shoot(dialog->Handle(), name);
  }
  Choose(2);
  for (char c : std::string("12345")) dialog->GroupLearned.RemoconBaseFrame.AddRow(LearnedCode(c));
  Shoot(dialog->Handle(), "learning-scrolling");
}
