#include "table/CommandProgram.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace panel;

namespace {

struct Files {
  std::set<std::string> present;
  std::vector<std::string> asked;
  CommandProgram Resolve(std::string_view line) {
    return ResolveProgram(line, [this](const std::string& path) {
      asked.push_back(path);
      return present.count(path) != 0;
    });
  }
};

TEST(CommandProgram, FoundAsTheSystemFindsIt) {
  Files files;
  files.present = {"C:\\Program Files\\tool\\run.exe", "C:\\x.exe", "\\\\srv\\s\\a b.exe", "C:\\t\\prog.exe"};
  const struct {
    const char* line;
    const char* program;
    bool found;
  } cases[] = {
      {"C:\\Program Files\\tool\\run.exe --arg 1", "C:\\Program Files\\tool\\run.exe", true},
      {"C:/x.exe /y", "C:\\x.exe", true},
      {"C:\\t\\prog\t/arg", "C:\\t\\prog.exe", true},
      {" \t\"\\\\srv\\s\\a b.exe\" 1", "\\\\srv\\s\\a b.exe", true},
      {"C:\\Program Files\\gone.exe /x", "C:\\Program Files\\gone.exe", false},
      {"C:\\gone a", "C:\\gone", false},
      {"\"C:\\Program Files\\tool\\run.exe --arg", "C:\\Program Files\\tool\\run.exe --arg", false},
  };
  for (const auto& c : cases) {
    const CommandProgram program = files.Resolve(c.line);
    EXPECT_EQ(program.program, c.program) << c.line;
    EXPECT_EQ(program.found, c.found) << c.line;
    EXPECT_TRUE(program.fullPath) << c.line;
  }
  EXPECT_EQ(files.Resolve("C:\\Program Files\\tool\\run.exe --arg 1").found, true);
  EXPECT_EQ(files.asked.back(), "C:\\Program Files\\tool\\run.exe") << "word by word, shortest first";
  EXPECT_EQ(files.asked.end()[-2], "C:\\Program.exe");
}

TEST(CommandProgram, BareNamesAreLeftToTheSystemsSearch) {
  Files files;
  const CommandProgram bare = files.Resolve("notepad memo.txt");
  EXPECT_EQ(bare.program, "notepad");
  EXPECT_FALSE(bare.fullPath);
  EXPECT_EQ(files.Resolve(" \t ").program, "");
  EXPECT_EQ(files.Resolve("\"\" x").program, "");
  EXPECT_TRUE(files.asked.empty());
}

TEST(CommandProgram, OnlyPathsThatCanExistAreTried) {
  Files files;
  const std::string blanks(100000, ' ');
  const CommandProgram program = files.Resolve("C:\\" + blanks + "x" + blanks + "y");
  EXPECT_FALSE(program.found);
  EXPECT_EQ(files.asked, std::vector<std::string>{"C:\\.exe"});
  files.asked.clear();
  std::string words = "C:\\a";
  for (int i = 0; i < 50000; ++i) words += " b";
  files.Resolve(words);
  EXPECT_EQ(files.asked.size(), (kMaxProgramPathBytes - 4) / 2 + 1);
  for (const std::string& path : files.asked) EXPECT_LE(path.size(), kMaxProgramPathBytes + 4);
}

}  // namespace
