#include "table/ManagePanelSteps.h"

#include <gtest/gtest.h>

#include "FakeFolderFiles.h"
#include "table/FaceFileNames.h"
#include "table/PanelNames.h"

using namespace panel;

namespace {

struct FakePanelFiles : FakeFolderFiles<IPanelFilesEnvironment> {
  std::optional<char> AskIdentifier(const std::string&) override { return 'B'; }
  bool ConfirmReplaceBitmap(const std::string&) override { return true; }
  std::vector<std::string> TableFileNames(const std::string&) override { return {}; }
  bool ConfirmDelete(const DeleteQuestion&) override { return true; }
  bool SameFile(std::string_view a, std::string_view b) const override { return a == b; }
  void Report(PanelFileProblem problem, const std::string& path, const std::string&) override {
    steps.push_back("report " + std::to_string(int(problem)) + " " + path);
  }
};

TEST(ManagePanelSteps, ACopyWhoseTableCannotBeWrittenLeavesNoBitmapItMade) {
  const std::string a = std::string("W:\\") + kTableFilePrefix + "A.tbl";
  const std::string b = std::string("W:\\") + kTableFilePrefix + "B.tbl";
  const std::string copiedBitmap = std::string("W:\\") + kTableFilePrefix + "B.bmp";
  for (const bool bitmapThere : {false, true}) {
    FakePanelFiles env;
    env.files[a] = "a.bmp\r\n1,1,1,1\r\n    \r\n";
    env.files["W:\\a.bmp"] = "BM new";
    if (bitmapThere) env.files[copiedBitmap] = "BM old";
    env.failAt = {b};
    EXPECT_EQ(DuplicatePanel("W:", kTableFilePrefix + std::string("A.tbl"), env), std::nullopt);
    EXPECT_EQ(env.steps.back(), "report " + std::to_string(int(PanelFileProblem::TableNotMade)) + " " + b);
    EXPECT_EQ(env.files.count(copiedBitmap), bitmapThere ? 1u : 0u) << "one the user had agreed to replace stays";
  }
}

TEST(ManagePanelSteps, FaceFilesFollowTheirPanelAndNeverDressAnother) {
  const std::string a = kTableFilePrefix + std::string("A.tbl");
  const std::string b = kTableFilePrefix + std::string("B.tbl");
  const auto at = [](const std::string& name) { return "W:\\" + name; };
  const std::string shared = at(kFacePicturesFolder + std::string("\\door.jpg"));
  FakePanelFiles env;
  env.files[at(a)] = "a.bmp\r\n1,1,1,1\r\n    \r\n";
  env.files["W:\\a.bmp"] = "BM";
  env.files[at(FaceFileNameOf(a))] = "faces of A";
  env.files[at(FaceBackgroundNameOf(a))] = "BM background of A";
  env.files[shared] = "jpeg";

  // The copy gets faces of its own, which stay after the source is gone.
  EXPECT_EQ(DuplicatePanel("W:", a, env), b);
  EXPECT_EQ(env.files[at(FaceFileNameOf(b))], "faces of A");
  EXPECT_EQ(env.files[at(FaceBackgroundNameOf(b))], "BM background of A");
  EXPECT_TRUE(DeletePanel("W:", a, env));
  EXPECT_EQ(env.files.count(at(FaceFileNameOf(a))) + env.files.count(at(FaceBackgroundNameOf(a))), 0u);
  EXPECT_EQ(env.files.count(at(FaceFileNameOf(b))) + env.files.count(shared), 2u) << "pictures are shared";

  // A copy of a panel without faces drops what a deleted panel of its name left.
  env.files[at(a)] = env.files.extract(at(b)).mapped();
  EXPECT_EQ(DuplicatePanel("W:", a, env), b);
  EXPECT_EQ(env.files.count(at(FaceFileNameOf(b))) + env.files.count(at(FaceBackgroundNameOf(b))), 0u);

  // A face file that cannot go is reported; the table is gone all the same.
  env.files[at(FaceFileNameOf(b))] = "faces";
  env.failAt = {at(FaceFileNameOf(b))};
  EXPECT_TRUE(DeletePanel("W:", b, env));
  EXPECT_EQ(env.steps.back(), "report " + std::to_string(int(PanelFileProblem::FacesNotDeleted)) + " " + at(FaceFileNameOf(b)));
}

}  // namespace
