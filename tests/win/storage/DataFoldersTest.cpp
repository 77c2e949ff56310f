// The work and host panel folders under the documents folder.
#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "data/DataFolders.h"
#include "data/OptionMdl.h"

using namespace storage_test;

namespace {

TEST(DataFolders, BothLieUnderTheShellsDocumentsFolderAndNothingIsCreated) {
  const std::optional<std::wstring> documents = ShellDocumentsFolder(nullptr);
  ASSERT_TRUE(documents.has_value());
  const std::wstring work = *documents + L"\\クロヴァンパネル作業";
  const std::wstring host = *documents + L"\\Kurovan\\パネルデータ";
  const bool workExisted = Exists(work), hostExisted = Exists(host), kurovanExisted = Exists(*documents + L"\\Kurovan");

  BoxRecorder script;
  TOptionMdl module;
  const std::string workSjis = module.GetWorkFolder(nullptr);
  const std::string hostSjis = module.GetHostPanelFolder(nullptr);
  EXPECT_EQ(winui::SjisToWide(workSjis), work);
  EXPECT_EQ(winui::SjisToWide(hostSjis), host);
  EXPECT_NE(workSjis.back(), '\\');
  EXPECT_NE(hostSjis.back(), '\\');
  EXPECT_EQ(module.GetWorkFolder(nullptr), workSjis);
  EXPECT_EQ(module.GetHostPanelFolder(nullptr), hostSjis);
  EXPECT_TRUE(script.boxes.empty());

  EXPECT_EQ(Exists(work), workExisted);
  EXPECT_EQ(Exists(host), hostExisted);
  EXPECT_EQ(Exists(*documents + L"\\Kurovan"), kurovanExisted);
}

TEST(DataFolders, AFolderAtADrivesRootGetsOneSeparator) {
  BoxRecorder script;
  EXPECT_EQ(DataFolderPath(nullptr, std::wstring(L"D:\\"), kWorkFolderTail), "D:\\クロヴァンパネル作業");
  EXPECT_EQ(DataFolderPath(nullptr, std::wstring(L"E:\\文書\\"), kHostPanelFolderTail), "E:\\文書\\Kurovan\\パネルデータ");
  EXPECT_TRUE(script.boxes.empty());
}

TEST(DataFolders, NoDocumentsFolderOrOneOutsideShiftJisIsReportedAndGivesNothing) {
  const struct {
    std::optional<std::wstring> documents;
    const wchar_t* mentioned;
  } cases[] = {
      {std::nullopt, L"マイドキュメントの場所が分かりません"},
      {std::wstring(), L"マイドキュメントの場所が分かりません"},
      {std::wstring(L"C:\\users\\Ren\u00e9e\\Documents"), L"C:\\users\\Ren\u00e9e\\Documents"},
      {std::wstring(L"C:\\users\\\uAC00\\Documents"), L"シフトJIS"},
  };
  for (const auto& c : cases) {
    BoxRecorder script;
    EXPECT_EQ(DataFolderPath(nullptr, c.documents, kWorkFolderTail), "");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, L"警告");
    EXPECT_NE(script.boxes[0].text.find(c.mentioned), std::wstring::npos) << script.boxes[0].text;
    EXPECT_EQ(script.boxes[0].buttons, winui::MsgButtons::Ok);
  }
}

}  // namespace
