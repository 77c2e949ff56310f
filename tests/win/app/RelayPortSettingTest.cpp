// The relay port setting's registry storage.
#include <windows.h>

#include <gtest/gtest.h>

#include "RegistrySandbox.h"
#include "data/RelayPortSetting.h"

TEST(RelayPortText, AcceptsIntegersOnly) {
  struct Case {
    const wchar_t* text;
    int expected;
  } cases[] = {
      {L"1", 1},   {L"12", 12},       {L"0", 0},           {L"-3", -3},          {L"+4", 4},
      {L" 7", 7},  {L"", 1},          {L" ", 1},           {L"-", 1},            {L"abc", 1},
      {L"7x", 1},  {L"7 ", 1},        {L"1.5", 1},         {L"0x10", 1},         {L"2147483647", 2147483647},
      {L"-2147483648", -2147483647 - 1}, {L"2147483648", 1}, {L"99999999999999999999", 1}, {L"\uff17", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(relay_port::ParseText(c.text), c.expected) << '"' << c.text << '"';
}

TEST(RelayPortRegistry, MissingValueReadsAsOneAndCreatesOnlyTheMainKey) {
  RegistrySandbox sandbox;
  EXPECT_EQ(relay_port::Read(), 1);
  EXPECT_TRUE(RegistrySandbox::KeyExists(kZentorik));
  EXPECT_FALSE(RegistrySandbox::KeyExists(kEnv));
}

TEST(RelayPortRegistry, WritesDecimalTextAndReadsItBack) {
  RegistrySandbox sandbox;
  ASSERT_TRUE(relay_port::Write(12));
  const auto stored = RegistrySandbox::Value();
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(stored->text, L"12");
  EXPECT_EQ(relay_port::Read(), 12);
  ASSERT_TRUE(relay_port::Write(-5));
  EXPECT_EQ(relay_port::Read(), -5);
}

TEST(RelayPortRegistry, OtherValueTypes) {
  RegistrySandbox sandbox;
  const DWORD number = 7;
  RegistrySandbox::SetValue(REG_DWORD, &number, sizeof(number));
  EXPECT_EQ(relay_port::Read(), 7);
  const BYTE bytes[] = {3, 0, 0, 0};
  RegistrySandbox::SetValue(REG_BINARY, bytes, sizeof(bytes));
  EXPECT_EQ(relay_port::Read(), 1);
  // A number of the wrong size holds no number.
  RegistrySandbox::SetValue(REG_DWORD, bytes, 2);
  EXPECT_EQ(relay_port::Read(), 1);
  RegistrySandbox::SetValue(REG_DWORD, bytes, 0);
  EXPECT_EQ(relay_port::Read(), 1);
  RegistrySandbox::SetString(L"abc");
  EXPECT_EQ(relay_port::Read(), 1);
  // A string written without its terminating null.
  RegistrySandbox::SetValue(REG_SZ, L"34", 2 * sizeof(wchar_t));
  EXPECT_EQ(relay_port::Read(), 34);
}
