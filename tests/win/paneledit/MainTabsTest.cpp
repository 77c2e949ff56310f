// The main window's two tabs on a work folder of their own: the list of
// tables, the preview, opening, and the checks and files of a new panel.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "StorageTestSupport.h"
#include "app/ExistingFilesTab.h"
#include "app/NewPanelTab.h"
#include "editor/PanelEditFm.h"
#include "table/NewPanel.h"
#include "winui/Controls.h"
#include "winui/Form.h"

using storage_test::BoxRecorder;
using storage_test::Exists;
using storage_test::ReadBytes;
using storage_test::TempFolder;
using storage_test::WriteText;

namespace {

// Both tabs on one window, as the main window routes them.
class TabHost : public winui::Form {
 public:
  explicit TabHost(std::string workFolder) : workFolder_(std::move(workFolder)) {
    winui::FormSpec spec;
    spec.className = L"TabHostForTests";
    spec.clientWidth = 560;
    spec.clientHeight = 640;
    Create(spec);
  }
  NewPanelTab newPanel;
  ExistingFilesTab existing;

 protected:
  void OnCreate() override {
    newPanel.Create(winui::CreatePanel(Handle(), {0, 0, 560, 320}), FontHandle(), Handle(), workFolder_);
    existing.Create(winui::CreatePanel(Handle(), {0, 320, 560, 320}), FontHandle(), Handle(), workFolder_);
  }
  void OnCommand(int id, int code, HWND) override { newPanel.OnCommand(id, code) || existing.OnCommand(id, code); }

 private:
  std::string workFolder_;
};

std::vector<std::wstring> ListedNames(HWND list) {
  std::vector<std::wstring> names;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t name[MAX_PATH] = {};
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
    names.push_back(name);
  }
  return names;
}

void Select(HWND list, const std::wstring& name) {
  SendMessageW(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
}

void WriteBitmap(const std::wstring& path, int width, int height, COLORREF colour) {
  winui::Picture picture;
  ASSERT_TRUE(picture.Create(width, height, colour));
  ASSERT_EQ(picture.SaveToFile(*winui::WideToSjis(path)), L"");
}

class MainTabs : public ::testing::Test {
 protected:
  void Fill(const wchar_t* identifier, const wchar_t* bitmap, const wchar_t* columns, const wchar_t* rows,
            const wchar_t* width, const wchar_t* height) {
    NewPanelTab& tab = host_.newPanel;
    winui::SetText(tab.FileName, identifier);
    winui::SetText(tab.BmpFileName, bitmap);
    winui::SetText(tab.YokoSuu, columns);
    winui::SetText(tab.TateSuu, rows);
    winui::SetText(tab.ButtonWidth, width);
    winui::SetText(tab.ButtonHeight, height);
  }
  // Clicks 作成 with scripted answers; the edit window, when it opens, is closed at once.
  std::vector<std::wstring> Create(std::deque<bool> answers) {
    BoxRecorder boxes(std::move(answers));
    winui::ScopedModalHook editor(TPanelEditFm::kClassName, [&](winui::Form& form) {
      ++editorsOpened_;
      form.SetModalResult(winui::ModalResult::Cancel);
    });
    SendMessageW(host_.newPanel.OK_Button, BM_CLICK, 0, 0);
    return boxes.Lines();
  }

  TempFolder work_;
  TabHost host_{work_.Sjis()};
  int editorsOpened_ = 0;
};

TEST_F(MainTabs, ListShowsOnlyTablesOfOneIdentifierCharacter) {
  for (const wchar_t* name : {L"機器操作B.tbl", L"機器操作A.tbl", L"機器操作.tbl", L"機器操作AB.tbl", L"機器操作C.tbl",
                              L"機器操作ア.tbl", L"other.tbl"}) {
    WriteText(work_ / name, "x\r\n");
  }
  SetFileAttributesW((work_ / L"機器操作C.tbl").c_str(), FILE_ATTRIBUTE_HIDDEN);
  CreateDirectoryW((work_ / L"機器操作D.tbl").c_str(), nullptr);
  SendMessageW(host_.existing.UpdateList, BM_CLICK, 0, 0);
  EXPECT_EQ(ListedNames(host_.existing.FileListBox),
            (std::vector<std::wstring>{L"機器操作A.tbl", L"機器操作B.tbl", L"機器操作ア.tbl"}));

  // 機器操作ア.tbl opens itself, not the table whose identifier is its last byte.
  WriteText(work_ / L"機器操作ア.tbl", "x\r\n");
  Select(host_.existing.FileListBox, L"機器操作ア.tbl");
  BoxRecorder boxes;
  SendMessageW(host_.existing.OpenButton, BM_CLICK, 0, 0);
  EXPECT_EQ(boxes.Lines(), std::vector<std::wstring>{L"Error|テーブルファイルが異常です"});
  DeleteFileW((work_ / L"機器操作A.tbl").c_str());  // deleted after the list was read
  Select(host_.existing.FileListBox, L"機器操作A.tbl");
  SendMessageW(host_.existing.OpenButton, BM_CLICK, 0, 0);
  EXPECT_EQ(boxes.Lines().back(), L"警告|指定されたファイルがありません");
}

TEST_F(MainTabs, PreviewKeepsTheLastGoodPicture) {
  WriteBitmap(work_ / L"red.bmp", 10, 10, RGB(255, 0, 0));
  WriteText(work_ / L"機器操作A.tbl", "red.bmp\r\n1,1,1,1\r\n");
  WriteText(work_ / L"機器操作B.tbl", "missing.bmp\r\n1,1,1,1\r\n");
  // The bitmap name is cut after 99 bytes.
  WriteBitmap(work_ / (std::wstring(96, L'n') + L".bm"), 20, 20, RGB(0, 0, 255));
  WriteText(work_ / L"機器操作C.tbl", std::string(96, 'n') + ".bmp\r\n1,1,1,1\r\n");
  SendMessageW(host_.existing.UpdateList, BM_CLICK, 0, 0);
  HWND list = host_.existing.FileListBox;
  auto previewPixel = [&] {
    winui::Picture shot;
    shot.Create(396, 256, RGB(0, 255, 0));
    winui::MemoryDc dc;
    {
      winui::ScopedSelectObject select(dc.Get(), shot.Handle());
      SendMessageW(host_.existing.Preview, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    }
    GdiFlush();
    return shot.PixelAt(5, 5);
  };
  Select(list, L"機器操作A.tbl");
  SendMessageW(host_.Handle(), WM_COMMAND, MAKEWPARAM(ExistingFilesTab::kFileListBox, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(previewPixel(), RGB(255, 0, 0));
  Select(list, L"機器操作B.tbl");
  SendMessageW(host_.Handle(), WM_COMMAND, MAKEWPARAM(ExistingFilesTab::kFileListBox, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(previewPixel(), RGB(255, 0, 0));
  Select(list, L"機器操作C.tbl");
  SendMessageW(host_.Handle(), WM_COMMAND, MAKEWPARAM(ExistingFilesTab::kFileListBox, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(previewPixel(), RGB(0, 0, 255));
}

TEST_F(MainTabs, CreationChecksComeInOrderAndWriteNothing) {
  Fill(L"", L"", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|ファイル識別子が不正です"});
  Fill(L"-", L"", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|ファイル識別子が不正です"});
  WriteText(work_ / L"機器操作A.tbl", "x");
  Fill(L"A", L"panel", L"0", L"2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|すでにファイルがあります"});
  EXPECT_EQ(winui::GetText(host_.newPanel.BmpFileName), L"panel");  // not yet completed
  Fill(L"B", L"panel", L"x", L"2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|ボタンサイズが不正です"});
  EXPECT_EQ(winui::GetText(host_.newPanel.BmpFileName), L"panel.bmp");
  Fill(L"B", L"panel", L"3", L"-2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|ボタンサイズが不正です"});
  Fill(L"B", L"panel", L"25", L"2", L"40", L"30");
  EXPECT_EQ(Create({}).size(), 1u);
  Fill(L"B", L"panel", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({false}),  // the final question: No
            (std::vector<std::wstring>{L"注意|これで作成しても良いですか?|YesNo"}));
  EXPECT_EQ(work_.Names(), std::vector<std::wstring>{L"機器操作A.tbl"});
  EXPECT_EQ(editorsOpened_, 0);
}

TEST_F(MainTabs, WorkedExampleWritesTheGridAndTheInitialTableThenOpensIt) {
  Fill(L"A", L"", L" 3x", L"2", L"40", L"30");
  EXPECT_EQ(Create({true}), (std::vector<std::wstring>{L"注意|これで作成しても良いですか?|YesNo"}));
  EXPECT_EQ(editorsOpened_, 1);
  const std::vector<std::uint8_t> table = ReadBytes(work_ / L"機器操作A.tbl");
  EXPECT_EQ(std::string(table.begin(), table.end()), InitialTableFile(".bmp", 40, 30, 3, 2));
  winui::Picture grid;
  ASSERT_EQ(grid.LoadFromFile(work_.Sjis() + "\\.bmp"), L"");
  EXPECT_EQ(grid.Width(), 120);
  EXPECT_EQ(grid.Height(), 60);
  for (auto [x, y] : {std::pair{0, 0}, {39, 5}, {40, 5}, {119, 59}, {5, 29}, {5, 30}}) {
    EXPECT_EQ(grid.PixelAt(x, y), RGB(0, 0, 0)) << x << "," << y;
  }
  EXPECT_EQ(grid.PixelAt(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(winui::GetText(host_.newPanel.FileName), L"");  // cleared for the next panel
  Fill(L"A", L"", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|すでにファイルがあります"});
}

TEST_F(MainTabs, AKeptBitmapMustFitTheGrid) {
  WriteBitmap(work_ / L"kept.bmp", 121, 61, RGB(0, 255, 0));
  WriteText(work_ / L"bad.bmp", "not a picture");
  Fill(L"A", L"bad.bmp", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({false}),
            (std::vector<std::wstring>{L"注意|bmpファイルも新規に作り直しますか?|YesNo", L"警告|ＢＭＰファイルが読めません"}));
  Fill(L"A", L"kept.bmp", L"3", L"3", L"40", L"30");
  EXPECT_EQ(Create({false}).back(), L"警告|画像のサイズと合いません");
  EXPECT_FALSE(Exists(work_ / L"機器操作A.tbl"));
  EXPECT_EQ(winui::GetText(host_.newPanel.FileName), L"A");  // left for the user to change
  Fill(L"A", L"kept.bmp", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({false}).back(), L"|ＢＭＰファイルはすでにあるので作りません");
  EXPECT_EQ(editorsOpened_, 1);
  winui::Picture kept;
  ASSERT_EQ(kept.LoadFromFile(work_.Sjis() + "\\kept.bmp"), L"");
  EXPECT_EQ(kept.PixelAt(1, 1), RGB(0, 255, 0));
}

}  // namespace
