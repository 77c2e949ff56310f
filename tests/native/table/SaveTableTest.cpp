#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ScriptedAsk.h"
#include "table/PublishHistory.h"
#include "table/TableFileReader.h"
#include "table/TableSave.h"
#include "table/TableTexts.h"

namespace {

// Records every platform step; `failAt` names a target path whose write or
// copy fails. Findings of the panel check are published anyway (the dialog's
// answers are tested under Wine).
struct FakeEnvironment : ISaveEnvironment {
  std::optional<std::string> work = std::string("W:\\work");
  std::optional<std::string> host = std::string("H:\\host");
  std::string failAt;
  std::map<std::string, std::string> files;
  std::vector<std::string> steps;
  std::string now = "20261208-101500";

  std::optional<std::string> WorkFolder() override { return work; }
  std::optional<std::string> HostPanelFolder() override {
    steps.push_back("host");
    return host;
  }
  bool SavePicture(const std::string& path) override { return Write(path, "BM"); }
  bool WriteWholeFile(const std::string& path, const std::string& bytes) override { return Write(path, bytes); }
  bool MakeFolder(const std::string& path) override {
    steps.push_back("make " + path);
    return path != failAt;
  }
  bool CopyReplacing(const std::string& from, const std::string& to) override {
    steps.push_back("copy " + from + " > " + to);
    if (to == failAt) return false;
    files[to] = files.at(from);
    return true;
  }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  bool SameFile(std::string_view a, std::string_view b) const override { return a == b; }
  std::vector<std::string> FolderNames(const std::string& folder) override {
    std::vector<std::string> names;
    for (const auto& [path, bytes] : files) {
      if (path.rfind(folder + "\\", 0) != 0) continue;
      const std::string name = path.substr(folder.size() + 1, path.find('\\', folder.size() + 1) - folder.size() - 1);
      if (names.empty() || names.back() != name) names.push_back(name);
    }
    return names;
  }
  void RemoveTree(const std::string& path) override {
    steps.push_back("remove " + path);
    std::erase_if(files, [&](const auto& file) { return file.first.rfind(path + "\\", 0) == 0; });
  }
  std::string Timestamp() override { return now; }
  PictureSize PanelPictureSize() override { return {20, 10}; }
  bool PublishDespite(const std::vector<PanelFinding>&) override { return true; }
  void ReportUnsavable(UnsavableReason reason) override { steps.push_back("unsavable " + std::to_string(int(reason))); }
  void ReportPublishFailed(const std::string& target) override { steps.push_back("publish failed " + target); }

  bool Write(const std::string& path, const std::string& bytes) {
    steps.push_back("write " + path);
    if (path == failAt) return false;
    files[path] = bytes;
    return true;
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

TEST(SaveTable, WritesBitmapThenTableAndPublishesTableFirstOnYes) {
  CPanelTable t = Table();
  FakeEnvironment env;
  ScriptedAsk ask(true);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::Published);
  EXPECT_EQ(env.steps, (std::vector<std::string>{"write " + kBitmap, "write " + kTable, "host",
                                                 "copy " + kTable + " > " + kHostTable,
                                                 "copy " + kBitmap + " > " + kHostBitmap}));
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
  env.failAt = kBitmap;
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
  env.failAt = kTable;
  ScriptedAsk ask(true);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::NotSaved);
  EXPECT_TRUE(ask.asked.empty());
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

TEST(SaveTable, PublishingStopsAtTheFirstFailedCopy) {
  {
    CPanelTable t = Table();
    FakeEnvironment env;
    env.failAt = kHostTable;
    ScriptedAsk ask(true);
    EXPECT_EQ(SaveTable(t, env, ask), SaveResult::PublishFailed);
    EXPECT_EQ(env.steps.back(), "publish failed " + kHostTable);
    EXPECT_EQ(env.files.count(kHostBitmap), 0u) << "no new bitmap beside an old table";
    EXPECT_EQ(env.files.count(kTable), 1u);
  }
  {
    CPanelTable t = Table();
    FakeEnvironment env;
    env.failAt = kHostBitmap;
    ScriptedAsk ask(true);
    EXPECT_EQ(SaveTable(t, env, ask), SaveResult::PublishFailed);
    EXPECT_EQ(env.steps.back(), "publish failed " + kHostBitmap);
  }
  {
    CPanelTable t = Table();
    FakeEnvironment env;
    env.host.reset();
    ScriptedAsk ask(true);
    EXPECT_EQ(SaveTable(t, env, ask), SaveResult::PublishFailed);
    EXPECT_EQ(env.steps.back(), "host");
  }
}

TEST(SaveTable, BitmapInASubfolderIsPublishedToTheSameSubfolderMadeFirst) {
  CPanelTable t = Table();
  t.SetBitmapName("a\\\x83\x5c\\p.bmp");  // a\ソ\p.bmp
  FakeEnvironment env;
  ScriptedAsk ask(true);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::Published);
  EXPECT_EQ(env.steps, (std::vector<std::string>{
                           "write W:\\work\\a\\\x83\x5c\\p.bmp", "write " + kTable, "host", "make H:\\host\\a",
                           "make H:\\host\\a\\\x83\x5c", "copy " + kTable + " > " + kHostTable,
                           "copy W:\\work\\a\\\x83\x5c\\p.bmp > H:\\host\\a\\\x83\x5c\\p.bmp"}));

  FakeEnvironment failing;
  failing.failAt = "H:\\host\\a";
  EXPECT_EQ(SaveTable(t, failing, ask), SaveResult::PublishFailed);
  EXPECT_EQ(failing.steps.back(), "publish failed H:\\host\\a");
  EXPECT_EQ(failing.files.count(kHostTable), 0u) << "the host folder stays as it was";
}

// Keeping the previous files is tested with real files under Wine; here, that
// only the newest ten entries stay.
TEST(SaveTable, PublishingPrunesTheHistoryToTheNewestTen) {
  const std::string history = std::string("W:\\work\\") + kHistoryFolderName;
  CPanelTable t = Table();
  FakeEnvironment env;
  env.files[kHostTable] = "old table";
  for (int i = 0; i < 10; ++i) env.files[history + "\\2026110" + std::to_string(i) + "-090000\\x.tbl"] = "older";
  ScriptedAsk ask(true);
  EXPECT_EQ(SaveTable(t, env, ask), SaveResult::Published);
  const std::vector<std::string> kept = env.FolderNames(history);
  ASSERT_EQ(kept.size(), 10u);
  EXPECT_EQ(kept.front(), "20261101-090000");
  EXPECT_EQ(kept.back(), "20261208-101500");
}

TEST(SaveTable, PublishQuestionIsTheProgramsOwn) {
  if (sizeof("テ") != 3) GTEST_SKIP() << "narrow literals are not CP932 in this build";
  EXPECT_STREQ(kPublishQuestion, "クロヴァンに反映させますか？");
}

}  // namespace
