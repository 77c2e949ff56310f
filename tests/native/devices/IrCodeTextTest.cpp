#include "devices/core/IrCodeText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using devices::FormatIrCodeText;
using devices::ParseIrCodeText;

namespace {

std::string Format(double p1, double p2, std::vector<unsigned char> bytes) {
  return FormatIrCodeText(p1, p2, bytes.data(), bytes.size());
}

}  // namespace

TEST(IrCodeText, FormatsHeaderAndUpperCaseDigits) {
  EXPECT_EQ(Format(1.5, 120.25, {0x0A, 0xFF}), "    1.50,  120.25,0AFF");
  EXPECT_EQ(Format(0, 0, {0x00, 0x0A, 0xFF}), "    0.00,    0.00,000AFF");
  EXPECT_EQ(Format(-1.5, 0, {0x7B}), "   -1.50,    0.00,7B");
}

TEST(IrCodeText, WideParametersAreWrittenInFull) {
  EXPECT_EQ(Format(123456.78, 99999.99, {0x01}), "123456.78,99999.99,01");
  EXPECT_EQ(Format(1e20, -12345678, {}), "100000000000000000000.00,-12345678.00,");
}

TEST(IrCodeText, HeaderMatchesPrintfRounding) {
  for (double v : {0.005, 0.015, 2.675, 1.005, -0.004, 99999.995, 12345678.125, 1e300}) {
    char expected[1024];
    std::snprintf(expected, sizeof expected, "%8.2f,%8.2f,", v, v);
    EXPECT_EQ(Format(v, v, {}), expected) << v;
  }
}

TEST(IrCodeText, LongestLearnedCodeRoundTrips) {
  std::vector<unsigned char> bytes(7999);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 7);
  std::string text = Format(12.34, -56.78, bytes);
  ASSERT_EQ(text.size(), 16016u);
  auto code = ParseIrCodeText(text);
  ASSERT_TRUE(code);
  EXPECT_DOUBLE_EQ(code->param1, 12.34);
  EXPECT_DOUBLE_EQ(code->param2, -56.78);
  EXPECT_EQ(code->bytes, bytes);
}

TEST(IrCodeText, ParsesUnpaddedFields) {
  auto code = ParseIrCodeText("1,-2.5,00FF");
  ASSERT_TRUE(code);
  EXPECT_EQ(code->param1, 1.0);
  EXPECT_EQ(code->param2, -2.5);
  EXPECT_EQ(code->bytes, (std::vector<unsigned char>{0x00, 0xFF}));
}

TEST(IrCodeText, RejectsTextsTheFormatterCannotWrite) {
  const char* bad[] = {
      "",
      "0AFF",
      "    1.50,0AFF",            // one comma
      "    1.50,  120.25,",       // no bytes
      "    1.50,  120.25,0AF",    // odd digit count
      "    1.50,  120.25,0aff",   // lower case
      "    1.50,  120.25,0G",
      "    1.50,  120.25,0A FF",
      "    1.50,  120.25,0A,FF",  // third comma
      "        ,  120.25,0A",     // blank parameter
      "    1.50,,0A",
      "     abc,  120.25,0A",
      "    1.50 ,  120.25,0A",    // trailing blank
      "    1e10,  120.25,0A",     // exponent
      "  0x1.8p0,  120.25,0A",
      "    1.50,  120.25,0A\r\n",
      "     inf,  120.25,0A",     // from_chars takes these; the device must never see them
      "    1.50,     nan,0A",
      "    -inf,  120.25,0A",
      "NAN(123),  120.25,0A",
      "infinity,  120.25,0A",
  };
  for (const char* text : bad) EXPECT_FALSE(ParseIrCodeText(text)) << '"' << text << '"';
}
