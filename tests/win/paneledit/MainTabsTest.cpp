// The main window's two tabs on a work folder of their own: the list of
// tables, the preview, opening, and the checks and files of a new panel.
// The window is not shown: showing it would start the device library.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "StorageTestSupport.h"
#include "app/DuplicatePanelFm.h"
#include "app/MainPanelFm.h"
#include "app/RestoreVersionFm.h"
#include "data/OptionMdl.h"
#include "editor/PanelEditFm.h"
#include "table/NewPanel.h"
#include "table/TableFileWriter.h"
#include "winui/Controls.h"
#include "winui/Form.h"
#include "winui/MessagePump.h"

using namespace panel;

using storage_test::BoxRecorder;
using storage_test::Exists;
using storage_test::ReadBytes;
using storage_test::TempFolder;
using storage_test::WriteText;

namespace {

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
  void SetUp() override {
    ASSERT_TRUE(main_.CreateForm({[this](HWND) { return work_.Sjis(); }, [this](HWND) { return kurovan_.Sjis(); }}));
    main_.SetDataModule(options_);
    main_.MakeExistingFilesPage();  // as the window's first paint would
  }
  // Creation points the DLL search at the device software's folder.
  void TearDown() override { SetDllDirectoryW(nullptr); }
  void Fill(const wchar_t* identifier, const wchar_t* bitmap, const wchar_t* columns, const wchar_t* rows,
            const wchar_t* width, const wchar_t* height) {
    NewPanelTab& tab = main_.NewPanel;
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
    SendMessageW(main_.NewPanel.OK_Button, BM_CLICK, 0, 0);
    return boxes.Lines();
  }

  // Clicks one of the tab's buttons with scripted answers; `onForm` fills the
  // form that button opens (TDuplicatePanelFm or TRestoreVersionFm).
  std::vector<std::wstring> Click(HWND button, std::deque<bool> answers, const wchar_t* formClass = L"",
                                  std::function<void(winui::Form&)> onForm = nullptr) {
    BoxRecorder boxes(std::move(answers));
    winui::ScopedModalHook form(formClass, std::move(onForm));
    SendMessageW(button, BM_CLICK, 0, 0);
    return boxes.Lines();
  }
  std::vector<std::wstring> Duplicate(const wchar_t* identifier, std::deque<bool> answers = {}) {
    return Click(main_.ExistingFiles.DuplicateButton, std::move(answers), TDuplicatePanelFm::kClassName,
                 [identifier](winui::Form& form) {
                   winui::SetText(GetDlgItem(form.Handle(), TDuplicatePanelFm::kIdentifier), identifier);
                   SendMessageW(GetDlgItem(form.Handle(), TDuplicatePanelFm::kOkButton), BM_CLICK, 0, 0);
                 });
  }
  std::wstring Selected() {
    const LRESULT at = SendMessageW(main_.ExistingFiles.FileListBox, LB_GETCURSEL, 0, 0);
    return at == LB_ERR ? L"" : ListedNames(main_.ExistingFiles.FileListBox)[static_cast<size_t>(at)];
  }

  TOptionMdl options_;
  TempFolder work_;
  TempFolder kurovan_;
  winui::Owned<TMainPanelFm> main_;
  int editorsOpened_ = 0;
};

TEST_F(MainTabs, ListShowsOnlyTablesOfOneIdentifierCharacter) {
  for (const wchar_t* name : {L"機器操作B.tbl", L"機器操作A.tbl", L"機器操作.tbl", L"機器操作AB.tbl", L"機器操作C.tbl",
                              L"機器操作ア.tbl", L"other.tbl"}) {
    WriteText(work_ / name, "x\r\n");
  }
  SetFileAttributesW((work_ / L"機器操作C.tbl").c_str(), FILE_ATTRIBUTE_HIDDEN);
  CreateDirectoryW((work_ / L"機器操作D.tbl").c_str(), nullptr);
  SendMessageW(main_.ExistingFiles.UpdateList, BM_CLICK, 0, 0);
  EXPECT_EQ(ListedNames(main_.ExistingFiles.FileListBox),
            (std::vector<std::wstring>{L"機器操作A.tbl", L"機器操作B.tbl", L"機器操作ア.tbl"}));

  // 機器操作ア.tbl opens itself, not the table whose identifier is its last byte.
  WriteText(work_ / L"機器操作ア.tbl", "x\r\n");
  Select(main_.ExistingFiles.FileListBox, L"機器操作ア.tbl");
  BoxRecorder boxes;
  SendMessageW(main_.ExistingFiles.OpenButton, BM_CLICK, 0, 0);
  EXPECT_EQ(boxes.Lines(), std::vector<std::wstring>{L"Error|テーブルファイルが異常です"});
  DeleteFileW((work_ / L"機器操作A.tbl").c_str());  // deleted after the list was read
  Select(main_.ExistingFiles.FileListBox, L"機器操作A.tbl");
  SendMessageW(main_.ExistingFiles.OpenButton, BM_CLICK, 0, 0);
  EXPECT_EQ(boxes.Lines().back(), L"警告|指定されたファイルがありません");
}

TEST_F(MainTabs, PreviewKeepsTheLastGoodPicture) {
  WriteBitmap(work_ / L"red.bmp", 10, 10, RGB(255, 0, 0));
  WriteText(work_ / L"機器操作A.tbl", "red.bmp\r\n1,1,1,1\r\n");
  WriteText(work_ / L"機器操作B.tbl", "missing.bmp\r\n1,1,1,1\r\n");
  // The bitmap name is cut after 99 bytes.
  WriteBitmap(work_ / (std::wstring(96, L'n') + L".bm"), 20, 20, RGB(0, 0, 255));
  WriteText(work_ / L"機器操作C.tbl", std::string(96, 'n') + ".bmp\r\n1,1,1,1\r\n");
  SendMessageW(main_.ExistingFiles.UpdateList, BM_CLICK, 0, 0);
  HWND list = main_.ExistingFiles.FileListBox;
  auto previewPixel = [&] {
    winui::Picture shot;
    shot.Create(396, 256, RGB(0, 255, 0));
    winui::MemoryDc dc;
    {
      winui::ScopedSelectObject select(dc.Get(), shot.Handle());
      SendMessageW(main_.ExistingFiles.Preview, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    }
    GdiFlush();
    return shot.PixelAt(5, 5);
  };
  Select(list, L"機器操作A.tbl");
  SendMessageW(main_.Handle(), WM_COMMAND, MAKEWPARAM(ExistingFilesTab::kFileListBox, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(previewPixel(), RGB(255, 0, 0));
  Select(list, L"機器操作B.tbl");
  SendMessageW(main_.Handle(), WM_COMMAND, MAKEWPARAM(ExistingFilesTab::kFileListBox, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(previewPixel(), RGB(255, 0, 0));
  Select(list, L"機器操作C.tbl");
  SendMessageW(main_.Handle(), WM_COMMAND, MAKEWPARAM(ExistingFilesTab::kFileListBox, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(previewPixel(), RGB(0, 0, 255));
}

TEST_F(MainTabs, PreviewShowsThePictureAnewWhenTheEditorClosesAndOnRefresh) {
  CPanelTable table;
  ASSERT_TRUE(table.CreateGrid(10, 10, 1, 1));
  table.SetBitmapName("p.bmp");
  WriteText(work_ / L"機器操作A.tbl", *FormatTableFile(table));
  WriteBitmap(work_ / L"p.bmp", 10, 10, RGB(255, 0, 0));
  SendMessageW(main_.ExistingFiles.UpdateList, BM_CLICK, 0, 0);
  HWND list = main_.ExistingFiles.FileListBox;
  Select(list, L"機器操作A.tbl");
  SendMessageW(main_.Handle(), WM_COMMAND, MAKEWPARAM(ExistingFilesTab::kFileListBox, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  auto shown = [&] { return main_.ExistingFiles.PreviewPicture().PixelAt(5, 5); };
  ASSERT_EQ(shown(), RGB(255, 0, 0));
  {
    // The picture saved while the editor is open.
    winui::ScopedModalHook editor(TPanelEditFm::kClassName, [&](winui::Form& form) {
      WriteBitmap(work_ / L"p.bmp", 10, 10, RGB(0, 0, 255));
      form.SetModalResult(winui::ModalResult::Cancel);
    });
    SendMessageW(main_.ExistingFiles.OpenButton, BM_CLICK, 0, 0);
  }
  EXPECT_EQ(shown(), RGB(0, 0, 255));
  WriteBitmap(work_ / L"p.bmp", 10, 10, RGB(0, 255, 0));
  SendMessageW(main_.ExistingFiles.UpdateList, BM_CLICK, 0, 0);
  EXPECT_EQ(shown(), RGB(0, 255, 0));
}

TEST_F(MainTabs, CreationChecksComeInOrderAndWriteNothing) {
  Fill(L"", L"", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|ファイル識別子が不正です"});
  Fill(L"-", L"", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|ファイル識別子が不正です"});
  WriteText(work_ / L"機器操作A.tbl", "x");
  Fill(L"A", L"panel", L"0", L"2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|すでにファイルがあります"});
  EXPECT_EQ(winui::GetText(main_.NewPanel.BmpFileName), L"panel");  // not yet completed
  Fill(L"B", L"panel", L"x", L"2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|ボタンサイズが不正です"});
  EXPECT_EQ(winui::GetText(main_.NewPanel.BmpFileName), L"panel.bmp");
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
  EXPECT_EQ(winui::GetText(main_.NewPanel.FileName), L"");  // cleared for the next panel
  Fill(L"A", L"", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({}), std::vector<std::wstring>{L"警告|すでにファイルがあります"});
}

TEST_F(MainTabs, TheQuestionNamesTheBitmapAndItsTablesAndAKeptOneMustFit) {
  WriteBitmap(work_ / L"kept.bmp", 121, 61, RGB(0, 255, 0));
  WriteText(work_ / L"bad.bmp", "not a picture");
  Fill(L"A", L"bad.bmp", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({false}),
            (std::vector<std::wstring>{L"注意|ビットマップファイル「bad.bmp」はすでにあります。\n"
                                       L"作業フォルダのテーブルはこのファイルを使っていません。\n\n"
                                       L"bmpファイルも新規に作り直しますか?|YesNo, No first",
                                       L"警告|ＢＭＰファイルが読めません"}));
  WriteText(work_ / L"機器操作Z.tbl", "KEPT.bmp\r\n");
  Fill(L"A", L"kept.bmp", L"3", L"2", L"40", L"30");
  EXPECT_NE(Create({true, false})[0].find(L"」はすでにあります。\n次のテーブルが使っています：\n　機器操作Z.tbl\n"), std::wstring::npos);
  DeleteFileW((work_ / L"機器操作Z.tbl").c_str());
  Fill(L"A", L"kept.bmp", L"3", L"3", L"40", L"30");
  EXPECT_EQ(Create({false}).back(), L"警告|画像のサイズと合いません");
  EXPECT_FALSE(Exists(work_ / L"機器操作A.tbl"));
  EXPECT_EQ(winui::GetText(main_.NewPanel.FileName), L"A");  // left for the user to change
  Fill(L"A", L"kept.bmp", L"3", L"2", L"40", L"30");
  EXPECT_EQ(Create({false}).back(), L"|ＢＭＰファイルはすでにあるので作りません");
  EXPECT_EQ(editorsOpened_, 1);
  winui::Picture kept;
  ASSERT_EQ(kept.LoadFromFile(work_.Sjis() + "\\kept.bmp"), L"");
  EXPECT_EQ(kept.PixelAt(1, 1), RGB(0, 255, 0));
}

TEST_F(MainTabs, AnEmptyIdentifierIsToldOnlyWhenLeftForAnotherFieldOfTheTab) {
  BoxRecorder boxes;  // showing also starts the device library, which may miss and say so
  ShowWindow(main_.Handle(), SW_SHOW);
  winui::PumpUntil([&] { return GetFocus() == main_.NewPanel.FileName; }, 5000);
  const auto atStart = static_cast<std::ptrdiff_t>(boxes.boxes.size());
  for (HWND next : {main_.ExistingFiles.FileListBox, main_.NewPanel.YokoSuu}) {  // the other tab first: no trap
    SetFocus(main_.NewPanel.FileName);
    SetFocus(next);
  }
  EXPECT_EQ(GetFocus(), main_.NewPanel.FileName);
  const std::vector<std::wstring> lines = boxes.Lines();
  EXPECT_EQ(std::vector<std::wstring>(lines.begin() + atStart, lines.end()),
            std::vector<std::wstring>{L"警告|識別子が未入力"});
}

TEST_F(MainTabs, DuplicateCopiesTableAndBitmapOrNothing) {
  const std::string table = "pic.bmp\r\n40,30,1,1\r\nGB  \r\n\r\n<ソラミトリモコンデータ>\r\n<END>\r\n";
  WriteText(work_ / L"機器操作A.tbl", table);
  WriteBitmap(work_ / L"pic.bmp", 40, 30, RGB(255, 0, 0));
  WriteText(work_ / L"機器操作C.bmp", "someone's picture");
  SendMessageW(main_.ExistingFiles.UpdateList, BM_CLICK, 0, 0);
  Select(main_.ExistingFiles.FileListBox, L"機器操作A.tbl");

  EXPECT_EQ(Duplicate(L"ア"), std::vector<std::wstring>{L"警告|ファイル識別子が不正です"});
  EXPECT_EQ(Duplicate(L"a"), std::vector<std::wstring>{L"警告|すでにファイルがあります"});
  EXPECT_EQ(Duplicate(L"C", {false}),
            std::vector<std::wstring>{L"注意|「機器操作C.bmp」はすでにあります。置き換えますか？|YesNo"});
  MoveFileW((work_ / L"pic.bmp").c_str(), (work_ / L"pic.old").c_str());
  const std::vector<std::wstring> missing = Duplicate(L"D");
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(missing[0].rfind(L"警告|ビットマップファイルを複製できませんでした。\n" + (work_ / L"pic.bmp"), 0), 0u)
      << missing[0];
  MoveFileW((work_ / L"pic.old").c_str(), (work_ / L"pic.bmp").c_str());
  EXPECT_EQ(work_.Names().size(), 3u) << "nothing made by the refusals";

  EXPECT_EQ(Duplicate(L"C", {true}).size(), 1u);
  const std::vector<std::uint8_t> copy = ReadBytes(work_ / L"機器操作C.tbl");
  EXPECT_EQ(std::string(copy.begin(), copy.end()), "機器操作C.bmp" + table.substr(7));
  EXPECT_EQ(ReadBytes(work_ / L"機器操作C.bmp"), ReadBytes(work_ / L"pic.bmp"));
  EXPECT_EQ(Selected(), L"機器操作C.tbl");
}

TEST_F(MainTabs, DeleteNamesWhatItKeepsAndNeverTouchesTheHostFolder) {
  WriteText(work_ / L"機器操作A.tbl", "shared.bmp\r\n1,1,1,1\r\nGB  \r\n");
  WriteText(work_ / L"機器操作B.tbl", "shared.bmp\r\n1,1,1,1\r\nQ   \r\n");
  WriteText(work_ / L"機器操作C.tbl", "c.bmp\r\n1,1,1,1\r\nGB  \r\n");
  WriteText(work_ / L"shared.bmp", "b");
  WriteText(work_ / L"c.bmp", "c");
  WriteText(kurovan_ / L"機器操作B.tbl", "published");
  SendMessageW(main_.ExistingFiles.UpdateList, BM_CLICK, 0, 0);
  Select(main_.ExistingFiles.FileListBox, L"機器操作B.tbl");
  const std::wstring tail = L"\n\n作業フォルダのファイルだけを削除します。\nクロヴァンに公開したパネルはそのまま残ります。|YesNo, No first";
  EXPECT_EQ(Click(main_.ExistingFiles.DeleteButton, {false}),
            std::vector<std::wstring>{L"注意|「機器操作B.tbl」を削除しますか？\nビットマップ「shared.bmp」は次のテーブルも"
                                      L"使っているので残します：\n機器操作A.tbl\n\n次のテーブルに、このパネルへ切り替える"
                                      L"ボタンがあります：\n機器操作A.tbl、機器操作C.tbl\n削除すると、そのボタンは行き先が"
                                      L"なくなります。" + tail});
  EXPECT_TRUE(Exists(work_ / L"機器操作B.tbl"));
  Click(main_.ExistingFiles.DeleteButton, {true});
  EXPECT_FALSE(Exists(work_ / L"機器操作B.tbl"));
  EXPECT_TRUE(Exists(work_ / L"shared.bmp"));
  EXPECT_EQ(kurovan_.Names(), std::vector<std::wstring>{L"機器操作B.tbl"});
  EXPECT_EQ(Selected(), L"");

  Select(main_.ExistingFiles.FileListBox, L"機器操作C.tbl");
  SetFileAttributesW((work_ / L"機器操作C.tbl").c_str(), FILE_ATTRIBUTE_READONLY);
  const std::vector<std::wstring> refused = Click(main_.ExistingFiles.DeleteButton, {true});
  ASSERT_EQ(refused.size(), 2u);
  EXPECT_EQ(refused[1].rfind(L"警告|テーブルファイルを削除できませんでした。\n" + (work_ / L"機器操作C.tbl") + L"\n", 0), 0u)
      << refused[1];
  EXPECT_TRUE(Exists(work_ / L"c.bmp"));
  SetFileAttributesW((work_ / L"機器操作C.tbl").c_str(), FILE_ATTRIBUTE_NORMAL);
  // A table another program holds open might name c.bmp too.
  HANDLE held = CreateFileW((work_ / L"機器操作A.tbl").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(Click(main_.ExistingFiles.DeleteButton, {false})[0],
            L"注意|「機器操作C.tbl」を削除しますか？\nビットマップ「c.bmp」は、読めないテーブルが使っているかもしれないので"
            L"残します：\n機器操作A.tbl" + tail);
  CloseHandle(held);
  EXPECT_EQ(Click(main_.ExistingFiles.DeleteButton, {true})[0],
            L"注意|「機器操作C.tbl」を削除しますか？\nビットマップ「c.bmp」も削除します。" + tail);
  EXPECT_FALSE(Exists(work_ / L"c.bmp"));
  EXPECT_EQ(work_.Names().size(), 2u);
}

TEST_F(MainTabs, RestorePutsTheChosenVersionBack) {
  EXPECT_EQ(Click(main_.ExistingFiles.RestoreButton, {}),
            std::vector<std::wstring>{L"|戻せる版はまだありません。\nクロヴァンに公開し直すと、それまで公開していた版がここから戻せるようになります。"});
  for (const wchar_t* entry : {L"20001208-101500", L"20001209-093000"}) {
    CreateDirectoryW((work_ / L"公開履歴").c_str(), nullptr);
    CreateDirectoryW((work_ / (L"公開履歴\\" + std::wstring(entry))).c_str(), nullptr);
    WriteText(work_ / (L"公開履歴\\" + std::wstring(entry) + L"\\機器操作A.tbl"), "a.bmp\r\n" + *winui::WideToSjis(entry));
    WriteText(work_ / (L"公開履歴\\" + std::wstring(entry) + L"\\a.bmp"), *winui::WideToSjis(entry));
  }
  WriteText(kurovan_ / L"機器操作A.tbl", "a.bmp\r\ncurrent");
  WriteText(kurovan_ / L"a.bmp", "current");
  std::vector<std::wstring> lines;
  const std::vector<std::wstring> boxes =
      Click(main_.ExistingFiles.RestoreButton, {true}, TRestoreVersionFm::kClassName, [&](winui::Form& form) {
        lines = ListedNames(GetDlgItem(form.Handle(), TRestoreVersionFm::kVersionList));
        SendMessageW(GetDlgItem(form.Handle(), TRestoreVersionFm::kVersionList), LB_SETCURSEL, 1, 0);
        SendMessageW(GetDlgItem(form.Handle(), TRestoreVersionFm::kRestoreButton), BM_CLICK, 0, 0);
      });
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"2000/12/09 09:30:00 まで公開していた版：機器操作A.tbl、a.bmp",
                                              L"2000/12/08 10:15:00 まで公開していた版：機器操作A.tbl、a.bmp"}));
  EXPECT_EQ(boxes, (std::vector<std::wstring>{L"注意|次の版をクロヴァンに戻しますか？\n2000/12/08 10:15:00 まで公開して"
                                              L"いた版：\n機器操作A.tbl\na.bmp\n\n同じ名前のファイルと置き換えます。\n今の版は公開履歴に残ります。|YesNo",
                                              L"|クロヴァンに戻しました。"}));
  const std::vector<std::uint8_t> restored = ReadBytes(kurovan_ / L"機器操作A.tbl");
  EXPECT_EQ(std::string(restored.begin(), restored.end()), "a.bmp\r\n20001208-101500");
  // The version it replaced is kept, newest.
  const std::vector<std::string> entries = PublishHistoryEntries(nullptr, {[this](HWND) { return work_.Sjis(); }, {}});
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(ReadBytes(work_ / (L"公開履歴\\" + winui::SjisToWide(entries[0]) + L"\\a.bmp")).size(), 7u);
}

}  // namespace
