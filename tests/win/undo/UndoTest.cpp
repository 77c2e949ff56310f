// Undo and redo by their keys with the unsaved mark, the question when Windows
// ends the session, and what 100 stamps keep.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "PanelEditFixture.h"
#include "editor/EditCommandFm.h"
#include "editor/InputStringFm.h"
#include "editor/PicturePixels.h"
#include "winui/Controls.h"
#include "winui/PathNames.h"

using namespace panel;
using paneledit_test::At;

namespace {

class Undo : public paneledit_test::PanelEdit {
 protected:
  void Press(UINT key, unsigned modifiers = wintest::kControl) { wintest::PressKey(Window(), key, modifiers); }
  bool StatusSays(const std::wstring& text) const {
    return winui::GetText(window_->StatusLabel).find(text) != std::wstring::npos;
  }
  std::string Code(int ordinal) const { return CodeText(table_.Cell(ordinal).GetCode()); }
  std::vector<std::uint8_t> Pixels() const { return PicturePixels(window_->PanelImage()).ReadPixels({0, 0, 121, 61}); }
  // Every string input stamps `text`.
  winui::ScopedModalHook Stamps(std::wstring text) {
    return winui::ScopedModalHook(TInputStringFm::kClassName, [text](winui::Form& form) {
      winui::SetText(static_cast<TInputStringFm&>(form).VString, text);
      SendMessageW(static_cast<TInputStringFm&>(form).Button1, BM_CLICK, 0, 0);
    });
  }
};

TEST_F(Undo, CtrlZAndCtrlYTakeBackAndRedoARegistrationAStampAndAPaste) {
  Open(40, 30, 3, 2);
  CommandClipboard clipboard;
  window_->Clipboard = &clipboard;
  winui::ScopedModalHook command(TEditCommandFm::kClassName, [](winui::Form& form) {
    auto& dialog = static_cast<TEditCommandFm&>(form);
    SendMessageW(dialog.Command, CB_SETCURSEL, 5, 0);  // 閉じる
    SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dialog.Command), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(dialog.Command));
    SendMessageW(dialog.TourokuButton, BM_CLICK, 0, 0);
  });
  const auto stamps = Stamps(L"TV");
  const auto white = Pixels();
  Click(WM_LBUTTONDOWN, 5, 5);  // cell 0 registered
  {
    storage_test::BoxRecorder boxes({false});  // saved, not published
    Press('S');
  }
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(45, 5));
  Click(WM_RBUTTONDOWN, 45, 5);  // cell 1 stamped
  const auto stamped = Pixels();
  ASSERT_NE(stamped, white);
  Press(VK_LEFT, 0);  // frames cell 1 again: the stamp's repaint took the frame
  Press(VK_LEFT, 0);
  Press('C');
  Press(VK_RIGHT, 0);
  Press(VK_RIGHT, 0);
  Press('V');  // cell 0's command pasted on cell 2
  ASSERT_EQ(Code(2), "Q   ");

  Press('Z');
  EXPECT_EQ(Code(2), "    ");
  EXPECT_TRUE(StatusSays(L"元に戻しました：ボタン3の命令"));
  Press('Z');
  EXPECT_EQ(Pixels(), white);
  EXPECT_TRUE(StatusSays(L"元に戻しました：ボタン2の文字"));
  EXPECT_FALSE(StatusSays(L"（未保存）"));  // back where it was saved
  EXPECT_EQ(winui::GetText(Window()), L"機器操作A.tbl - パネル編集");
  Press('Z');
  Press('Z');  // nothing more to undo
  EXPECT_EQ(Code(0), "    ");
  EXPECT_TRUE(window_->Modified);
  EXPECT_TRUE(StatusSays(L"元に戻しました：ボタン1の命令"));

  Press('Y');
  EXPECT_FALSE(window_->Modified);
  Press('Y');
  EXPECT_EQ(Pixels(), stamped);
  Press('Z', wintest::kControl | wintest::kShift);
  EXPECT_EQ(Code(2), "Q   ");
  EXPECT_TRUE(StatusSays(L"やり直しました：ボタン3の命令"));
  EXPECT_EQ(winui::GetText(Window()), L"機器操作A.tbl * - パネル編集");
}

TEST_F(Undo, EndingTheSessionWithUnsavedWorkAsksAndLeavesTheCopyCurrent) {
  Open(40, 30, 3, 2);
  std::vector<std::wstring> asked;
  winui::MsgAnswer answer = winui::MsgAnswer::Cancel;
  winui::ScopedMessageHandler boxes([&](HWND, const std::wstring& text, const std::wstring& caption, winui::MsgButtons buttons) {
    asked.push_back(caption + L"|" + text + (buttons == winui::MsgButtons::YesNoCancel ? L"|YesNoCancel" : L""));
    return answer;
  });
  EXPECT_EQ(SendMessageW(Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);  // nothing unsaved
  EXPECT_TRUE(asked.empty());
  const auto stamps = Stamps(L"A");
  Click(WM_RBUTTONDOWN, 5, 5);
  EXPECT_EQ(SendMessageW(Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);  // キャンセル blocks
  EXPECT_EQ(asked, std::vector<std::wstring>{L"注意|保存していない変更があります。保存しますか？\n"
                                             L"「いいえ」のときは、次に開くときに復元できます。|YesNoCancel"});
  const std::wstring manifest = winui::SjisToWide(window_->RecoveryCopyFolder()) + L"\\manifest.txt";
  EXPECT_TRUE(winui::FileExists(manifest));  // written at once, before the question
  SendMessageW(Window(), WM_ENDSESSION, FALSE, 0);
  answer = winui::MsgAnswer::No;
  EXPECT_EQ(SendMessageW(Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  window_.reset();  // the session ends: the copy stays for the next start
  EXPECT_TRUE(winui::FileExists(manifest));
}

// The figure behind "memory stays bounded", with the font the window stamps with.
TEST(UndoMemory, HundredStampsOnAFullHdPanel) {
  winui::Picture picture;
  ASSERT_TRUE(picture.Create(1920, 1080, paneledit_test::kWhite));
  EditHistory history;
  for (int i = 0; i < 100; ++i) {
    history.Record(StampText(picture, {(i % 16) * 120 + 2, (i / 16) * 90 + 2}, i, L"テレビ 音量＋" + std::to_wstring(i)));
  }
  std::printf("undo memory after 100 stamps on 1920 x 1080: %.1f KB (the picture: %.1f KB)\n",
              history.MemoryBytes() / 1024.0, 1920.0 * 1080 * 3 / 1024);
  EXPECT_LT(history.MemoryBytes(), std::size_t{10} << 20);
}

}  // namespace
