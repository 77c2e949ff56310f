#include "devices/core/IrSend.h"

#include <gtest/gtest.h>

// <chrono> itself does not compile with a Shift-JIS execution character set
// (its "µs" suffix); <thread> brings the clocks and durations.
#include <thread>

#include "devices/core/DeviceMessages.h"
#include "devices/core/IrLibraryAbi.h"

using namespace devices;

namespace {

const std::string kCodeA = "    1.50,  120.25,0AFF";
const std::string kCodeB = "    2.00,    3.00,01";
const std::string kCodeC = "    4.00,    5.00,02";
using Events = std::vector<std::string>;

class RecordingSendOps : public IrTestSendOps {
 public:
  Events events;
  IrEmitStatus repeatOutcome = IrEmitStatus::kSent;

  IrEmitStatus Emit(const std::string& code) override {
    events.push_back("emit " + code);
    return ParseIrCodeText(code) ? IrEmitStatus::kSent : IrEmitStatus::kInvalidCode;
  }
  void ShowNotice(const std::string& text) override { events.push_back("notice " + text); }
  void PauseMs(int ms) override { events.push_back("pause " + std::to_string(ms)); }
  void StartRepeat(const std::string& code) override { events.push_back("start " + code); }
  IrEmitStatus StopRepeat() override {
    events.push_back("stop");
    return repeatOutcome;
  }
};

}  // namespace

TEST(EmitCodeText, PassesTheDecodedCodeToTheLibrary) {
  IrCode seen;
  auto status = EmitCodeText(kCodeA, [&](const IrCode& code) {
    seen = code;
    return 0;
  });
  EXPECT_EQ(status, IrEmitStatus::kSent);
  EXPECT_EQ(seen.param1, 1.5);
  EXPECT_EQ(seen.param2, 120.25);
  EXPECT_EQ(seen.bytes, (std::vector<unsigned char>{0x0A, 0xFF}));
}

TEST(EmitCodeText, ReportsOnlyInvalidTextAndMissingLibrary) {
  int calls = 0;
  auto library = [&](int result) {
    return [&calls, result](const IrCode&) { ++calls; return result; };
  };
  EXPECT_EQ(EmitCodeText(kCodeA, library(7)), IrEmitStatus::kSent);
  EXPECT_EQ(EmitCodeText(kCodeA, library(-2)), IrEmitStatus::kSent);
  EXPECT_EQ(EmitCodeText(kCodeA, library(kEntryPointMissing)), IrEmitStatus::kLibraryMissing);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(EmitCodeText("    1.50,  120.25,0AF", library(0)), IrEmitStatus::kInvalidCode);
  EXPECT_EQ(calls, 3);

  EXPECT_EQ(EmitFailureMessage(IrEmitStatus::kSent), "");
  EXPECT_EQ(EmitFailureMessage(IrEmitStatus::kInvalidCode), msg::kInvalidIrCode);
  EXPECT_EQ(EmitFailureMessage(IrEmitStatus::kLibraryMissing), msg::kIrSendError);
}

TEST(RepeatEmit, SendsAtLeastOnceEvenWhenAlreadyStopped) {
  std::atomic<bool> stop{true};
  int sends = 0;
  EXPECT_EQ(RepeatEmit([&] { ++sends; return IrEmitStatus::kSent; }, stop), IrEmitStatus::kSent);
  EXPECT_EQ(sends, 1);
}

TEST(RepeatEmit, RunsUntilStoppedFromAnotherThread) {
  std::atomic<bool> stop{false};
  std::atomic<int> sends{0};
  std::atomic<bool> ended{false};
  std::thread worker([&] {
    RepeatEmit([&] { ++sends; return IrEmitStatus::kSent; }, stop);
    ended = true;
  });
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (sends < 3 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  EXPECT_GE(sends.load(), 3);
  EXPECT_FALSE(ended.load());
  stop = true;
  worker.join();
  EXPECT_TRUE(ended.load());
}

TEST(RepeatEmit, StopsAtTheFirstFailure) {
  std::atomic<bool> stop{false};
  int sends = 0;
  auto status = RepeatEmit(
      [&] { return ++sends == 3 ? IrEmitStatus::kLibraryMissing : IrEmitStatus::kSent; }, stop);
  EXPECT_EQ(status, IrEmitStatus::kLibraryMissing);
  EXPECT_EQ(sends, 3);
}

TEST(TestSendCodes, NoCodesDoesNothing) {
  RecordingSendOps ops;
  EXPECT_EQ(TestSendCodes({}, true, true, ops), "");
  EXPECT_TRUE(ops.events.empty());
}

TEST(TestSendCodes, SingleCodeOnceOrRepeatedUntilStopped) {
  RecordingSendOps once;
  EXPECT_EQ(TestSendCodes({kCodeA}, false, true, once), "");
  EXPECT_EQ(once.events, (Events{"emit " + kCodeA}));

  RecordingSendOps repeat;
  EXPECT_EQ(TestSendCodes({kCodeA}, true, false, repeat), "");
  EXPECT_EQ(repeat.events,
            (Events{"start " + kCodeA, std::string("notice ") + msg::kStopRepeat, "stop"}));
}

TEST(TestSendCodes, RepeatFailureIsReportedAfterTheStopBox) {
  RecordingSendOps ops;
  ops.repeatOutcome = IrEmitStatus::kLibraryMissing;
  EXPECT_EQ(TestSendCodes({kCodeA}, true, false, ops), msg::kIrSendError);
  EXPECT_EQ(ops.events.back(), "stop");
}

TEST(TestSendCodes, InvalidCodeIsNotRepeated) {
  RecordingSendOps ops;
  EXPECT_EQ(TestSendCodes({"junk"}, true, false, ops), msg::kInvalidIrCode);
  EXPECT_TRUE(ops.events.empty());
}

TEST(TestSendCodes, SeveralCodesPauseOrAskBetweenSendsOnly) {
  RecordingSendOps paused;
  EXPECT_EQ(TestSendCodes({kCodeA, kCodeB, kCodeC}, true, false, paused), "");
  EXPECT_EQ(paused.events, (Events{"emit " + kCodeA, "pause 50", "emit " + kCodeB, "pause 50",
                                   "emit " + kCodeC}));

  RecordingSendOps asked;
  const std::string next = std::string("notice ") + msg::kNextSend;
  EXPECT_EQ(TestSendCodes({kCodeA, kCodeB}, false, true, asked), "");
  EXPECT_EQ(asked.events, (Events{"emit " + kCodeA, next, "emit " + kCodeB}));
}

TEST(TestSendCodes, SeveralCodesStopAtTheFirstFailure) {
  RecordingSendOps ops;
  EXPECT_EQ(TestSendCodes({kCodeA, "bad", kCodeC}, false, false, ops), msg::kInvalidIrCode);
  EXPECT_EQ(ops.events, (Events{"emit " + kCodeA, "pause 50", "emit bad"}));
}
