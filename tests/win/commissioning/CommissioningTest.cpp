// A panel of six cells commissioned against the simulated relay unit and
// transceiver, answered through the question form as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "WinTestSupport.h"
#include "editor/CommissioningFm.h"
#include "editor/CommissioningRunner.h"
#include "winui/Controls.h"
#include "winui/Gdi.h"
#include "winui/MessagePump.h"
#include "winui/TextConv.h"

using namespace panel;

using commissioning::Outcome;

namespace {

const std::string kCodeA = "    1.50,  120.25,0AFF";
const std::string kCodeB = "    2.00,   80.00,1234";

constexpr int kCellWidth = 80, kCellHeight = 50, kColumns = 3;

std::string FileText(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The edit window's part: the panel picture with the framed cell, for the screenshot.
class PanelStandIn : public winui::Form {
 public:
  explicit PanelStandIn(const winui::Picture& picture) : picture_(picture) {}
  void Frame(int ordinal) {
    framed.push_back(ordinal);
    InvalidateRect(Handle(), nullptr, FALSE);
  }
  std::vector<int> framed;

 protected:
  bool OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) override {
    if (msg != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    winui::MemoryDc memory(dc);
    winui::ScopedSelectObject select(memory.Get(), picture_.Handle());
    BitBlt(dc, 0, 0, picture_.Width(), picture_.Height(), memory.Get(), 0, 0, SRCCOPY);
    winui::Brush red(CreateSolidBrush(RGB(255, 0, 0)));
    for (int inset = 0; inset < 2 && !framed.empty(); ++inset) {
      const int x = framed.back() % kColumns * kCellWidth, y = framed.back() / kColumns * kCellHeight;
      RECT r{x + inset, y + inset, x + kCellWidth - inset, y + kCellHeight - inset};
      FrameRect(dc, &r, red.Get());
    }
    EndPaint(Handle(), &ps);
    result = 0;
    return true;
  }

 private:
  const winui::Picture& picture_;
};

void SaveScreen(const std::wstring& path) {
  winui::Picture shot;
  if (!shot.Create(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), RGB(0, 0, 0))) return;
  winui::WindowDc screen(nullptr);
  winui::MemoryDc memory(screen.Get());
  {
    winui::ScopedSelectObject select(memory.Get(), shot.Handle());
    BitBlt(memory.Get(), 0, 0, shot.Width(), shot.Height(), screen.Get(), 0, 0, SRCCOPY);
  }
  shot.SaveToFile(*winui::WideToSjis(path));
}

TEST(Commissioning, RunsTheCellsOnTheDevicesInOrderAndKeepsTheAnswersWhenStopped) {
  const std::string relayLog = wintest::EnvOrEmpty("PANEL_RELAY_LOG");
  if (relayLog.empty()) GTEST_SKIP() << "relay-sim is not running (configure with -DPANEL_RELAY_SIM=...)";
  const std::wstring logPath = wintest::WinPathOf(relayLog);
  const size_t relayBaseline = FileText(logPath).size();
  wintest::SimLibrary sim;
  ASSERT_TRUE(sim.Load());
  ASSERT_EQ(sim.Library().Init(), 0);

  // Work folder with the switch target; an empty host folder.
  const std::wstring work = sim.Folder() + L"\\作業", host = sim.Folder() + L"\\ホスト";
  CreateDirectoryW(work.c_str(), nullptr);
  CreateDirectoryW(host.c_str(), nullptr);
  std::ofstream((work + L"\\機器操作B.tbl").c_str()) << "x";

  CPanelTable table;
  table.SetTablePath(*winui::WideToSjis(work + L"\\機器操作A.tbl"));
  table.CreateGrid(kCellWidth, kCellHeight, kColumns, 2);
  table.Cell(0).ReplaceCode(MakeCellCode("X5 &"));
  table.Cell(1).ReplaceCode(MakeCellCode("01  "));
  table.Cell(1).AddText("a\t" + kCodeA);
  table.Cell(1).AddText("b\t" + kCodeB);
  table.Cell(2).ReplaceCode(MakeCellCode("GB"));
  table.Cell(3).ReplaceCode(MakeCellCode("X6  "));
  table.Cell(5).ReplaceCode(MakeCellCode("Q"));
  winui::Picture picture;
  ASSERT_TRUE(picture.Create(240, 100, RGB(200, 253, 253)));
  {  // drawn buttons, for the screenshot and the sheet
    winui::MemoryDc dc;
    winui::ScopedSelectObject select(dc.Get(), picture.Handle());
    const wchar_t* names[] = {L"照明", L"テレビ", L"Bへ", L"扇風機", L"", L"閉じる"};
    for (int i = 0; i < 6; ++i) {
      RECT r{i % 3 * kCellWidth + 4, i / 3 * kCellHeight + 4, i % 3 * kCellWidth + 76, i / 3 * kCellHeight + 46};
      Rectangle(dc.Get(), r.left, r.top, r.right, r.bottom);
      DrawTextW(dc.Get(), names[i], -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
  }

  winui::Owned<PanelStandIn> panel(picture);
  ASSERT_TRUE(panel.Create({L"PanelStandIn", L"機器操作A", 240, 100, 40, 40}));
  ShowWindow(panel.Handle(), SW_SHOW);

  const std::wstring shots = wintest::WinPathOf(wintest::EnvOrEmpty("PANEL_BUILD_DIR")) + L"\\commissioning";
  CreateDirectoryW(shots.c_str(), nullptr);
  int asked = 0;
  winui::ScopedModalHook hook(TCommissioningFm::kClassName, [&](winui::Form& form) {
    HWND h = form.Handle();
    switch (asked++) {
      case 0: SendMessageW(GetDlgItem(h, TCommissioningFm::kWorkedButtonId), BM_CLICK, 0, 0); break;
      case 1:
        winui::SetText(GetDlgItem(h, TCommissioningFm::kNoteEditId), L"遠いと<動かない>");
        SendMessageW(GetDlgItem(h, TCommissioningFm::kNotWorkedButtonId), BM_CLICK, 0, 0);
        break;
      case 2:  // by keyboard: the focus starts on 動いた, Tab twice reaches 飛ばす, Enter presses it
        for (HWND w : {panel.Handle(), h}) RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        SaveScreen(shots + L"\\question.bmp");
        for (WPARAM key : {VK_TAB, VK_TAB, VK_RETURN}) PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
        break;
      default:  // 中止 at the toggled relay, once the unit has read its byte (opening the port again purges it)
        winui::PumpUntil([&] {
          const std::string log = FileText(logPath).substr(relayBaseline);
          return std::count(log.begin(), log.end(), '\n') >= 2;
        }, 5000);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    }
  });
  wintest::BoxRecorder boxes;
  CommissioningDevices devices{std::stoi(wintest::EnvOrEmpty("PANEL_RELAY_PORT")), sim.Library(),
                               [&](HWND) { return *winui::WideToSjis(host); }};
  const commissioning::Record record = RunCommissioningSteps(panel.Handle(), table, devices, [&](int ordinal) {
    panel.Frame(ordinal);
  });

  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(panel.framed, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_TRUE(record.Stopped());
  std::vector<Outcome> outcomes;
  for (size_t i = 0; i < record.Steps().size(); ++i) outcomes.push_back(record.At(i).outcome);
  EXPECT_EQ(outcomes, (std::vector<Outcome>{Outcome::Worked, Outcome::DidNotWork, Outcome::Skipped,
                                            Outcome::NotTried, Outcome::NotTried}));
  EXPECT_EQ(record.At(1).note, "遠いと<動かない>");
  EXPECT_EQ(record.At(2).finding, "作業フォルダ: テーブルあり / クロヴァン: テーブルなし");
  // The toggled relay is put back although the run stopped at its question.
  EXPECT_EQ(record.At(3).finding, "リレーに送りました (COM5)、回答の後に元に戻しました");

  std::vector<std::string> codes;
  for (auto& call : sim.Calls("USBIrEmitData")) codes.push_back(call.fields["code"]);
  EXPECT_EQ(codes, (std::vector<std::string>{kCodeA, kCodeB}));
  // The unit logs a line per byte: "byte=37 kind=pulse ..."
  std::vector<std::string> bytes;
  winui::PumpUntil([&] {
    std::istringstream lines(FileText(logPath).substr(relayBaseline));
    bytes.clear();
    for (std::string line; std::getline(lines, line);) bytes.push_back(line.substr(0, line.find(' ')));
    return bytes.size() >= 3;
  }, 5000);
  EXPECT_EQ(bytes, (std::vector<std::string>{"byte=37", "byte=6", "byte=6"}));

  // One sheet per run, even two in the same second.
  const commissioning::DateTime when{2026, 12, 8, 2, 15, 30};
  const std::string first = SaveCommissioningSheet(nullptr, table, record, picture, 5, when);
  const std::string second = SaveCommissioningSheet(nullptr, table, record, picture, 5, when);
  EXPECT_EQ(winui::SjisToWide(first), work + L"\\機器操作A_動作確認_20261208_021530.html");
  EXPECT_EQ(winui::SjisToWide(second), work + L"\\機器操作A_動作確認_20261208_021530_2.html");
  const std::string html = FileText(winui::SjisToWide(first));
  EXPECT_NE(html.find("動いた 1 / 動かない 1 / 飛ばした 1 / 未確認 2 (ボタン 5個) 途中で中止しました"), std::string::npos);
  EXPECT_NE(html.find("data:image/bmp;base64,Qk"), std::string::npos);
  CopyFileW(winui::SjisToWide(first).c_str(), (shots + L"\\sheet.html").c_str(), FALSE);
}

}  // namespace
