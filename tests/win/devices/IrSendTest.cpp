// Sending against the simulated transceiver: single sends through the data
// module, and the test-send sequences of the command dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "data/OptionMdl.h"
#include "devices/win/IrEmit.h"
#include "devices/win/IrTestSend.h"
#include "winui/MessagePump.h"

using devices::IrEmitStatus;
using wintest::BoxRecorder;
using wintest::SimLibrary;

namespace {

std::string CodeOfBytes(std::size_t count, unsigned seed) {
  std::vector<unsigned char> bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>((i * 131 + seed) >> 1);
  return devices::FormatIrCodeText(2.5, 38.75, bytes.data(), bytes.size());
}

std::vector<std::string> EmittedCodes(const SimLibrary& sim) {
  std::vector<std::string> codes;
  for (auto& call : sim.Calls("USBIrEmitData")) codes.push_back(call.fields["code"]);
  return codes;
}

class Sending : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sim.Load()) << "simulated USBIr.dll not found under PANEL_BUILD_DIR/sim";
    ASSERT_EQ(mdl.InitIrDevice(), 0);
  }

  SimLibrary sim;
  TOptionMdl mdl;
};

TEST_F(Sending, EmitIrCodeSendsTheCodeWithModeOneAndFormatSeven) {
  EXPECT_EQ(mdl.EmitIrCode("    1.50,  120.25,0AFF"), IrEmitStatus::kSent);
  auto emits = sim.Calls("USBIrEmitData");
  ASSERT_EQ(emits.size(), 1u);
  EXPECT_EQ(emits[0].fields["mode"], "1");
  EXPECT_EQ(emits[0].fields["format"], "7");
  EXPECT_EQ(emits[0].fields["code"], "    1.50,  120.25,0AFF");
}

TEST_F(Sending, LongestLearnableCodeAndLongerOnesGoOutWhole) {
  const std::string longest = CodeOfBytes(7999, 7);  // 16,016 characters
  ASSERT_EQ(longest.size(), 16016u);
  const std::string longer = CodeOfBytes(12000, 3);
  EXPECT_EQ(mdl.EmitIrCode(longest), IrEmitStatus::kSent);
  EXPECT_EQ(mdl.EmitIrCode(longer), IrEmitStatus::kSent);
  EXPECT_EQ(EmittedCodes(sim), (std::vector<std::string>{longest, longer}));
}

TEST_F(Sending, TextsThatAreNotCodesAreNotSent) {
  for (const char* bad : {"", "1.5,2.5", "    1.50,  120.25,0AF", "    1.50,  120.25,0aff", "x,1,00",
                          "    1.50,  120.25,"}) {
    EXPECT_EQ(mdl.EmitIrCode(bad), IrEmitStatus::kInvalidCode) << bad;
  }
  EXPECT_TRUE(sim.Calls("USBIrEmitData").empty());

  BoxRecorder boxes;
  EXPECT_FALSE(devices::RunIrTestSend(nullptr, mdl.IrDevice(), {"    1.50,  120.25,0AF"}, false, false));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"リモコンコードが不正です");
  EXPECT_EQ(boxes.boxes[0].caption, L"警告");
  EXPECT_EQ(boxes.boxes[0].buttons, winui::MsgButtons::Ok);
}

TEST_F(Sending, LibrarysOwnFailureIsNotInterpreted) {
  sim.Set(L"USBIRSIM_EMIT_RESULT", L"5");
  BoxRecorder boxes;
  EXPECT_TRUE(devices::RunIrTestSend(nullptr, mdl.IrDevice(), {"    1.50,  120.25,0AFF"}, false, false));
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(sim.Calls("USBIrEmitData").size(), 1u);
}

// A window that notes when a posted message reaches it: proof that the pause
// between sends keeps the user interface alive.
struct PostedProbe {
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP + 77) {
      auto* probe = reinterpret_cast<PostedProbe*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
      probe->emitsWhenDispatched = static_cast<int>(probe->sim->Calls("USBIrEmitData").size());
      return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  explicit PostedProbe(const SimLibrary& s) : sim(&s) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DevicesTestProbe";
    RegisterClassW(&wc);
    hwnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                           wc.hInstance, nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~PostedProbe() { DestroyWindow(hwnd); }
  const SimLibrary* sim;
  HWND hwnd = nullptr;
  int emitsWhenDispatched = -1;
};

TEST_F(Sending, SeveralCodesGoInOrderFiftyMillisecondsApart) {
  const std::vector<std::string> codes = {CodeOfBytes(4, 1), CodeOfBytes(5, 2), CodeOfBytes(6, 3)};
  PostedProbe probe(sim);
  PostMessageW(probe.hwnd, WM_APP + 77, 0, 0);
  BoxRecorder boxes;
  // StillStop does not apply to several codes.
  EXPECT_TRUE(devices::RunIrTestSend(nullptr, mdl.IrDevice(), codes, true, false));
  EXPECT_TRUE(boxes.boxes.empty());
  auto emits = sim.Calls("USBIrEmitData");
  ASSERT_EQ(emits.size(), 3u);
  EXPECT_EQ(EmittedCodes(sim), codes);
  for (int i = 1; i < 3; ++i) {
    const DWORD gap = emits[i].tick - emits[i - 1].tick;
    EXPECT_GE(gap, 50u) << "pause measured on the same tick counter";
    EXPECT_LT(gap, 1000u);
  }
  EXPECT_EQ(probe.emitsWhenDispatched, 1) << "messages are processed during the first pause";
}

TEST_F(Sending, NextButtonAsksBetweenSendsButNotAfterTheLast) {
  const std::vector<std::string> codes = {CodeOfBytes(2, 1), CodeOfBytes(3, 2), CodeOfBytes(4, 3)};
  std::vector<std::size_t> sentWhenAsked;
  BoxRecorder boxes([&](const wintest::Box&) { sentWhenAsked.push_back(sim.Calls("USBIrEmitData").size()); });
  EXPECT_TRUE(devices::RunIrTestSend(nullptr, mdl.IrDevice(), codes, false, true));
  ASSERT_EQ(boxes.boxes.size(), 2u);
  for (const auto& box : boxes.boxes) {
    EXPECT_EQ(box.text, L"次の送信");
    EXPECT_EQ(box.caption, L"");
    EXPECT_EQ(box.buttons, winui::MsgButtons::Ok);
  }
  EXPECT_EQ(sentWhenAsked, (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(EmittedCodes(sim), codes);
}

TEST_F(Sending, RepeatSendsUntilTheStopBoxIsDismissed) {
  const std::string code = CodeOfBytes(3, 9);
  BoxRecorder boxes([&](const wintest::Box& box) {
    if (box.text == L"止める") {
      EXPECT_TRUE(winui::PumpUntil([&] { return sim.Calls("USBIrEmitData").size() >= 3; }, 10000));
    }
  });
  EXPECT_TRUE(devices::RunIrTestSend(nullptr, mdl.IrDevice(), {code}, true, false));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"止める");
  EXPECT_EQ(boxes.boxes[0].caption, L"");
  const std::size_t sent = sim.Calls("USBIrEmitData").size();
  EXPECT_GE(sent, 3u);
  for (const auto& emitted : EmittedCodes(sim)) EXPECT_EQ(emitted, code);
  // The worker has ended: a call made now is the last line of the log.
  mdl.IrDevice().CancelReceive();
  auto calls = sim.Calls();
  EXPECT_EQ(calls.back().entry, "USBIrCancelReceive");
  EXPECT_EQ(sim.Calls("USBIrEmitData").size(), sent);
}

TEST_F(Sending, RepeatDismissedAtOnceHasSentAtLeastOnce) {
  BoxRecorder boxes;
  EXPECT_TRUE(devices::RunIrTestSend(nullptr, mdl.IrDevice(), {CodeOfBytes(3, 4)}, true, false));
  EXPECT_GE(sim.Calls("USBIrEmitData").size(), 1u);
  ASSERT_EQ(boxes.boxes.size(), 1u);
}

class SendingWithoutEmit : public ::testing::Test {
 protected:
  SimLibrary sim{L"USBIr_noemit"};
};

TEST_F(SendingWithoutEmit, MissingEntryPointIsReportedAndEndsTheRepeat) {
  ASSERT_TRUE(sim.Load());
  EXPECT_EQ(devices::EmitIrCodeText(sim.Library(), "    1.50,  120.25,0AFF"), IrEmitStatus::kLibraryMissing);
  BoxRecorder boxes;
  EXPECT_FALSE(devices::RunIrTestSend(nullptr, sim.Library(), {"    1.50,  120.25,0AFF"}, true, false));
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, L"止める");
  EXPECT_EQ(boxes.boxes[1].text, L"ソラミトの送信エラーです。");
  EXPECT_EQ(boxes.boxes[1].caption, L"警告");

  IrLibrary notLoaded;
  EXPECT_EQ(devices::EmitIrCodeText(notLoaded, "    1.50,  120.25,0AFF"), IrEmitStatus::kLibraryMissing);
}

}  // namespace
