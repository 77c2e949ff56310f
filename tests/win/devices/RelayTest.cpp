// Relay commands through Wine's serial driver to the simulated relay unit,
// whose log shows each byte with the line settings in force.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "devices/win/Comm.h"
#include "devices/win/RelaySend.h"
#include "winui/MessagePump.h"

using wintest::BoxRecorder;

namespace {

// Unmapped in the test prefix: Wine only creates COM ports for existing serial devices.
constexpr int kAbsentPort = 9;

class Relay : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string log = wintest::EnvOrEmpty("PANEL_RELAY_LOG");
    const std::string port = wintest::EnvOrEmpty("PANEL_RELAY_PORT");
    if (log.empty() || port.empty())
      GTEST_SKIP() << "relay-sim is not running: configure the Windows build with "
                      "-DPANEL_RELAY_SIM=<native build>/sim/relay/relay-sim";
    logPath_ = wintest::WinPathOf(log);
    port_ = std::stoi(port);
    baseline_ = Lines().size();
  }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::ifstream in(logPath_.c_str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // Lines written by the unit since the test began, waiting until there are `count`.
  std::vector<std::string> NewLines(std::size_t count) const {
    std::vector<std::string> lines;
    winui::PumpUntil([&] { return Lines().size() >= baseline_ + count; }, 5000);
    lines = Lines();
    return std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(std::min(baseline_, lines.size())),
                                    lines.end());
  }
  static bool Starts(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

  std::wstring logPath_;
  int port_ = 0;
  std::size_t baseline_ = 0;
};

TEST_F(Relay, PulseSendsNumberPlus32At9600Baud8N1) {
  BoxRecorder boxes;
  devices::RelayTestClick(nullptr, L"5", 0, port_);
  auto lines = NewLines(1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(Starts(lines[0], "byte=37 kind=pulse relay=5 ")) << lines[0];
  EXPECT_NE(lines[0].find(" speed=9600 data=8 parity=none stop=1"), std::string::npos) << lines[0];
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Relay, ToggleSendsTheNumber) {
  BoxRecorder boxes;
  devices::RelayTestClick(nullptr, L"5", 1, port_);
  auto lines = NewLines(1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(Starts(lines[0], "byte=5 kind=toggle relay=5 ")) << lines[0];
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Relay, UntilClickSendsTwiceWithThePortFreeWhileTheBoxIsUp) {
  // Wine does not refuse a second opening of a serial port, so the proof that
  // the port was closed between the bytes is the unit's log: one byte while the box is up.
  std::size_t linesWhileUp = 0;
  BoxRecorder boxes([&](const wintest::Box&) {
    winui::PumpUntil([&] { return Lines().size() >= baseline_ + 1; }, 5000);
    linesWhileUp = Lines().size() - baseline_;
  });
  devices::RelayTestClick(nullptr, L"7", 2, port_);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"クリックすると停止");
  EXPECT_EQ(boxes.boxes[0].caption, L"");
  EXPECT_EQ(boxes.boxes[0].buttons, winui::MsgButtons::Ok);
  EXPECT_EQ(linesWhileUp, 1u);
  auto lines = NewLines(2);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(Starts(lines[0], "byte=7 ")) << lines[0];
  EXPECT_TRUE(Starts(lines[1], "byte=7 ")) << lines[1];
}

TEST_F(Relay, InvalidNumberOrNoActionSendsNothing) {
  BoxRecorder boxes;
  devices::RelayTestClick(nullptr, L"32", 0, port_);
  devices::RelayTestClick(nullptr, L"-1", 1, port_);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  for (const auto& box : boxes.boxes) {
    EXPECT_EQ(box.text, L"リレー番号が不正です");
    EXPECT_EQ(box.caption, L"警告");
  }
  devices::RelayTestClick(nullptr, L"3", -1, port_);
  // A byte sent now must be the first the unit sees.
  devices::RelayTestClick(nullptr, L"4", 1, port_);
  auto lines = NewLines(1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(Starts(lines[0], "byte=4 ")) << lines[0];
}

TEST_F(Relay, NumberTextIsReadUpToTheFirstNonDigit) {
  BoxRecorder boxes;
  // One click at a time: opening the port purges it, and on the pseudo-terminal
  // that also drops a byte the unit has not read yet, which a real line has sent.
  const wchar_t* texts[] = {L"", L"abc", L"  +12x", L"1２"};  // a full-width digit ends the number
  std::vector<std::string> lines;
  for (const wchar_t* text : texts) {
    devices::RelayTestClick(nullptr, text, 1, port_);
    lines = NewLines(lines.size() + 1);
  }
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(Starts(lines[0], "byte=0 ")) << lines[0];
  EXPECT_TRUE(Starts(lines[1], "byte=0 ")) << lines[1];
  EXPECT_TRUE(Starts(lines[2], "byte=12 ")) << lines[2];
  EXPECT_TRUE(Starts(lines[3], "byte=1 ")) << lines[3];
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST(RelayAbsentPort, EachSendAttemptShowsOneWarning) {
  BoxRecorder boxes;
  devices::RelayTestClick(nullptr, L"5", 0, kAbsentPort);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"通信ポートが開けません");
  EXPECT_EQ(boxes.boxes[0].caption, L"警告");
  EXPECT_EQ(boxes.boxes[0].buttons, winui::MsgButtons::Ok);
  // The hold action stops at the failed first byte: no stop box, no second attempt.
  devices::RelayTestClick(nullptr, L"5", 2, kAbsentPort);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text, L"通信ポートが開けません");
}

TEST(CommSettings, FlowControlModesOnlyChangeTheirOwnFields) {
  DCB current{};
  current.DCBlength = sizeof current;
  current.BaudRate = 38400;
  current.ByteSize = 7;
  current.Parity = EVENPARITY;
  current.StopBits = TWOSTOPBITS;
  current.fOutX = TRUE;
  current.fOutxCtsFlow = TRUE;
  current.fDtrControl = DTR_CONTROL_DISABLE;
  current.fRtsControl = RTS_CONTROL_TOGGLE;
  current.XonChar = 1;
  current.XonLim = 7;
  current.EofChar = 0x1A;  // not ours: kept

  TComm comm;
  EXPECT_FALSE(comm.IsOpen());
  EXPECT_EQ(comm.Write(reinterpret_cast<const unsigned char*>("x"), 1), 0);
  comm.SetByteSize(8);
  comm.SetParity(NOPARITY);
  comm.SetStopBits(ONESTOPBIT);
  DCB none = comm.ApplySettings(current);  // default flow control: none, 9600 baud
  EXPECT_EQ(none.BaudRate, 9600u);
  EXPECT_EQ(none.ByteSize, 8);
  EXPECT_EQ(none.Parity, NOPARITY);
  EXPECT_EQ(none.StopBits, ONESTOPBIT);
  EXPECT_TRUE(none.fBinary);
  EXPECT_EQ(none.fDtrControl, static_cast<DWORD>(DTR_CONTROL_ENABLE));
  EXPECT_EQ(none.fRtsControl, static_cast<DWORD>(RTS_CONTROL_ENABLE));
  EXPECT_FALSE(none.fOutxCtsFlow || none.fOutxDsrFlow || none.fOutX || none.fInX);
  EXPECT_EQ(none.XonChar, 1);
  EXPECT_EQ(none.XonLim, 7);
  EXPECT_EQ(none.EofChar, 0x1A);

  comm.SetFlowControl(TComm::kFlowXonXoff);
  DCB xon = comm.ApplySettings(current);
  EXPECT_TRUE(xon.fOutX && xon.fInX);
  EXPECT_EQ(xon.XonChar, 0x11);
  EXPECT_EQ(xon.XoffChar, 0x13);
  EXPECT_EQ(xon.XonLim, 100);
  EXPECT_EQ(xon.XoffLim, 100);
  EXPECT_FALSE(xon.fOutxCtsFlow || xon.fOutxDsrFlow);

  comm.SetFlowControl(TComm::kFlowHardware);
  DCB hw = comm.ApplySettings(current);
  EXPECT_TRUE(hw.fOutxCtsFlow && hw.fOutxDsrFlow);
  EXPECT_EQ(hw.fDtrControl, static_cast<DWORD>(DTR_CONTROL_HANDSHAKE));
  EXPECT_EQ(hw.fRtsControl, static_cast<DWORD>(RTS_CONTROL_HANDSHAKE));
  EXPECT_FALSE(hw.fOutX || hw.fInX);
}

}  // namespace
