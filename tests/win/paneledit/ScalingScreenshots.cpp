// Not a test: the main window, the edit window and the command dialog at the
// display's scale (Wine's LogPixels), or the edit window and the dialog in a
// high-contrast theme, for looking at (scripts/scaling-screenshots.sh).
//   scaling_screenshots.exe <folder> <name prefix> [contrast]
#include <windows.h>

#include <uxtheme.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "ScreenShot.h"
#include "WinTestSupport.h"
#include "app/MainPanelFm.h"
#include "data/OptionMdl.h"
#include "editor/EditCommandFm.h"
#include "editor/PanelEditFm.h"
#include "table/CommandCode.h"
#include "winui/ComApartment.h"
#include "winui/Contrast.h"
#include "winui/Gdi.h"
#include "winui/MessagePump.h"
#include "winui/Picture.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

BOOL CALLBACK Unthemed(HWND child, LPARAM) {
  SetWindowTheme(child, L"", L"");
  SendMessageW(child, WM_THEMECHANGED, 0, 0);
  return TRUE;
}

bool Shoot(HWND window, const std::wstring& file, bool contrast) {
  if (contrast) {
    // Controls drawn with the theme's colours, without visual styles, as
    // Windows draws them in a high-contrast theme.
    EnumChildWindows(window, Unthemed, 0);
    SetWindowTheme(window, L"", L"");
  }
  // The common controls keep the colours they loaded with until told (the
  // forms pass it on to them).
  SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  return SaveScreenShot(window, file);
}

// A theme's colours for the run, the system's own put back afterwards.
class HighContrastTheme {
 public:
  HighContrastTheme() {
    for (size_t i = 0; i < kElements.size(); ++i) saved_[i] = GetSysColor(kElements[i]);
    const std::array<COLORREF, 8> theme{RGB(0, 0, 0),       RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255),
                                        RGB(26, 235, 255), RGB(0, 0, 0),       RGB(0, 0, 0), RGB(255, 255, 255)};
    SetSysColors(static_cast<int>(kElements.size()), kElements.data(), theme.data());
  }
  ~HighContrastTheme() { SetSysColors(static_cast<int>(kElements.size()), kElements.data(), saved_.data()); }

 private:
  static constexpr std::array<int, 8> kElements{COLOR_WINDOW,    COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT,
                                                COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_3DFACE, COLOR_GRAYTEXT};
  std::array<COLORREF, 8> saved_{};
  winui::ScopedHighContrast contrast_;
};

// A panel of 4 x 3 buttons of 90 x 60, each a coloured square with its number.
bool WritePanel(const std::string& folder, CPanelTable& table) {
  winui::Picture picture;
  if (!picture.Create(4 * 90 + 1, 3 * 60 + 1, RGB(255, 255, 255))) return false;
  {
    winui::MemoryDc dc;
    winui::ScopedSelectObject select(dc.Get(), picture.Handle());
    for (int i = 0; i < 12; ++i) {
      RECT cell{(i % 4) * 90 + 6, (i / 4) * 60 + 6, (i % 4) * 90 + 84, (i / 4) * 60 + 54};
      winui::Brush brush(CreateSolidBrush(RGB(60 + 15 * i, 120, 200 - 12 * i)));
      FillRect(dc.Get(), &cell, brush.Get());
      const std::wstring number = std::to_wstring(i + 1);
      SetBkMode(dc.Get(), TRANSPARENT);
      SetTextColor(dc.Get(), RGB(255, 255, 255));
      DrawTextW(dc.Get(), number.c_str(), -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
  }
  if (!picture.SaveToFile(folder + "\\scaling.bmp").empty()) return false;
  table.SetTablePath(folder + "\\scalingA.tbl");
  table.SetBitmapName("scaling.bmp");
  if (!table.CreateGrid(90, 60, 4, 3)) return false;
  table.Cell(4).ReplaceCode(MakeCellCode("X7 &"));
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring folder = argv[1];
  const std::wstring name = folder + L"\\" + argv[2];
  const bool contrast = argc > 3 && std::wstring(argv[3]) == L"contrast";
  const auto folderSjis = winui::WideToSjis(folder);
  if (!folderSjis) return 2;
  const winui::ComApartment com;
  winui::InitApplication();
  wintest::BoxRecorder boxes;  // without the device software the main window only warns
  std::optional<HighContrastTheme> theme;
  if (contrast) theme.emplace();

  TOptionMdl options;
  auto main = std::make_unique<winui::Owned<TMainPanelFm>>();
  MainPanelFm = main.get();
  if (!main->CreateForm()) return 1;
  main->SetDataModule(options);
  SetWindowPos(main->Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(main->Handle(), SW_SHOW);
  bool ok = Shoot(main->Handle(), name + L"-main.bmp", contrast);

  CPanelTable table;
  if (!WritePanel(*folderSjis, table)) return 1;
  winui::Owned<TPanelEditFm> edit(options);
  if (!edit.CreateForm(main->Handle()) || !edit.LoadPanel(table).empty()) return 1;
  SetCursorPos(0, 0);  // the real pointer off the panel
  ShowWindow(edit.Handle(), SW_SHOW);
  SetFocus(edit.Handle());
  SendMessageW(edit.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(100, 70));  // ボタン6
  winui::PumpUntil([] { return false; }, 300);  // the status line once the pointer rested
  ok = Shoot(edit.Handle(), name + L"-edit.bmp", contrast) && ok;

  winui::Owned<TEditCommandFm> dialog(options);
  if (!dialog.CreateForm(edit.Handle())) return 1;
  dialog.SetPanelTable(table);
  dialog.LoadCell(table.Cell(4));
  SetWindowPos(dialog.Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(dialog.Handle(), SW_SHOW);
  ok = Shoot(dialog.Handle(), name + L"-command.bmp", contrast) && ok;
  SendMessageW(dialog.Command, CB_SETCURSEL, 2, 0);  // learned codes, with rows
  SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dialog.Command), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(dialog.Command));
  for (char c : std::string("123")) dialog.GroupLearned.RemoconBaseFrame.AddRow("    1.50,  120.25," + std::string(40, c));
  ok = Shoot(dialog.Handle(), name + L"-learned.bmp", contrast) && ok;
  if (!contrast && dialog.Dpi() == 96) {  // moved to a monitor at 150 %, as Windows tells it
    RECT frame{};
    GetWindowRect(dialog.Handle(), &frame);
    frame.right = frame.left + (frame.right - frame.left) * 3 / 2;
    frame.bottom = frame.top + (frame.bottom - frame.top) * 3 / 2;
    SendMessageW(dialog.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&frame));
    ok = Shoot(dialog.Handle(), name + L"-learned-moved-to-144.bmp", contrast) && ok;
  }
  dialog.Destroy();
  edit.Destroy();
  MainPanelFm = nullptr;
  return ok ? 0 : 1;
}
