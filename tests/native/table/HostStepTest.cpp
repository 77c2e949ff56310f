#include "table/HostStep.h"

#include <gtest/gtest.h>

#include "FakeFolderFiles.h"
#include "table/PublishHistory.h"
#include "table/RestoreVersion.h"

using namespace panel;

namespace {

const std::string kWork = "W:\\w", kHost = "H:\\h";
const std::string kHistory = kWork + "\\" + kHistoryFolderName;

// A table and its bitmap, both marked with their version.
template <class Files>
void PutPair(Files& fs, const std::string& folder, const std::string& version) {
  fs.files[folder + "\\t.tbl"] = "p.bmp\r\n" + version;
  fs.files[folder + "\\p.bmp"] = "BM" + version;
}

// The version the folder's pair holds, "" for none, "mixed" when they differ.
std::string PairIn(IFolderFiles& fs, const std::string& folder) {
  const auto table = fs.ReadWholeFile(folder + "\\t.tbl"), bitmap = fs.ReadWholeFile(folder + "\\p.bmp");
  if (!table && !bitmap) return "";
  if (!table || !bitmap || table->substr(7) != bitmap->substr(2)) return "mixed";
  return bitmap->substr(2);
}

// Killed after every number of steps (also while putting back after the
// bitmap cannot be replaced), the next start leaves one version in the host,
// only whole entries of the previous one in the history and nothing of ours.
TEST(HostStep, AKillAtAnyStepLeavesOneWholeVersionAfterTheNextStart) {
  for (const bool bitmapLocked : {false, true}) {
    bool finished = false;
    for (int kill = 0; !finished; ++kill) {
      FakeFolderFiles<> fs;
      PutPair(fs, kHost, "1");
      PutPair(fs, kWork, "2");
      if (bitmapLocked) fs.failAt = {"move " + TemporaryPathOf(kHost + "\\p.bmp") + " > " + kHost + "\\p.bmp"};
      fs.killAfter = kill;
      try {
        ReplaceHostFiles(fs, kWork, kHost, {{"t.tbl", kWork + "\\t.tbl"}, {"p.bmp", kWork + "\\p.bmp"}});
        finished = true;
      } catch (const Killed&) {
        fs.killAfter = -1;
        TidyAfterInterruption(fs, kWork, kHost);
      }
      SCOPED_TRACE(std::to_string(kill) + (bitmapLocked ? " locked" : ""));
      const std::string version = PairIn(fs, kHost);
      EXPECT_TRUE(version == "1" || (version == "2" && !bitmapLocked)) << version;
      EXPECT_TRUE(fs.Leftovers().empty()) << fs.Leftovers().front();
      const std::vector<std::string> entries = CompleteHistoryEntries(fs, kWork);
      // At worst a copy of the host's own version, if the kill came just after putting back.
      EXPECT_LE(entries.size(), 1u);
      if (version == "2") EXPECT_EQ(entries.size(), 1u);
      for (const std::string& entry : entries) EXPECT_EQ(PairIn(fs, kHistory + "\\" + entry), "1");
    }
  }
}

struct FakeRestore : FakeFolderFiles<IRestoreEnvironment> {
  bool answer = true;
  std::vector<std::string> asked;
  std::optional<std::string> WorkFolder() override { return kWork; }
  std::optional<std::string> HostPanelFolder() override { return kHost; }
  bool ConfirmRestore(const std::string& entry, const std::vector<std::string>& files) override {
    asked.push_back(entry + ":" + files.front() + "," + files.back());
    return answer;
  }
  void ReportNotKept(const std::string& failed) override { steps.push_back("not kept " + failed); }
  void ReportRestoreFailed(const std::string& target, HostLeft left) override {
    steps.push_back("failed " + target + " " + std::to_string(int(left)));
  }
};

TEST(HostStep, RestorePutsAWholeEntryBackAndKeepsTheVersionItReplaces) {
  FakeRestore env;
  PutPair(env, kHost, "2");
  PutPair(env, kHistory + "\\20261201-090000", "1");
  env.files[kHistory + "\\20261202-090000\\t.tbl"] = "p.bmp\r\n0";  // its bitmap lost
  EXPECT_FALSE(RestoreVersion("20261202-090000", env));
  EXPECT_TRUE(env.asked.empty()) << "an incomplete entry is never offered";

  env.answer = false;
  EXPECT_FALSE(RestoreVersion("20261201-090000", env));
  EXPECT_EQ(env.asked, std::vector<std::string>{"20261201-090000:t.tbl,p.bmp"});
  EXPECT_EQ(PairIn(env, kHost), "2");

  env.answer = true;
  env.failAt = {kHost + "\\p.bmp"};
  EXPECT_FALSE(RestoreVersion("20261201-090000", env));
  EXPECT_EQ(env.steps.back(), "failed " + kHost + "\\p.bmp 1");
  EXPECT_EQ(PairIn(env, kHost), "2");
  EXPECT_EQ(CompleteHistoryEntries(env, kWork), std::vector<std::string>{"20261201-090000"});

  env.failAt.clear();
  EXPECT_TRUE(RestoreVersion("20261201-090000", env));
  EXPECT_EQ(PairIn(env, kHost), "1");
  EXPECT_EQ(PairIn(env, kHistory + "\\20261208-101500"), "2");
}

}  // namespace
