#include "table/SetArchive.h"

#include <gtest/gtest.h>
#include <minizip/zip.h>

#include <fstream>
#include <iterator>
#include <utility>

#include "table/FakeFolderFiles.h"
#include "table/ImportStep.h"
#include "table/PublishHistory.h"
#include "table/RecoveryCopy.h"
#include "table/SetTransfer.h"

using namespace panel;

namespace {

const std::string kWork = "W:\\w";

TEST(SetArchive, NamesStayInsideTheWorkFolderAndOutOfOurOwnFiles) {
  for (const char* name : {"機器操作A.tbl", "sub\\ソ.bmp", "faces\\a\\b.dat"}) EXPECT_TRUE(IsArchiveMemberName(name)) << name;
  for (const std::string& name : {std::string("..\\x.bmp"), std::string("sub\\..\\..\\x"), std::string("C:\\x.bmp"),
                                  std::string("\\x.bmp"), std::string("a/../x"), std::string("~host-step.txt"),
                                  std::string("sub\\~p.bmp.tmp"), std::string(kHistoryFolderName) + "\\1\\t.tbl",
                                  std::string(kRecoveryFolderName) + "\\A\\t.tbl",
                                  std::string("nul.bmp"), ArchiveFileName("20261208-101500")}) {
    EXPECT_FALSE(IsArchiveMemberName(name)) << name;
  }
  EXPECT_EQ(ArchiveFileName("20261208-101500"), "パネル一式-20261208.zip");
}

// A zip file made apart from the set's own packing.
std::string ForeignZip(const std::vector<std::pair<std::string, std::string>>& members) {
  const std::string path = ::testing::TempDir() + "foreign.zip";
  zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
  for (const auto& [name, bytes] : members) {
    zipOpenNewFileInZip(zip, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION);
    zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
    zipCloseFileInZip(zip);
  }
  zipClose(zip, nullptr);
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SetArchive, OnlyASoundArchiveOfOursWhoseNamesStayInsideIsUnpacked) {
  const std::optional<std::string> ours = PackArchive({{"機器操作A.tbl", "t\r\n"}, {"sub\\ソ.bmp", "BM"}}, "20261208-101500");
  ASSERT_TRUE(ours);
  const UnpackedArchive sound = UnpackArchive(*ours);
  ASSERT_EQ(sound.problem, ArchiveProblem::None);
  ASSERT_EQ(sound.files.size(), 2u);
  EXPECT_EQ(std::pair(sound.files[1].name, sound.files[1].bytes), std::pair(std::string("sub\\ソ.bmp"), std::string("BM")));

  std::string corrupt = *ours;
  corrupt[corrupt.find("sub/") + 11] ^= 0x55;  // inside the bitmap's packed bytes, after its name
  const std::string manifest = "panel-set 1\r\nfile=..\\x.bmp\r\n";
  const std::pair<std::string, ArchiveProblem> hostile[] = {
      {"not a zip", ArchiveProblem::Damaged},
      {ours->substr(0, ours->size() - 30), ArchiveProblem::Damaged},
      {corrupt, ArchiveProblem::Damaged},
      {ForeignZip({{"機器操作A.tbl", "t"}}), ArchiveProblem::NotOurs},
      {ForeignZip({{"~panel-set.txt", "panel-set 1\r\n"}, {"機器操作A.tbl", "t"}}), ArchiveProblem::NotOurs},
      {ForeignZip({{"~panel-set.txt", manifest}, {"../x.bmp", "BM"}}), ArchiveProblem::NameOutside},
  };
  for (const auto& [bytes, problem] : hostile) {
    const UnpackedArchive refused = UnpackArchive(bytes);
    EXPECT_EQ(refused.problem, problem) << static_cast<int>(problem);
    EXPECT_TRUE(refused.files.empty());
  }
}

TEST(SetTransfer, AnImportFailingPartWayPutsBackWhatItReplaced) {
  FakeFolderFiles<> fs;
  fs.files = {{kWork + "\\a.tbl", "old a"}, {kWork + "\\c.bmp", "old c"}};
  const std::map<std::string, std::string> before = fs.files;
  const std::vector<ArchiveFile> archived = {{"a.tbl", "new a"}, {"sub\\b.bmp", "new b"}, {"c.bmp", "new c"}};
  const ImportPlan plan = PlanImport(fs, kWork, archived);
  EXPECT_EQ(plan.added, std::vector<std::string>{"sub\\b.bmp"});
  EXPECT_EQ(plan.replaced, (std::vector<std::string>{"a.tbl", "c.bmp"}));

  fs.failAt = {"move " + TemporaryPathOf(kWork + "\\c.bmp") + " > " + kWork + "\\c.bmp"};
  const ImportResult failed = ImportSet(fs, kWork, archived);
  EXPECT_EQ(failed.outcome, ImportOutcome::PutBack);
  EXPECT_EQ(failed.failed, kWork + "\\c.bmp");
  EXPECT_EQ(fs.files, before);
}

// Killed after every number of steps (also while putting back after the
// last move fails), the next start leaves the work folder exactly as before
// the import or, once it was whole, exactly as after, with nothing of ours.
TEST(SetTransfer, AKillAtAnyStepOfAnImportLeavesTheWorkFolderBeforeOrAfterIt) {
  const std::vector<ArchiveFile> archived = {{"a.tbl", "new a"}, {"sub\\b.bmp", "new b"}, {"sub\\c.bmp", "new c"}};
  const std::map<std::string, std::string> before = {{kWork + "\\a.tbl", "old a"}, {kWork + "\\sub\\c.bmp", "old c"}};
  const std::map<std::string, std::string> after = {
      {kWork + "\\a.tbl", "new a"}, {kWork + "\\sub\\b.bmp", "new b"}, {kWork + "\\sub\\c.bmp", "new c"}};
  for (const bool lastLocked : {false, true}) {
    bool finished = false;
    for (int kill = 0; !finished; ++kill) {
      FakeFolderFiles<> fs;
      fs.files = before;
      if (lastLocked) fs.failAt = {"move " + TemporaryPathOf(kWork + "\\sub\\c.bmp") + " > " + kWork + "\\sub\\c.bmp"};
      fs.killAfter = kill;
      try {
        ImportSet(fs, kWork, archived);
        finished = true;
      } catch (const Killed&) {
        fs.killAfter = -1;
        fs.failAt.clear();
        EXPECT_TRUE(SettleImportStep(fs, kWork));
      }
      SCOPED_TRACE(std::to_string(kill) + (lastLocked ? " locked" : ""));
      EXPECT_TRUE(fs.files == before || (fs.files == after && !lastLocked));
      if (finished) {
        EXPECT_EQ(fs.files, lastLocked ? before : after);
      }
    }
  }
}

}  // namespace
