#include "table/PanelSet.h"

#include <gtest/gtest.h>

#include "FoldingFileNames.h"
#include "table/FakeFolderFiles.h"
#include "table/PanelCheckTexts.h"
#include "table/PanelSetCheck.h"
#include "table/PanelSetTexts.h"
#include "table/PublishHistory.h"
#include "table/RestoreVersion.h"

using namespace panel;

namespace {

const std::string kWork = "W:\\w", kHost = "H:\\h";

// A 2 x 1 panel of 40 x 30 buttons with the two codes given.
std::string Table(char id, const std::string& codes) {
  return "機器操作" + std::string(1, id) + ".bmp\r\n40,30,2,1\r\n" + codes + "\r\n";
}

struct SetFiles : FakeFolderFiles<IPanelSetEnvironment> {
  bool SameFile(std::string_view a, std::string_view b) const override { return FoldingFileNames().SameFile(a, b); }
  std::optional<PictureSize> LoadPictureSize(const std::string& path) override {
    return files.count(path) ? std::optional(PictureSize{80, 30}) : std::nullopt;
  }
  void Put(const std::string& folder, char id, const std::string& codes, const std::string& bitmap = "BM") {
    files[folder + "\\機器操作" + id + ".tbl"] = Table(id, codes);
    files[folder + "\\機器操作" + id + ".bmp"] = bitmap;
  }
};

std::vector<std::string> Texts(const std::vector<SetFinding>& findings) {
  std::vector<std::string> texts;
  for (const SetFinding& f : findings) texts.push_back(f.tableName + " " + f.finding.text);
  return texts;
}

// A switches to B and to the missing Z; B and C switch to each other with no
// way to close; D closes and nobody switches to it. A is published as it is,
// B with another bitmap, C and D never.
struct FourPanels : ::testing::Test {
  SetFiles fs;
  std::vector<SetPanel> panels;
  void SetUp() override {
    fs.Put(kWork, 'A', "GB  GZ  ");
    fs.Put(kWork, 'B', "GC      ");
    fs.Put(kWork, 'C', "GB      ");
    fs.Put(kWork, 'D', "Q   GA  ");
    fs.Put(kHost, 'A', "GB  GZ  ");
    fs.Put(kHost, 'B', "GC      ", "BM old");
    panels = ReadPanelSet(fs, kWork, kHost);
  }
};

TEST_F(FourPanels, LinksMarkMissingTargetsUnreachedPanelsLoopsAndWhatDiffers) {
  ASSERT_EQ(panels.size(), 4u);
  EXPECT_EQ(panels[0].published, PublishedState::Same);
  EXPECT_EQ(panels[1].published, PublishedState::Differs);
  EXPECT_EQ(panels[2].published, PublishedState::Unpublished);
  EXPECT_EQ(PanelsToPublish(panels), (std::vector<size_t>{1, 2, 3}));

  const SetLinks links = LinkPanels(panels, fs);
  ASSERT_EQ(links.links.size(), 5u);
  EXPECT_EQ(links.links[1].ordinal, 1);
  EXPECT_FALSE(links.links[1].to);  // A's switch to Z
  EXPECT_EQ(links.reached, (std::vector<bool>{true, true, true, false}));
  EXPECT_EQ(links.trapped, (std::vector<bool>{true, true, true, false}));
}

TEST_F(FourPanels, TheCombinedCheckCountsPanelsPublishedTogetherAndNamesPanelAndButton) {
  const std::string unpublishedC = CellLabel(0, 2) + "切替先のパネル「機器操作C.tbl」はまだクロヴァンに公開されていません。そのパネルも公開してください。";
  const std::string loop = CellLabel(0, 2) + kSwitchLoopNoWayOut;
  const std::string missingZ = CellLabel(1, 2) + "切替先のパネル「機器操作Z.tbl」が作業フォルダにもクロヴァンのフォルダにもありません。そのパネルを作って公開するか、切替先を直してください。";
  EXPECT_EQ(Texts(CheckSetForPublishing(fs, kWork, kHost, panels, {1, 2})),
            (std::vector<std::string>{"機器操作B.tbl " + loop, "機器操作C.tbl " + loop}));
  EXPECT_EQ(Texts(CheckSetForPublishing(fs, kWork, kHost, panels, {0, 1})),
            (std::vector<std::string>{"機器操作A.tbl " + missingZ, "機器操作B.tbl " + unpublishedC,
                                      "機器操作A.tbl " + loop, "機器操作B.tbl " + loop}));
}

// A failure part way is shown on real files; here, what one step holds.
TEST_F(FourPanels, PublishingTwiceKeepsTheFirstStepWholeInOneHistoryEntry) {
  ASSERT_EQ(PublishPanels(fs, fs, kWork, kHost, panels, {1, 3}).outcome, HostStepOutcome::Done);
  EXPECT_EQ(fs.files[kHost + "\\機器操作B.bmp"], "BM");
  EXPECT_EQ(fs.files[kHost + "\\機器操作D.tbl"], fs.files[kWork + "\\機器操作D.tbl"]);
  fs.Put(kWork, 'B', "GA      ", "BM 3");
  fs.Put(kWork, 'D', "Q       ", "BM 3");
  fs.now = "20261208-101600";
  ASSERT_EQ(PublishPanels(fs, fs, kWork, kHost, ReadPanelSet(fs, kWork, kHost), {1, 3}).outcome, HostStepOutcome::Done);
  const std::vector<std::string> entries = CompleteHistoryEntries(fs, kWork);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(PublishedVersionFiles(fs, kWork, entries[0]),
            (std::vector<std::string>{"機器操作B.tbl", "機器操作D.tbl", "機器操作B.bmp", "機器操作D.bmp"}));
  EXPECT_EQ(fs.files[kWork + "\\" + kHistoryFolderName + "\\" + entries[0] + "\\機器操作D.bmp"], "BM");
}

}  // namespace
