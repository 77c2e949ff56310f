#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "ScriptedAsk.h"
#include "table/TableFileReader.h"
#include "table/TableFileWriter.h"
#include "table/TableTexts.h"

using namespace panel;

namespace {

// Random tables of every command kind whose texts the format can carry: no
// line ends inside texts, code texts neither empty nor starting with an
// apostrophe. Texts mix Shift-JIS double-byte characters, '=', TAB and '<'.
class TableGenerator {
 public:
  explicit TableGenerator(unsigned seed) : rng_(seed) {}

  CPanelTable Next() {
    CPanelTable t;
    const int columns = Pick(1, 30), rows = Pick(1, 8);
    EXPECT_TRUE(t.CreateGrid(Pick(1, 100), Pick(1, 100), columns, rows));
    t.SetBitmapName(Text(1, 20));
    int external = 0;
    for (int i = 0; i < t.CellCount(); ++i) {
      CButtonInfo& cell = t.Cell(i);
      switch (Pick(0, 5)) {
        case 0: break;
        case 1: cell.ReplaceCode(*RelayCode(Pick(0, 31), Pick<RelayAction>({'&', ' ', '-'}))); break;
        case 2:
          if (i >= kInfraredOrdinalLimit) break;
          cell.ReplaceCode(*InfraredCode(i, Pick<InfraredSendFlag>({' ', '-', '+', 'N'})));
          cell.AddText("'" + Text(0, 30));
          for (int k = Pick(0, 9); k > 0; --k) cell.AddText(Text(0, 8) + "\t" + Text(1, 300));
          break;
        case 3: cell.ReplaceCode(*PanelSwitchCode(EXTERNAL_ID_ALPHABET[Pick(0, 61)])); break;
        case 4:
          if (external++ >= 62) break;
          cell.ReplaceCode(ExternalProgramCode());
          cell.AddText(Text(0, 80));
          break;
        case 5: cell.ReplaceCode(CloseCode()); break;
      }
    }
    const std::string keptTokens[] = {"", kRemoteDataSuffix, std::string(kRemoteDataSuffix).substr(4)};
    for (int n = Pick(0, 3); n > 0; --n) t.ExtraText() += keptTokens[Pick(0, 2)] + "\n";
    return t;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  template <typename E>
  E Pick(std::initializer_list<char> values) {
    return static_cast<E>(values.begin()[Pick(0, static_cast<int>(values.size()) - 1)]);
  }
  std::string Text(int minLength, int maxLength) {
    static const char* pieces[] = {"a", "Z", "0", "=", "<", " ", "\t", "\x83\x5c", "\x8b\x40", "\x82\xa0", "'"};
    std::string s;
    const int n = Pick(minLength, maxLength);
    while (static_cast<int>(s.size()) < n) s += pieces[Pick(0, 10)];
    if (s.empty() && minLength > 0) s = "x";
    if (!s.empty() && s[0] == '\'') s[0] = 'q';
    return s;
  }
  std::mt19937 rng_;
};

void ExpectSameCells(const CPanelTable& a, const CPanelTable& b) {
  ASSERT_EQ(a.CellCount(), b.CellCount());
  for (int i = 0; i < a.CellCount(); ++i) {
    const CButtonInfo& x = a.Cell(i);
    const CButtonInfo& y = b.Cell(i);
    ASSERT_EQ(CodeText(x.GetCode()), CodeText(y.GetCode())) << i;
    ASSERT_EQ(x.GetMemo(), y.GetMemo()) << i;
    // An external cell's command line is read back into slot 0 without counting it.
    const bool external = x.GetCode()[0] == 'R';
    if (!external) {
      ASSERT_EQ(x.GetCount(), y.GetCount()) << i;
    }
    for (int k = 0; k < (external ? 1 : x.GetCount()); ++k) ASSERT_EQ(x.GetText(k), y.GetText(k)) << i;
  }
}

}  // namespace

TEST(RoundTrip, WriteReadWriteAddsOnlyTheTwoSeparatorLines) {
  TableGenerator generator(20240611);
  for (int n = 0; n < 300; ++n) {
    CPanelTable original = generator.Next();
    const auto first = FormatTableFile(original);
    ASSERT_TRUE(first) << n;
    CPanelTable read;
    ScriptedAsk ask;
    ASSERT_EQ(ReadTableBytes(read, *first, "C:\\w\\t.tbl", ask), "") << n;
    ASSERT_TRUE(ask.asked.empty()) << n;
    EXPECT_EQ(read.BitmapName(), original.BitmapName());
    EXPECT_EQ(read.ExtraText(), "\n\n" + original.ExtraText());
    ExpectSameCells(original, read);
    const auto second = FormatTableFile(read);
    ASSERT_TRUE(second) << n;
    // The separators land before the kept lines, each of which is one CR LF longer.
    const size_t keptBytes = original.ExtraText().size() + std::count(original.ExtraText().begin(), original.ExtraText().end(), '\n');
    std::string expected = *first;
    expected.insert(expected.size() - keptBytes, "\r\n\r\n");
    ASSERT_TRUE(*second == expected) << n << ": differs from byte "
                                     << std::mismatch(second->begin(), second->end(), expected.begin(), expected.end()).first - second->begin();
  }
}
