#include "table/ManagePanelSteps.h"

#include <gtest/gtest.h>

#include "FakeFolderFiles.h"
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

}  // namespace
