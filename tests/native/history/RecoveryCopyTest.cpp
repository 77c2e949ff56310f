#include <gtest/gtest.h>

#include "FakeFolderFiles.h"
#include "table/RecoveryCopy.h"

using namespace panel;

namespace {

const std::string kCopies = RecoveryFolderOf("W:\\work");

TEST(RecoveryCopy, EachStateIsWholeOrThePreviousOneStaysAndDamageShows) {
  FakeFolderFiles<> files;
  const std::string copy = NewRecoveryCopyFolder(files, kCopies);
  EXPECT_EQ(copy, "W:\\work\\\x95\x9c\x8c\xb3\x97\x70\\20261208-101500-1");
  EXPECT_EQ(ReadRecoveryCopy(files, copy).state, RecoveryState::Missing);
  ASSERT_TRUE(WriteRecoveryCopy(files, copy, {"W:\\work\\a.tbl", "table 1", "bitmap 1"}));
  EXPECT_EQ(NewRecoveryCopyFolder(files, kCopies), kCopies + "\\20261208-101500-2");

  files.killAfter = 4;  // the second state's table and bitmap written, not its manifest
  EXPECT_THROW(WriteRecoveryCopy(files, copy, {"W:\\work\\a.tbl", "table 2", "bitmap 2"}), Killed);
  files.killAfter = -1;
  RecoveryCopy read = ReadRecoveryCopy(files, copy);
  EXPECT_EQ(read.state, RecoveryState::Whole);
  EXPECT_EQ(read.tablePath, "W:\\work\\a.tbl");
  EXPECT_EQ(read.writtenAt, "20261208-101500");
  EXPECT_EQ(read.tableBytes, "table 1");
  EXPECT_EQ(files.files.at(read.bitmapPath), "bitmap 1");

  ASSERT_TRUE(WriteRecoveryCopy(files, copy, {"W:\\work\\a.tbl", "table 3", "bitmap 3", "\n<X>\n"}));
  read = ReadRecoveryCopy(files, copy);
  EXPECT_EQ(read.tableBytes, "table 3");
  EXPECT_EQ(read.extraText, "\n<X>\n");
  EXPECT_EQ(files.files.at(read.bitmapPath), "bitmap 3");
  EXPECT_EQ(files.files.size(), 3u);  // the other slot removed

  files.files.at(read.bitmapPath)[0] = 'B';
  EXPECT_EQ(ReadRecoveryCopy(files, copy).state, RecoveryState::Damaged);
  EXPECT_EQ(ReadRecoveryCopy(files, copy, false).state, RecoveryState::Whole);  // the manifest alone is sound
  files.files.at(copy + "\\manifest.txt").resize(40);
  EXPECT_EQ(ReadRecoveryCopy(files, copy, false).state, RecoveryState::Damaged);

  EXPECT_EQ(RecoveryCopyFolders(files, kCopies), std::vector<std::string>{copy});
  ASSERT_TRUE(SetAsideDamaged(files, copy));
  EXPECT_TRUE(RecoveryCopyFolders(files, kCopies).empty());
}

}  // namespace
