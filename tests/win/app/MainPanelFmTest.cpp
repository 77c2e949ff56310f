// The main window driven by messages: layout, the relay port setting, the
// settings lock, the device library around the window's life, and start-up.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "RegistrySandbox.h"
#include "WinTestSupport.h"
#include "data/DataFolders.h"
#include "data/DllSearchPath.h"
#include "app/MainPanelFm.h"
#include "data/OptionMdl.h"
#include "app/Startup.h"
#include "LayoutDump.h"
#include "winui/Controls.h"
#include "winui/MessagePump.h"

using wintest::ScopedEnv;
using wintest::SimLibrary;

namespace {

constexpr wchar_t kUnlockCaption[] = L"設定変更　SHIFTを押しながら";
constexpr wchar_t kLockCaption[] = L"設定ロック";
constexpr wchar_t kInstallBox[] = L"警告|ソラミトのインストールエラーです。";
constexpr wchar_t kInitBox[] = L"警告|ソラミトの初期化エラーです。";

void SetShift(bool down) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_SHIFT] = state[VK_LSHIFT] = down ? 0x80 : 0;
  SetKeyboardState(state);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetShift(false);
    options_ = std::make_unique<TOptionMdl>();
  }

  void TearDown() override {
    SetShift(false);
    form_.reset();
    MainPanelFm = nullptr;
    options_.reset();
  }

  // Creates the window, puts the library variant in place and shows the window.
  void Open(const std::wstring& variant) {
    sim_ = std::make_unique<SimLibrary>(variant);
    ASSERT_TRUE(sim_->Ready());
    form_ = std::make_unique<winui::Owned<TMainPanelFm>>();
    MainPanelFm = form_.get();
    ASSERT_TRUE(form_->CreateForm());
    form_->SetDataModule(*options_);
    wchar_t folder[MAX_PATH] = {};
    GetDllDirectoryW(MAX_PATH, folder);
    dllDirectoryAfterCreate_ = folder;
    sim_->Activate();  // creation pointed the search path at the installation folder
    ShowWindow(form_->Handle(), SW_SHOW);
  }

  void Type(wchar_t key) { SendMessageW(form_->RelayPortEd, WM_CHAR, key, 1); }
  void Click(HWND button, bool shift) {
    SetShift(shift);
    SendMessageW(button, BM_CLICK, 0, 0);
    SetShift(false);
  }
  void Unlock() {
    Click(form_->Button1, true);
    ASSERT_TRUE(IsWindowEnabled(form_->OptionGroup));
  }
  std::wstring Field() const { return winui::GetText(form_->RelayPortEd); }
  void CloseByExitButton() {
    HWND window = form_->Handle();
    SendMessageW(form_->CancelButton, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(window));
  }
  std::wstring StoredSetting() const {
    const auto stored = RegistrySandbox::Value();
    if (!stored) return L"(missing)";
    return stored->type == REG_SZ ? stored->text : L"(not a string)";
  }

  RegistrySandbox registry_;
  wintest::BoxRecorder boxes_;
  std::unique_ptr<SimLibrary> sim_;
  std::unique_ptr<TOptionMdl> options_;
  std::unique_ptr<TMainPanelFm> form_;
  std::wstring dllDirectoryAfterCreate_;
};

TEST_F(MainWindowTest, CreationMakesTheWorkFolderButNotTheHostFolder) {
  const std::wstring documents = ShellDocumentsFolder(nullptr).value_or(L"");
  ASSERT_FALSE(documents.empty());
  auto exists = [](const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; };
  const std::wstring work = documents + L"\\クロヴァンパネル作業";
  const std::wstring hostParent = documents + L"\\Kurovan";
  RemoveDirectoryW(work.c_str());  // succeeds only when empty, so nothing is lost
  const bool hostParentExisted = exists(hostParent);

  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr"));
  const DWORD attributes = GetFileAttributesW(work.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(exists(hostParent), hostParentExisted);
  EXPECT_TRUE(boxes_.Lines().empty());
}

TEST_F(MainWindowTest, PlacesEveryControlWithItsCaptionFontAndTabOrder) {
  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr"));
  HWND form = form_->Handle();
  EXPECT_EQ(winui::GetText(form), L"機器操作パネル");
  RECT client{}, frame{};
  GetClientRect(form, &client);
  GetWindowRect(form, &frame);
  EXPECT_EQ(client.right, 598);
  EXPECT_EQ(client.bottom, 467);
  EXPECT_EQ(frame.left, 0);
  EXPECT_EQ(frame.top, 0);

  // The controls in tab order; the tab pages' own fields are the tabs' tests'.
  EXPECT_EQ(wintest::LayoutDump(form, 2),
      L"Button 376,368 129x25 11 \"終了\"\n"
      L"SysTabControl32 32,8 558x337 11 \"\"\n"
      L"  WinUiPanel 4,21 550x312 0 \"\"\n"
      L"  WinUiPanel 4,21 550x312 0 \"\"\n"
      L"Button 36,351 261x78 11 \"設定\"\n"
      L"  Static 11,21 11 \"ヤマセロリレーポート\"\n"
      L"  Edit 136,8 25x31 19 \"1\"\n"
      L"Button 47,434 161x25 11 \"設定変更　SHIFTを押しながら\"\n"
      L"Button 320,434 58x25 11 \"テスト\"\n"
      L"Button 384,434 121x25 11 \"パネル一覧(&L)...\"\n");
  EXPECT_STREQ(wintest::FontOf(form_->CancelButton).lfFaceName, L"Tahoma");
  EXPECT_STREQ(wintest::FontOf(form_->RelayPortEd).lfFaceName, L"Tahoma");

  // Tabs: the first active, each with a page of its own.
  ASSERT_EQ(TabCtrl_GetItemCount(form_->PageControl1), 2);
  wchar_t tabText[32] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = tabText;
  item.cchTextMax = 32;
  SendMessageW(form_->PageControl1, TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(tabText, L"新規作成");
  SendMessageW(form_->PageControl1, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(tabText, L"既存ファイル");
  EXPECT_EQ(TabCtrl_GetCurSel(form_->PageControl1), 0);
  EXPECT_TRUE(IsWindowVisible(form_->TabSheet1));
  EXPECT_FALSE(IsWindowVisible(form_->TabSheet2));

  // Locked at start; the field takes one character, without the input method.
  EXPECT_FALSE(IsWindowEnabled(form_->OptionGroup));
  EXPECT_EQ(SendMessageW(form_->RelayPortEd, EM_GETLIMITTEXT, 0, 0), 1);

  // Tab moves through them in that order, passing through the shown page's fields only.
  const auto walkFromPage = [&] {
    std::vector<HWND> visited;
    HWND focus = form_->PageControl1;
    while ((focus = winui::NextTabStop(form, focus, false)) && IsChild(form_->TabSheet1, focus)) {
      EXPECT_LT(visited.size(), 20u);
      if (visited.size() >= 20) break;
      visited.push_back(focus);
    }
    visited.push_back(focus);
    return visited;
  };
  EXPECT_EQ(winui::NextTabStop(form, form_->CancelButton, false), form_->PageControl1);
  const std::vector<HWND> locked = walkFromPage();
  ASSERT_GE(locked.size(), 2u);
  EXPECT_EQ(locked.back(), form_->Button1);
  EXPECT_EQ(winui::NextTabStop(form, form_->Button1, false), form_->TestRimocon);
  EXPECT_EQ(winui::NextTabStop(form, form_->TestRimocon, false), form_->PanelSetButton);
  EXPECT_EQ(winui::NextTabStop(form, form_->PanelSetButton, false), form_->CancelButton);
  Click(form_->Button1, true);  // the unlocked group's field joins the order
  EXPECT_EQ(walkFromPage().back(), form_->RelayPortEd);
  Click(form_->Button1, false);
  EXPECT_TRUE(std::find(locked.begin(), locked.end(), form_->NewPanel.BmpFileName) == locked.end());
  winui::SetText(form_->NewPanel.FileName, L"A");
  SetFocus(form_->NewPanel.FileName);
  wintest::PressKey(form, 'B', wintest::kAlt);  // the bitmap field, no tab stop, by its key
  EXPECT_EQ(GetFocus(), form_->NewPanel.BmpFileName);

  EXPECT_EQ(dllDirectoryAfterCreate_, dll_search::kDeviceSoftwareFolder);
  CloseByExitButton();
}

TEST(DllSearchPath, RecognisesXpAndLater) {
  EXPECT_FALSE(dll_search::IsXpOrLater(4, 10));
  EXPECT_FALSE(dll_search::IsXpOrLater(5, 0));
  EXPECT_TRUE(dll_search::IsXpOrLater(5, 1));
  EXPECT_TRUE(dll_search::IsXpOrLater(5, 2));
  EXPECT_TRUE(dll_search::IsXpOrLater(6, 0));
  EXPECT_TRUE(dll_search::IsXpOrLater(10, 0));
}

TEST_F(MainWindowTest, FirstStartShowsOneAndStoresIt) {
  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr"));
  EXPECT_EQ(Field(), L"1");
  EXPECT_EQ(options_->RelayPort, 1);
  EXPECT_FALSE(RegistrySandbox::KeyExists(kEnv));  // reading never creates "Env"
  EXPECT_TRUE(RegistrySandbox::KeyExists(kZentorik));
  CloseByExitButton();
  EXPECT_EQ(StoredSetting(), L"1");
  EXPECT_TRUE(boxes_.Lines().empty());
}

TEST_F(MainWindowTest, StoredTwelveIsShownAndKept) {
  RegistrySandbox::SetString(L"12");
  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr"));
  EXPECT_EQ(Field(), L"12");
  EXPECT_EQ(options_->RelayPort, 12);
  CloseByExitButton();
  EXPECT_EQ(StoredSetting(), L"12");
}

TEST_F(MainWindowTest, UnreadableValuesStartAtOne) {
  RegistrySandbox::SetString(L"abc");
  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr"));
  EXPECT_EQ(Field(), L"1");
  SendMessageW(form_->Handle(), WM_CLOSE, 0, 0);  // the title bar's close button
  EXPECT_EQ(StoredSetting(), L"1");
}

TEST_F(MainWindowTest, OnlyDigitsOneToNineChangeTheSetting) {
  RegistrySandbox::SetString(L"4");
  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr"));
  Unlock();
  for (wchar_t key : {L'0', L'a', L'\b', L' ', L'\u3042', L'\r'}) {
    Type(key);
    EXPECT_EQ(Field(), L"4") << static_cast<int>(key);
    EXPECT_EQ(options_->RelayPort, 4);
  }
  Type(L'7');
  EXPECT_EQ(Field(), L"7");
  EXPECT_EQ(options_->RelayPort, 7);
  Type(L'3');
  EXPECT_EQ(Field(), L"3");
  EXPECT_EQ(options_->RelayPort, 3);
  CloseByExitButton();
  EXPECT_EQ(StoredSetting(), L"3");
}

TEST_F(MainWindowTest, DeleteAndPasteChangeTheTextButNotTheSetting) {
  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr"));
  Unlock();
  Type(L'5');
  SendMessageW(form_->RelayPortEd, EM_SETSEL, 0, 0);
  SendMessageW(form_->RelayPortEd, WM_KEYDOWN, VK_DELETE, 1);
  SendMessageW(form_->RelayPortEd, WM_KEYUP, VK_DELETE, 1);
  EXPECT_EQ(Field(), L"");
  EXPECT_EQ(options_->RelayPort, 5);

  ASSERT_TRUE(OpenClipboard(form_->Handle()));
  EmptyClipboard();
  HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 2 * sizeof(wchar_t));
  auto* chars = static_cast<wchar_t*>(GlobalLock(text));
  chars[0] = L'8';
  chars[1] = 0;
  GlobalUnlock(text);
  SetClipboardData(CF_UNICODETEXT, text);
  CloseClipboard();
  SendMessageW(form_->RelayPortEd, WM_PASTE, 0, 0);
  EXPECT_EQ(Field(), L"8");
  EXPECT_EQ(options_->RelayPort, 5);

  CloseByExitButton();
  EXPECT_EQ(StoredSetting(), L"5");
}

TEST_F(MainWindowTest, SettingsUnlockOnlyWithShift) {
  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr"));
  Click(form_->Button1, false);
  EXPECT_FALSE(IsWindowEnabled(form_->OptionGroup));
  EXPECT_EQ(winui::GetText(form_->Button1), kUnlockCaption);

  Click(form_->Button1, true);
  EXPECT_TRUE(IsWindowEnabled(form_->OptionGroup));
  EXPECT_EQ(winui::GetText(form_->Button1), kLockCaption);
  EXPECT_EQ(GetFocus(), form_->RelayPortEd);

  Click(form_->Button1, true);  // unlocked: any click locks
  EXPECT_FALSE(IsWindowEnabled(form_->OptionGroup));
  EXPECT_EQ(winui::GetText(form_->Button1), kUnlockCaption);

  Click(form_->Button1, true);
  Click(form_->Button1, false);
  EXPECT_FALSE(IsWindowEnabled(form_->OptionGroup));
  EXPECT_EQ(winui::GetText(form_->Button1), kUnlockCaption);

  Click(form_->TestRimocon, false);  // no action
  EXPECT_TRUE(IsWindow(form_->Handle()));
  EXPECT_TRUE(boxes_.Lines().empty());
  CloseByExitButton();
}

TEST_F(MainWindowTest, WithoutTheLibraryWarnsAndStaysUsable) {
  ASSERT_NO_FATAL_FAILURE(Open(L""));
  EXPECT_EQ(boxes_.Lines(), std::vector<std::wstring>{kInstallBox});
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_EQ(Field(), L"1");
  Unlock();
  Type(L'2');
  CloseByExitButton();
  EXPECT_EQ(StoredSetting(), L"2");
  EXPECT_EQ(boxes_.Lines().size(), 1u);
}

TEST_F(MainWindowTest, LibraryWithoutInitialisationWarns) {
  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr_noinit"));
  EXPECT_EQ(boxes_.Lines(), std::vector<std::wstring>{kInitBox});
  CloseByExitButton();
  EXPECT_EQ(sim_->CallNames(), L"USBIrEnd");
  EXPECT_EQ(GetModuleHandleW(L"USBIr.dll"), nullptr);
}

TEST_F(MainWindowTest, FailingInitialisationWarns) {
  ScopedEnv failing(L"USBIRSIM_INIT_RESULT", L"3");
  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr"));
  EXPECT_EQ(boxes_.Lines(), std::vector<std::wstring>{kInitBox});
  CloseByExitButton();
}

TEST_F(MainWindowTest, TheLibraryLivesWhileTheWindowIsOpen) {
  ASSERT_NO_FATAL_FAILURE(Open(L"USBIr"));
  EXPECT_TRUE(boxes_.Lines().empty());
  EXPECT_NE(GetModuleHandleW(L"USBIr.dll"), nullptr);
  EXPECT_EQ(sim_->CallNames(), L"USBIrInit");
  CloseByExitButton();
  EXPECT_EQ(sim_->CallNames(), L"USBIrInit USBIrEnd");
  EXPECT_EQ(GetModuleHandleW(L"USBIr.dll"), nullptr);
}

bool sawModuleWhileShown = false;

void CALLBACK CloseMainWindowOnceShown(HWND, UINT, UINT_PTR, DWORD) {
  if (MainPanelFm && IsWindowVisible(MainPanelFm->Handle())) {
    sawModuleWhileShown = OptionMdl != nullptr;
    PostMessageW(MainPanelFm->Handle(), WM_CLOSE, 0, 0);
  }
}

// The whole start-up: the window appears, is closed, the loop ends, the
// setting is stored and the globals are gone.
TEST(Startup, RunsUntilTheMainWindowCloses) {
  RegistrySandbox registry;
  wintest::BoxRecorder boxes;
  sawModuleWhileShown = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseMainWindowOnceShown);
  ASSERT_NE(timer, 0u);
  const int exitCode = RunApplication(SW_SHOW);
  KillTimer(nullptr, timer);
  EXPECT_EQ(exitCode, 0);
  EXPECT_TRUE(sawModuleWhileShown);
  EXPECT_EQ(MainPanelFm, nullptr);
  EXPECT_EQ(OptionMdl, nullptr);
  EXPECT_EQ(RegistrySandbox::Value().value_or(RegistrySandbox::Stored{0, L""}).text, L"1");
  // The library comes from the installation folder when it is there.
  const std::wstring installed = std::wstring(dll_search::kDeviceSoftwareFolder) + L"USBIr.dll";
  if (GetFileAttributesW(installed.c_str()) == INVALID_FILE_ATTRIBUTES) {
    EXPECT_EQ(boxes.Lines(), std::vector<std::wstring>{kInstallBox});
  } else {
    EXPECT_TRUE(boxes.Lines().empty());
  }
  SetDllDirectoryW(nullptr);
}

}  // namespace
