#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FakeFolderFiles.h"
#include "ScriptedAsk.h"
#include "table/PublishHistory.h"
#include "table/RestoreVersion.h"
#include "table/TableFileReader.h"
#include "table/TableSave.h"
#include "table/TableTexts.h"

using namespace panel;

namespace {

// Records every platform step. Findings of the panel check are published
// anyway (the dialog's answers are tested under Wine).
struct FakeEnvironment : FakeFolderFiles<ISaveEnvironment> {
  std::optional<std::string> work = std::string("W:\\work");
  std::optional<std::string> host = std::string("H:\\host");

  std::optional<std::string> WorkFolder() override { return work; }
  std::optional<std::string> HostPanelFolder() override {
    steps.push_back("host");
    return host;
  }
  bool SavePicture(const std::string& path) override { return WriteWholeFile(path, "BM"); }
  bool SameFile(std::string_view a, std::string_view b) const override { return a == b; }
  PictureSize PanelPictureSize() override { return {20, 10}; }
  bool PublishDespite(const std::vector<PanelFinding>&) override { return true; }
  void ReportUnsavable(UnsavableReason reason) override { steps.push_back("unsavable " + std::to_string(int(reason))); }
  void ReportNotSaved(const std::string& path) override { steps.push_back("not saved " + path); }
  void ReportPublishFailed(const std::string& target, HostLeft left) override {
    steps.push_back("publish failed " + target + " " + std::to_string(int(left)));
  }
};

CPanelTable Table() {
  CPanelTable t;
  t.SetTablePath("W:\\work\\\x8b\x40.tbl");
  t.SetBitmapName("\x83\x5c.bmp");  // ソ.bmp
  EXPECT_TRUE(t.CreateGrid(10, 10, 2, 1));
  t.Cell(0).ReplaceCode(ExternalProgramCode());
  t.Cell(0).AddText("notepad.exe");
  t.Cell(1).ReplaceCode(*InfraredCode(1, InfraredSendFlag::Plain));
  t.Cell(1).AddText("'memo");
  t.Cell(1).AddText("on\tdata");
  return t;
}

const std::string kTable = "W:\\work\\\x8b\x40.tbl";
const std::string kBitmap = "W:\\work\\\x83\x5c.bmp";
const std::string kHostTable = "H:\\host\\\x8b\x40.tbl";
const std::string kHostBitmap = "H:\\host\\\x83\x5c.bmp";
const std::string kRecord = "W:\\work\\~host-step.txt";
const std::string kHistory = std::string("W:\\work\\") + kHistoryFolderName;

std::string Temporary(const std::string& path) { return TemporaryPathOf(path); }

TEST(SaveTable, WritesBitmapThenTableAndPublishesTableFirstOnYes) {
  CPanelTable t = Table();
  FakeEnvironment env;
  ScriptedAsk ask(true);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::Published);
  EXPECT_EQ(env.steps, (std::vector<std::string>{
                           "write " + kBitmap, "write " + kTable, "host",
                           "copy " + kTable + " > " + Temporary(kHostTable),
                           "copy " + kBitmap + " > " + Temporary(kHostBitmap), "write " + kRecord,
                           "move " + Temporary(kHostTable) + " > " + kHostTable,
                           "move " + Temporary(kHostBitmap) + " > " + kHostBitmap, "remove " + kRecord}));
  EXPECT_EQ(ask.asked, std::vector<std::string>{kPublishQuestion});
  EXPECT_EQ(ask.captions, std::vector<std::string>{kCautionCaption});
  EXPECT_EQ(t.Cell(0).GetCode()[1], '0') << "identifiers are assigned by the save";

  CPanelTable back;
  ScriptedAsk none;
  ASSERT_EQ(ReadTableBytes(back, env.files.at(kHostTable), kHostTable, none), "");
  EXPECT_EQ(back.Cell(0).GetCommandText(), "notepad.exe");
  EXPECT_EQ(back.Cell(1).GetText(0), "on\tdata");
}

TEST(SaveTable, NoLeavesTheHostFolderAlone) {
  CPanelTable t = Table();
  FakeEnvironment env;
  ScriptedAsk ask(false);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::Saved);
  EXPECT_EQ(env.steps, (std::vector<std::string>{"write " + kBitmap, "write " + kTable}));
}

TEST(SaveTable, FailedBitmapEndsTheSaveBeforeTheTableChanges) {
  CPanelTable t = Table();
  t.Cell(0).SetCode(MakeCellCode("R7  "), 0);
  FakeEnvironment env;
  env.failAt = {kBitmap};
  ScriptedAsk ask(true);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::NotSaved);
  EXPECT_EQ(env.steps, std::vector<std::string>{"write " + kBitmap});
  EXPECT_TRUE(ask.asked.empty());
  EXPECT_EQ(CodeText(t.Cell(0).GetCode()), "R7  ");
}

TEST(SaveTable, FailedTableFileAsksNothingAndKeepsTheIdentifiers) {
  CPanelTable t = Table();
  t.Cell(0).SetCode(MakeCellCode("R7  "), 0);
  FakeEnvironment env;
  env.failAt = {kTable};
  ScriptedAsk ask(true);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::NotSaved);
  EXPECT_TRUE(ask.asked.empty());
  EXPECT_EQ(env.steps.back(), "not saved " + kTable);
  EXPECT_EQ(CodeText(t.Cell(0).GetCode()), "R7  ") << "the unwritten identifiers must not stay in memory";
  EXPECT_EQ(CodeText(t.Cell(1).GetCode()), "01  ");
}

TEST(SaveTable, NoWorkFolderOrUnencodableTableWritesNothing) {
  {
    CPanelTable t = Table();
    FakeEnvironment env;
    env.work.reset();
    ScriptedAsk ask(true);
    EXPECT_EQ(SaveTable(t, env, ask), SaveResult::NotSaved);
    EXPECT_TRUE(env.steps.empty());
  }
  {
    CPanelTable t = Table();
    t.Cell(0).ReplaceCode(*InfraredCode(1, InfraredSendFlag::Plain));  // same key as cell 1
    FakeEnvironment env;
    ScriptedAsk ask(true);
    EXPECT_EQ(SaveTable(t, env, ask), SaveResult::NotSaved);
    EXPECT_EQ(env.steps, std::vector<std::string>{"unsavable 2"});
  }
  for (const auto& [name, reason] : {std::pair("..\\evil.bmp", "unsavable 0"), std::pair("sub\\COM1 .bmp", "unsavable 3")}) {
    CPanelTable t = Table();
    t.SetBitmapName(name);
    FakeEnvironment env;
    ScriptedAsk ask(true);
    EXPECT_EQ(SaveTable(t, env, ask), SaveResult::NotSaved);
    EXPECT_EQ(env.steps, std::vector<std::string>{reason});
  }
}

// The host's previous pair comes back whichever file fails, and no history
// entry stays from a publication that did not happen.
TEST(SaveTable, FailedPublishingLeavesTheHostPairAsItWasAndNoEntry) {
  const std::string moveTable = "move " + Temporary(kHostTable) + " > " + kHostTable;
  const std::string moveBitmap = "move " + Temporary(kHostBitmap) + " > " + kHostBitmap;
  const std::string keptTable = kHistory + "\\20261208-101500\\\x8b\x40.tbl";
  const struct {
    std::set<std::string> failAt;
    HostLeft left;
  } cases[] = {{{Temporary(kHostBitmap)}, HostLeft::AsBefore},
               {{moveTable}, HostLeft::AsBefore},
               {{moveBitmap}, HostLeft::PutBack},
               {{moveBitmap, "copy " + keptTable + " > " + kHostTable}, HostLeft::Mixed}};
  for (const auto& c : cases) {
    CPanelTable t = Table();
    FakeEnvironment env;
    env.files[kHostTable] = "old table";
    env.files[kHostBitmap] = "old bitmap";
    env.failAt = c.failAt;
    ScriptedAsk ask(true);
    EXPECT_EQ(SaveTable(t, env, ask), SaveResult::PublishFailed);
    const std::string failed = c.failAt.count(moveTable) ? kHostTable : kHostBitmap;
    EXPECT_EQ(env.steps.back(), "publish failed " + failed + " " + std::to_string(int(c.left)));
    EXPECT_EQ(env.files.at(kHostBitmap), "old bitmap");
    if (c.left == HostLeft::Mixed) {
      EXPECT_EQ(env.files.at(keptTable), "old table") << "the previous table stays in the history";
      EXPECT_TRUE(env.ReadWholeFile(kRecord)) << "the next start tries again";
      continue;
    }
    EXPECT_EQ(env.files.at(kHostTable), "old table");
    EXPECT_TRUE(env.FolderNames(kHistory).empty());
    EXPECT_TRUE(env.Leftovers().empty());
  }
  CPanelTable t = Table();
  FakeEnvironment env;
  env.host.reset();
  ScriptedAsk ask(true);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::PublishFailed);
  EXPECT_EQ(env.steps.back(), "host");
}

TEST(SaveTable, BitmapInASubfolderIsPublishedToTheSameSubfolderMadeFirst) {
  CPanelTable t = Table();
  t.SetBitmapName("a\\\x83\x5c\\p.bmp");  // a\ソ\p.bmp
  FakeEnvironment env;
  ScriptedAsk ask(true);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::Published);
  EXPECT_EQ(env.files.at("H:\\host\\a\\\x83\x5c\\p.bmp"), "BM");
  EXPECT_TRUE(env.folders.count("H:\\host\\a\\\x83\x5c"));

  FakeEnvironment failing;
  failing.failAt = {"H:\\host\\a"};
  EXPECT_EQ(SaveTable(t, failing, ask), SaveResult::PublishFailed);
  EXPECT_EQ(failing.steps.back(), "publish failed H:\\host\\a 0");
  EXPECT_EQ(failing.files.count(kHostTable), 0u) << "the host folder stays as it was";
  EXPECT_TRUE(failing.Leftovers().empty());
}

// Only whole entries count, are listed and fill the ten places; publishing
// the host's own files again adds none.
TEST(SaveTable, HistoryKeepsTheNewestTenWholeVersionsOnlyWhenTheHostChanges) {
  CPanelTable t = Table();
  FakeEnvironment env;
  env.files[kHostTable] = "\x83\x5c.bmp\r\nold table";
  env.files[kHostBitmap] = "old bitmap";
  for (int i = 0; i < 10; ++i) {
    const std::string entry = kHistory + "\\2026110" + std::to_string(i) + "-090000\\";
    env.files[entry + "x.tbl"] = "x.bmp\r\n";
    env.files[entry + "x.bmp"] = "BM";
  }
  env.folders.insert(kHistory + "\\20261120-090000");                      // empty
  env.files[kHistory + "\\20261121-090000\\x.tbl"] = "x.bmp\r\n";         // no bitmap
  env.files[kHistory + "\\20261122-090000\\~x.tbl.tmp"] = "x.bmp\r\n";    // a temporary only
  env.files[kHistory + "\\~20261123-090000.tmp\\x.tbl"] = "x.bmp\r\n";    // never renamed
  env.files[kHistory + "\\~20261123-090000.tmp\\x.bmp"] = "BM";
  EXPECT_EQ(CompleteHistoryEntries(env, "W:\\work").size(), 10u);
  EXPECT_EQ(CompleteHistoryEntries(env, "W:\\work").back(), "20261100-090000");

  ScriptedAsk ask(true);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::Published);
  const std::vector<std::string> kept = CompleteHistoryEntries(env, "W:\\work");
  ASSERT_EQ(kept.size(), 10u);
  EXPECT_EQ(kept.front(), "20261208-101500");
  EXPECT_EQ(kept.back(), "20261101-090000");
  EXPECT_EQ(PublishedVersionFiles(env, "W:\\work", kept.front()),
            (std::vector<std::string>{"\x8b\x40.tbl", "\x83\x5c.bmp"}));
  EXPECT_EQ(env.FolderNames(kHistory).size(), 11u) << "the incomplete entries are gone, the temporary waits for the start";

  env.now = "20261208-101600";
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::Published);
  EXPECT_EQ(CompleteHistoryEntries(env, "W:\\work").front(), "20261208-101500");
}

TEST(SaveTable, PublishQuestionIsTheProgramsOwn) {
  if (sizeof("テ") != 3) GTEST_SKIP() << "narrow literals are not CP932 in this build";
  EXPECT_STREQ(kPublishQuestion, "クロヴァンに反映させますか？");
}

}  // namespace
