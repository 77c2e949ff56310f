// Opening a panel against a floor: a minimal program that reads the same table
// file (ReadFile and a plain line split), loads the same picture with the
// platform's loader and blits it to a window. Both are timed from the start of
// the open to the end of the first paint of the picture; ours is the code the
// 開く button runs, up to the edit window's first paint. Two panels: a
// 1920 x 1040 one with 160 learned codes, and the largest table the format
// allows. Prints medians of alternating runs; run under Wine:
// wine build/<bench build>/bench/open_floor_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "LargestTable.h"
#include "Timing.h"
#include "app/OpenTable.h"
#include "data/OptionMdl.h"
#include "data/PanelFiles.h"
#include "editor/PanelEditFm.h"
#include "table/TableFileReader.h"
#include "winui/Form.h"
#include "winui/MessagePump.h"
#include "winui/Picture.h"

using namespace panel;

namespace {

constexpr int kRuns = 15;

// Lets the screen catch up between runs, so no run pays for the last one's drawing.
void Settle() {
  winui::PumpUntil([] { return false; }, 50);
}

// ---- the floor ----

LRESULT CALLBACK FloorProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    auto bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA));
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

// Milliseconds of the floor's parts: reading and splitting the table, loading
// the picture, the window to its first paint.
struct FloorParts {
  double read = 0, load = 0, show = 0;
};

// What a program that merely shows a panel must do; returns the milliseconds.
double FloorOpen(const std::string& tablePath, const std::string& folder, FloorParts& parts) {
  const double start = Now();
  HANDLE file = CreateFileA(tablePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  const DWORD size = GetFileSize(file, nullptr);
  std::string bytes(size, '\0');
  DWORD got = 0;
  ReadFile(file, bytes.data(), size, &got, nullptr);
  CloseHandle(file);
  std::vector<std::string_view> lines;
  size_t begin = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      lines.emplace_back(bytes.data() + begin, i - begin);
      begin = i + 1;
    }
  }
  std::string name(lines.at(0));
  if (!name.empty() && name.back() == '\r') name.pop_back();
  const std::string picturePath = folder + "\\" + name;
  const double read = Now();
  auto bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, picturePath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  BITMAP info{};
  GetObjectW(bitmap, sizeof(info), &info);
  const double loaded = Now();
  // A picture larger than the screen's work area needs scroll bars to be
  // seen whole, in any program; under Wine drawing them is a large part of
  // showing the window, so the floor has them where ours has them.
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  DWORD style = WS_OVERLAPPEDWINDOW;
  RECT frame{0, 0, info.bmWidth, info.bmHeight};
  AdjustWindowRect(&frame, style, FALSE);
  if (frame.right - frame.left > work.right - work.left) style |= WS_HSCROLL;
  if (frame.bottom - frame.top > work.bottom - work.top) style |= WS_VSCROLL;
  frame = {0, 0, info.bmWidth, info.bmHeight};
  AdjustWindowRect(&frame, style, FALSE);
  const int width = std::min<int>(frame.right - frame.left, work.right - work.left);
  const int height = std::min<int>(frame.bottom - frame.top, work.bottom - work.top);
  HWND window = CreateWindowExW(0, L"FloorPanel", L"floor", style, work.left, work.top, width, height, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap));
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  GdiFlush();
  const double end = Now();
  parts = {read - start, loaded - read, end - loaded};
  DestroyWindow(window);
  DeleteObject(bitmap);
  return end - start;
}

// ---- ours ----

// From the call the 開く button makes to the end of the edit window's first
// paint, which ShowModal has done by the time its hook runs.
double OurOpen(HWND owner, TOptionMdl& options, const std::string& tablePath) {
  double painted = 0;
  winui::ScopedModalHook hook(TPanelEditFm::kClassName, [&](winui::Form& form) {
    GdiFlush();
    painted = Now();
    form.SetModalResult(winui::ModalResult::Cancel);
  });
  const double start = Now();
  OpenTableFile(owner, options, tablePath);
  if (hook.TimesRun() != 1) std::abort();
  return painted - start;
}

// The same path in its parts, to see where the time goes.
void PrintOurParts(HWND owner, TOptionMdl& options, const std::string& tablePath) {
  std::vector<std::vector<double>> parts(5);
  for (int run = 0; run < kRuns; ++run) {
    double t[6];
    t[0] = Now();
    CPanelTable table;
    MessageBoxAsk ask(owner);
    if (!ReadTableFile(table, tablePath, ask).empty()) std::abort();
    t[1] = Now();
    winui::Picture picture;
    if (!CheckTableBitmap(table, owner, &picture).empty()) std::abort();
    t[2] = Now();
    winui::Owned<TPanelEditFm> editor(options);
    if (!editor.CreateForm(owner)) std::abort();
    t[3] = Now();
    editor.LoadPanel(table, std::move(picture));
    t[4] = Now();
    ShowWindow(editor.Handle(), SW_SHOW);
    UpdateWindow(editor.Handle());
    GdiFlush();
    t[5] = Now();
    for (int i = 0; i < 5; ++i) parts[i].push_back(t[i + 1] - t[i]);
    DestroyWindow(editor.Handle());
    Settle();
  }
  std::printf("    ours in parts: read the table %.1f, check and load the picture %.1f, create the edit window %.1f,"
              " place it %.1f, show it to its first paint %.1f ms\n",
              Median(parts[0]), Median(parts[1]), Median(parts[2]), Median(parts[3]), Median(parts[4]));
}

struct Case {
  const char* name;
  CPanelTable table;
  int width, height;
  double target;
};

// 24 x 26 cells of 80 x 40 pixels; the first 160 cells send one learned code each.
CPanelTable FullScreenPanel() {
  CPanelTable table;
  if (!table.CreateGrid(80, 40, 24, 26)) std::abort();
  for (int i = 0; i < kInfraredOrdinalLimit; ++i) {
    CButtonInfo& cell = table.Cell(i);
    cell.ReplaceCode(*InfraredCode(i, InfraredSendFlag::Plain));
    cell.AddText("'memo " + std::to_string(i));
    cell.AddText("row0\t" + bench::CodeText(i));
  }
  return table;
}

std::string TempFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "open_floor_bench";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

int main() {
  winui::InitApplication();
  WNDCLASSW floorClass{};
  floorClass.lpfnWndProc = FloorProc;
  floorClass.hInstance = GetModuleHandleW(nullptr);
  floorClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  floorClass.lpszClassName = L"FloorPanel";
  RegisterClassW(&floorClass);
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  TOptionMdl options;

  const std::string folder = TempFolder();
  Case cases[] = {{"1920 x 1040 panel, 160 learned codes", FullScreenPanel(), 1920, 1040, 1.2},
                  {"largest table the format allows", bench::LargestTable(), 40 * 24, 30 * 10, 1.5}};
  for (Case& c : cases) {
    const std::string tablePath = folder + "\\bench.tbl";
    c.table.SetBitmapName("bench.bmp");
    winui::Picture made;
    if (!made.Create(c.width, c.height, RGB(40, 120, 200)) || !made.SaveToFile(folder + "\\bench.bmp").empty() ||
        !WriteTableFile(c.table, tablePath)) {
      std::printf("cannot write the panel into %s\n", folder.c_str());
      return 1;
    }
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    GetFileAttributesExA(tablePath.c_str(), GetFileExInfoStandard, &attributes);
    std::vector<double> floor, ours, floorRead, floorLoad, floorShow;
    for (int run = 0; run < kRuns; ++run) {
      FloorParts parts;
      floor.push_back(FloorOpen(tablePath, folder, parts));
      floorRead.push_back(parts.read);
      floorLoad.push_back(parts.load);
      floorShow.push_back(parts.show);
      Settle();
      ours.push_back(OurOpen(owner, options, tablePath));
      Settle();
    }
    // Other work on the machine only ever adds time: the fastest runs say most
    // about the programs themselves.
    const double ratio = Median(ours) / Median(floor);
    const double fastestFloor = *std::min_element(floor.begin(), floor.end());
    const double fastestOurs = *std::min_element(ours.begin(), ours.end());
    std::printf("%s (table %lu bytes), target %.1f times:\n    floor %.1f ms, ours %.1f ms: %.2f times the floor"
                " (medians); fastest %.1f and %.1f ms: %.2f times\n",
                c.name, attributes.nFileSizeLow, c.target, Median(floor), Median(ours), ratio, fastestFloor, fastestOurs,
                fastestOurs / fastestFloor);
    std::printf("    floor in parts: read and split the table %.1f, load the picture %.1f, window to its first paint %.1f ms\n",
                Median(floorRead), Median(floorLoad), Median(floorShow));
    PrintOurParts(owner, options, tablePath);
    DeleteFileA(tablePath.c_str());
    DeleteFileA((folder + "\\bench.bmp").c_str());
  }
  RemoveDirectoryA(folder.c_str());
  DestroyWindow(owner);
  return 0;
}
