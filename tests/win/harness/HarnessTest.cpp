// Proves the Wine set-up itself: a Japanese code page and a working window station.
#include <windows.h>

#include <gtest/gtest.h>

#include "winui/MessageBox.h"
#include "winui/TextConv.h"

TEST(Harness, ShiftJisRoundTripsThroughCodePage932) {
  const std::string sjis = "機器操作パネル";  // narrow literals are Shift-JIS
  ASSERT_EQ(sjis.size(), 14u);
  EXPECT_EQ(static_cast<unsigned char>(sjis[0]), 0x8B);
  EXPECT_EQ(winui::SjisToWide(sjis), L"機器操作パネル");
  EXPECT_EQ(winui::WideToSjis(L"機器操作パネル"), sjis);
  // ソ has 0x5C as its trail byte; it must survive as one character.
  EXPECT_EQ(winui::SjisToWide("ソ"), L"ソ");
  // A character outside code page 932 is refused, not turned into '?'.
  EXPECT_FALSE(winui::WideToSjis(L"\u00e9\u4e02").has_value());
}

TEST(Harness, SystemRunsAsJapaneseWindows) { EXPECT_EQ(GetACP(), 932u); }

TEST(Harness, WindowIsCreatedAndDestroyed) {
  HWND w = CreateWindowExW(0, L"STATIC", L"機器操作パネル", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  wchar_t text[32] = {};
  GetWindowTextW(w, text, 32);
  EXPECT_STREQ(text, L"機器操作パネル");
  EXPECT_TRUE(DestroyWindow(w));
  EXPECT_FALSE(IsWindow(w));
}

TEST(Harness, MessageBoxesAreScriptedInTests) {
  std::wstring seen;
  winui::ScopedMessageHandler script([&](HWND, const std::wstring& text, const std::wstring& caption,
                                         winui::MsgButtons) {
    seen = caption + L":" + text;
    return winui::MsgAnswer::Yes;
  });
  EXPECT_TRUE(winui::AskYesNo(nullptr, L"続けますか？"));
  EXPECT_EQ(seen, L"注意:続けますか？");
}
