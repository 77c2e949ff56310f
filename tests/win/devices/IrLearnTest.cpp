// Learning against the simulated transceiver: the dialog, its worker and the
// data module's LearnIrCode, with the library's call log as the witness.
#include <windows.h>

#include <gtest/gtest.h>

#include "LayoutDump.h"
#include "WinTestSupport.h"
#include "data/OptionMdl.h"
#include "devices/win/GakusyuuFm.h"
#include "winui/Controls.h"
#include "winui/Form.h"
#include "winui/MessagePump.h"

using wintest::BoxRecorder;
using wintest::SimLibrary;

namespace {

HWND TyuusiButton(winui::Form& form) { return GetDlgItem(form.Handle(), TGakusyuuFm::kTyuusiButtonId); }

std::size_t CountWhere(const std::vector<wintest::SimCall>& calls, const std::string& key, const std::string& value) {
  std::size_t n = 0;
  for (const auto& call : calls)
    if (call.fields.count(key) && call.fields.at(key) == value) ++n;
  return n;
}

class Learning : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sim.Load()) << "simulated USBIr.dll not found under PANEL_BUILD_DIR/sim"; }

  std::string Learn(const std::function<void(winui::Form&)>& onModal = nullptr) {
    winui::ScopedModalHook hook(TGakusyuuFm::kClassName, [&](winui::Form& form) {
      if (onModal) onModal(form);
    });
    return devices::LearnIrCodeWithDialog(nullptr, sim.Library());
  }

  SimLibrary sim;
};

TEST_F(Learning, DataModuleReturnsTheSignalInCodeTextFormat) {
  sim.Set(L"USBIRSIM_SIGNAL", L"0AFF");
  TOptionMdl mdl;
  ASSERT_EQ(mdl.InitIrDevice(), 0);
  BoxRecorder boxes;
  EXPECT_EQ(mdl.LearnIrCode(nullptr), "    1.50,  120.25,0AFF");
  EXPECT_TRUE(boxes.boxes.empty());
  // Receive mode ends with the successful read; it is not cancelled.
  auto calls = sim.Calls();
  EXPECT_TRUE(sim.Calls("USBIrCancelReceive").empty());
  auto reads = sim.Calls("USBIrReadData");
  ASSERT_GE(reads.size(), 2u);
  EXPECT_EQ(reads.front().fields["buffer"], "no");
  EXPECT_EQ(reads.front().fields["size"], "0");
  EXPECT_EQ(reads.back().fields["buffer"], "yes");
  EXPECT_EQ(reads.back().fields["size"], "2");
}

TEST_F(Learning, DialogLayoutAndSuccessLabel) {
  sim.Set(L"USBIRSIM_PARAM1", L"123456.78");
  sim.Set(L"USBIRSIM_SIGNAL", L"000AFF");
  winui::Owned<TGakusyuuFm> form(sim.Library());
  ASSERT_TRUE(form.Create(nullptr));
  HWND hwnd = form.Handle();

  wchar_t caption[64] = {};
  GetWindowTextW(hwnd, caption, 64);
  EXPECT_STREQ(caption, L"リモコン学習中");
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 282);
  EXPECT_EQ(client.bottom, 162);
  RECT frame{};
  GetWindowRect(hwnd, &frame);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);

  EXPECT_EQ(wintest::LayoutDump(hwnd),
            L"Static 32,32 21 \"リモコンに学習させてください\"\n"
            L"Button 88,98 75x25 11 \"中止\"\n");
  // The prompt is wider than the label at its font: the label grows to show it
  // whole on two lines, still clear of the button.
  RECT label{};
  GetWindowRect(GetDlgItem(hwnd, TGakusyuuFm::kLabel1Id), &label);
  EXPECT_EQ(label.right - label.left, 225);
  EXPECT_GT(label.bottom - label.top, 25);
  EXPECT_LT(label.bottom - label.top, 98 - 32);
  EXPECT_STREQ(wintest::FontOf(GetDlgItem(hwnd, TGakusyuuFm::kLabel1Id)).lfFaceName, L"Tahoma");

  BoxRecorder boxes;
  winui::ShowModal(form, nullptr);
  // Wide parameters are written in full; bytes always as two upper-case digits.
  EXPECT_EQ(form.Result(), "123456.78,  120.25,000AFF");
  EXPECT_EQ(winui::GetText(GetDlgItem(hwnd, TGakusyuuFm::kLabel1Id)), L"学習成功");
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Learning, LongestSignalProceedsAndOneMoreByteIsTooLong) {
  sim.Set(L"USBIRSIM_SIGNAL", L"0AFF");
  sim.Set(L"USBIRSIM_LENGTH", L"7999");
  {
    BoxRecorder boxes;
    std::string code = Learn();
    ASSERT_EQ(code.size(), 18u + 2 * 7999u);
    EXPECT_EQ(code.substr(0, 22), "    1.50,  120.25,0AFF");
    EXPECT_EQ(code.find_first_not_of('0', 22), std::string::npos);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(sim.Calls("USBIrCancelReceive").empty());
  }
  sim.Set(L"USBIRSIM_LENGTH", L"8000");
  BoxRecorder boxes;
  EXPECT_EQ(Learn(), "");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"信号が長すぎました");
  EXPECT_EQ(boxes.boxes[0].caption, L"警告");
  EXPECT_EQ(boxes.boxes[0].buttons, winui::MsgButtons::Ok);
  EXPECT_EQ(sim.Calls("USBIrCancelReceive").size(), 1u);
}

TEST_F(Learning, ZeroLengthKeepsWaitingUntilTheSignalArrives) {
  const std::wstring trigger = sim.Folder() + L"\\signal";
  sim.Set(L"USBIRSIM_TRIGGER_FILE", trigger);
  sim.Set(L"USBIRSIM_SIGNAL", L"1234");
  BoxRecorder boxes;
  std::string code = Learn([&](winui::Form&) {
    ASSERT_TRUE(winui::PumpUntil([&] { return CountWhere(sim.Calls("USBIrReadData"), "length", "0") >= 3; }, 10000));
    CloseHandle(CreateFileW(trigger.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  });
  EXPECT_EQ(code, "    1.50,  120.25,1234");
  EXPECT_TRUE(boxes.boxes.empty());
  DeleteFileW(trigger.c_str());
}

TEST_F(Learning, TyuusiEndsTheWaitAsCancelledWithinAboutHalfASecond) {
  sim.Set(L"USBIRSIM_TRIGGER_FILE", sim.Folder() + L"\\never");
  BoxRecorder boxes;
  DWORD clicked = 0;
  std::string code = Learn([&](winui::Form& form) {
    ASSERT_TRUE(winui::PumpUntil([&] { return !sim.Calls("USBIrReadData").empty(); }, 10000));
    clicked = GetTickCount();
    SendMessageW(TyuusiButton(form), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(code, "");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"キャンセルされました");
  EXPECT_EQ(boxes.boxes[0].caption, L"警告");
  // Once where the wait notices the request, once more on the way out.
  auto cancels = sim.Calls("USBIrCancelReceive");
  ASSERT_EQ(cancels.size(), 2u);
  EXPECT_LT(cancels[0].tick - clicked, 1000u) << "the worker polls every 500 ms";
}

TEST_F(Learning, CloseBoxDuringCaptureIsRefusedAndActsAsTyuusi) {
  sim.Set(L"USBIRSIM_TRIGGER_FILE", sim.Folder() + L"\\never");
  BoxRecorder boxes;
  std::string code = Learn([&](winui::Form& form) {
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(form.Handle())) << "close must wait for the worker";
    EXPECT_EQ(form.GetModalResult(), winui::ModalResult::None);
  });
  EXPECT_EQ(code, "");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"キャンセルされました");
  EXPECT_EQ(sim.Calls("USBIrCancelReceive").size(), 2u);
}

TEST_F(Learning, TyuusiWhileReadingTheSignalCancelsToo) {
  sim.Set(L"USBIRSIM_READ_FAILS", L"always");
  BoxRecorder boxes;
  std::string code = Learn([&](winui::Form& form) {
    ASSERT_TRUE(winui::PumpUntil([&] { return CountWhere(sim.Calls("USBIrReadData"), "buffer", "yes") >= 1; }, 10000));
    SendMessageW(TyuusiButton(form), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(code, "");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"キャンセルされました");
  EXPECT_EQ(sim.Calls("USBIrCancelReceive").size(), 2u);
  EXPECT_LT(CountWhere(sim.Calls("USBIrReadData"), "buffer", "yes"), 10u);
}

TEST_F(Learning, FailingStartIsAConnectionErrorWithoutCancel) {
  sim.Set(L"USBIRSIM_START_RESULT", L"3");
  BoxRecorder boxes;
  EXPECT_EQ(Learn(), "");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"ソラミト接続エラー");
  EXPECT_EQ(boxes.boxes[0].caption, L"警告");
  EXPECT_TRUE(sim.Calls("USBIrReadData").empty());
  EXPECT_TRUE(sim.Calls("USBIrCancelReceive").empty());
}

TEST_F(Learning, MissingLibraryIsAConnectionError) {
  IrLibrary notLoaded;
  BoxRecorder boxes;
  EXPECT_EQ(devices::LearnIrCodeWithDialog(nullptr, notLoaded), "");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"ソラミト接続エラー");
}

TEST_F(Learning, TenFailedReadsAreAFailureNotASuccess) {
  sim.Set(L"USBIRSIM_READ_FAILS", L"always");
  winui::Owned<TGakusyuuFm> form(sim.Library());
  ASSERT_TRUE(form.Create(nullptr));
  BoxRecorder boxes;
  winui::ShowModal(form, nullptr);
  EXPECT_EQ(form.Result(), "");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"信号が読めませんでした");
  EXPECT_EQ(boxes.boxes[0].caption, L"警告");
  EXPECT_NE(winui::GetText(GetDlgItem(form.Handle(), TGakusyuuFm::kLabel1Id)), L"学習成功");
  EXPECT_EQ(CountWhere(sim.Calls("USBIrReadData"), "buffer", "yes"), 10u);
  // The device is taken out of receive mode, as after the other failures.
  EXPECT_EQ(sim.Calls("USBIrCancelReceive").size(), 1u);
}

TEST_F(Learning, DestroyingTheDialogWhileItsWorkerRunsDoesNotHang) {
  sim.Set(L"USBIRSIM_TRIGGER_FILE", sim.Folder() + L"\\never");
  BoxRecorder boxes;
  DWORD start = 0;
  {
    winui::Owned<TGakusyuuFm> form(sim.Library());
    ASSERT_TRUE(form.Create(nullptr));
    ShowWindow(form.Handle(), SW_SHOWNA);  // starts the worker without a modal loop
    ASSERT_TRUE(winui::PumpUntil([&] { return !sim.Calls("USBIrReadData").empty(); }, 10000));
    start = GetTickCount();
  }  // joins the worker; its completion post finds no window
  EXPECT_LT(GetTickCount() - start, 3000u);
  // The worker has been joined, so its post (if any) is already queued; it is harmless.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_TRUE(boxes.boxes.empty()) << "the completion step must not run for a destroyed dialog";
  EXPECT_EQ(sim.Calls("USBIrCancelReceive").size(), 2u);
}

}  // namespace
