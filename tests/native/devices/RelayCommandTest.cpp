#include "devices/core/RelayCommand.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "devices/core/DeviceMessages.h"

using namespace devices;

namespace {

class RecordingRelayOps : public RelayTestOps {
 public:
  bool portOpens = true;
  std::vector<std::string> events;

  bool SendRelayByte(unsigned char byte) override {
    events.push_back("send " + std::to_string(byte));
    return portOpens;
  }
  void ShowNotice(const std::string& text) override { events.push_back("notice " + text); }
};

using Events = std::vector<std::string>;

}  // namespace

TEST(RelayCommand, ParsesNumberLikeTheEditField) {
  struct Case { const char* text; int number; } cases[] = {
      {"5", 5},   {"  7", 7},   {" \t9", 9},    {"+3", 3},     {"-1", -1},   {"12abc", 12},
      {"0031", 31}, {"", 0},    {"abc", 0},     {"-", 0},      {"+-3", 0},   {"3 4", 3},
      {"99999999999999999999", INT_MAX},        {"-99999999999999999999", INT_MIN},
      {"2147483648", INT_MAX},                  {"-2147483648", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseRelayNumber(c.text), c.number) << c.text;
}

TEST(RelayCommand, RangeAndBytes) {
  EXPECT_TRUE(IsValidRelayNumber(0));
  EXPECT_TRUE(IsValidRelayNumber(31));
  EXPECT_FALSE(IsValidRelayNumber(32));
  EXPECT_FALSE(IsValidRelayNumber(-1));
  EXPECT_EQ(RelayCommandByte(5, kRelayPulse), 37);
  EXPECT_EQ(RelayCommandByte(31, kRelayPulse), 63);
  EXPECT_EQ(RelayCommandByte(5, kRelayToggle), 5);
  EXPECT_EQ(RelayCommandByte(0, kRelayUntilClick), 0);
}

TEST(RelayTest, SendsOneByteForPulseAndToggle) {
  RecordingRelayOps ops;
  EXPECT_EQ(RunRelayTest("5", kRelayPulse, ops), "");
  EXPECT_EQ(RunRelayTest("5", kRelayToggle, ops), "");
  EXPECT_EQ(RunRelayTest("x", kRelayToggle, ops), "");
  EXPECT_EQ(ops.events, (Events{"send 37", "send 5", "send 0"}));
}

TEST(RelayTest, UntilClickSendsTwiceAroundTheBox) {
  RecordingRelayOps ops;
  EXPECT_EQ(RunRelayTest("7", kRelayUntilClick, ops), "");
  EXPECT_EQ(ops.events,
            (Events{"send 7", std::string("notice ") + msg::kClickToStop, "send 7"}));
}

TEST(RelayTest, UntilClickStopsWhenThePortDoesNotOpen) {
  RecordingRelayOps ops;
  ops.portOpens = false;
  RunRelayTest("7", kRelayUntilClick, ops);
  EXPECT_EQ(ops.events, (Events{"send 7"}));
}

TEST(RelayTest, InvalidNumberOrNoActionSendsNothing) {
  RecordingRelayOps ops;
  EXPECT_EQ(RunRelayTest("32", kRelayPulse, ops), msg::kInvalidRelayNumber);
  EXPECT_EQ(RunRelayTest("-1", kRelayToggle, ops), msg::kInvalidRelayNumber);
  EXPECT_EQ(RunRelayTest("99999999999", kRelayToggle, ops), msg::kInvalidRelayNumber);
  EXPECT_EQ(RunRelayTest("3", -1, ops), "");
  EXPECT_TRUE(ops.events.empty());
}
