// Publishing, exporting and importing a panel set with real files and
// (scripted) message boxes.
#include <gtest/gtest.h>
#include <minizip/zip.h>

#include <map>

#include "StorageTestSupport.h"
#include "data/PanelSetFiles.h"
#include "table/PublishHistory.h"
#include "winui/Picture.h"

using namespace panel;
using namespace storage_test;

namespace {

using Contents = std::map<std::wstring, std::vector<std::uint8_t>>;

// Every file under `folder` by its relative name, with its bytes.
void Collect(const std::wstring& folder, const std::wstring& prefix, Contents& out) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      Collect(folder + L"\\" + name, prefix + name + L"\\", out);
    } else {
      out[prefix + name] = ReadBytes(folder + L"\\" + name);
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

Contents ContentsOf(const TempFolder& folder) {
  Contents out;
  Collect(folder.Path(), L"", out);
  return out;
}

class PanelSetFiles : public ::testing::Test {
 protected:
  // A 2 x 1 panel of 40 x 30 buttons that closes and switches to `to`, its bitmap in `color`.
  void PutPanel(const TempFolder& folder, wchar_t id, wchar_t to, COLORREF color) {
    const std::string sjisId = *winui::WideToSjis(std::wstring(1, id));
    WriteText(folder / (L"機器操作" + std::wstring(1, id) + L".tbl"),
              "機器操作" + sjisId + ".bmp\r\n40,30,2,1\r\nQ   G" + *winui::WideToSjis(std::wstring(1, to)) + "  \r\n");
    winui::Picture picture;
    ASSERT_TRUE(picture.Create(80, 30, color));
    ASSERT_EQ(picture.SaveToFile(folder.Sjis() + "\\機器操作" + sjisId + ".bmp"), L"");
  }
  SetFolders Folders() const { return {work.Sjis(), host.Sjis()}; }

  TempFolder work;
  TempFolder host;
};

TEST_F(PanelSetFiles, AFailurePartWayThroughPublishingLeavesTheHostFolderAsItWas) {
  PutPanel(host, L'A', L'B', RGB(1, 1, 1));
  PutPanel(host, L'B', L'A', RGB(1, 1, 1));
  PutPanel(work, L'A', L'B', RGB(2, 2, 2));
  PutPanel(work, L'B', L'C', RGB(2, 2, 2));
  PutPanel(work, L'C', L'A', RGB(2, 2, 2));
  const Contents before = ContentsOf(host);
  const std::vector<SetPanel> panels = ReadWorkPanelSet(Folders());
  ASSERT_EQ(PanelsToPublish(panels), (std::vector<size_t>{0, 1, 2}));

  // The host program holds B's bitmap open: the tables and A's bitmap are in place by then.
  HANDLE held = CreateFileW((host / L"機器操作B.bmp").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  BoxRecorder script({true});
  EXPECT_FALSE(PublishWorkPanelSet(nullptr, Folders(), panels, PanelsToPublish(panels), nullptr));
  CloseHandle(held);
  ASSERT_EQ(script.boxes.size(), 2u);
  EXPECT_EQ(script.boxes[1].caption, L"警告");
  EXPECT_NE(script.boxes[1].text.find(host / L"機器操作B.bmp"), std::wstring::npos) << script.boxes[1].text;
  EXPECT_NE(script.boxes[1].text.find(L"反映する前のまま"), std::wstring::npos);
  EXPECT_EQ(ContentsOf(host), before);
}

TEST_F(PanelSetFiles, ExportThenImportIntoAnEmptyWorkFolderGivesTheSameFiles) {
  PutPanel(work, L'A', L'B', RGB(2, 2, 2));
  PutPanel(work, L'ソ', L'A', RGB(3, 3, 3));
  CreateDirectoryW((work / L"ソ絵").c_str(), nullptr);
  WriteText(work / L"ソ絵\\face.dat", std::string("\0\xff\r\n", 4));
  const Contents set = ContentsOf(work);
  // Ours, not the set's: the history and a step record stay behind.
  CreateDirectoryW((work / L"公開履歴").c_str(), nullptr);
  WriteText(work / L"~host-step.txt", "step=forward\r\n");

  TempFolder other;
  const std::string archive = other.Sjis() + "\\set.zip";
  BoxRecorder script({true});
  ASSERT_TRUE(ExportWorkPanelSet(nullptr, work.Sjis(), archive));
  TempFolder empty;
  ASSERT_TRUE(ImportWorkPanelSet(nullptr, empty.Sjis(), archive));
  EXPECT_EQ(ContentsOf(empty), set);
  ASSERT_EQ(script.boxes.size(), 3u);
  EXPECT_NE(script.boxes[1].text.find(L"追加するファイル：\n　ソ絵\\face.dat"), std::wstring::npos) << script.boxes[1].text;
}

// A zip file at `path` whose list of ours names a place outside the work folder.
void WriteArchiveLeavingTheFolder(const std::string& path) {
  zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
  for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"~panel-set.txt", "panel-set 1\r\nfile=..\\x.bmp\r\n"},
                                    std::pair<std::string, std::string>{"../x.bmp", "BM"}}) {
    zipOpenNewFileInZip(zip, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION);
    zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
    zipCloseFileInZip(zip);
  }
  zipClose(zip, nullptr);
}

TEST_F(PanelSetFiles, AHostileArchiveIsRefusedAndChangesNothing) {
  PutPanel(work, L'A', L'B', RGB(2, 2, 2));
  TempFolder other;
  BoxRecorder script({true, true});
  ASSERT_TRUE(ExportWorkPanelSet(nullptr, work.Sjis(), other.Sjis() + "\\whole.zip"));
  std::vector<std::uint8_t> cut = ReadBytes(other / L"whole.zip");
  cut.resize(cut.size() / 2);
  WriteBytes(other / L"cut.zip", cut);
  WriteArchiveLeavingTheFolder(other.Sjis() + "\\evil.zip");
  TempFolder target;
  PutPanel(target, L'A', L'C', RGB(4, 4, 4));
  const Contents before = ContentsOf(target);
  const std::wstring outside = target.Path().substr(0, target.Path().rfind(L'\\')) + L"\\x.bmp";

  EXPECT_FALSE(ImportWorkPanelSet(nullptr, target.Sjis(), other.Sjis() + "\\cut.zip"));
  EXPECT_FALSE(ImportWorkPanelSet(nullptr, target.Sjis(), other.Sjis() + "\\evil.zip"));
  EXPECT_EQ(ContentsOf(target), before);
  EXPECT_FALSE(Exists(outside));
  ASSERT_EQ(script.boxes.size(), 3u);
  EXPECT_NE(script.boxes[1].text.find(L"途中で切れています"), std::wstring::npos) << script.boxes[1].text;
  EXPECT_NE(script.boxes[2].text.find(L"作業フォルダの外"), std::wstring::npos) << script.boxes[2].text;
  EXPECT_NE(script.boxes[2].text.find(L"..\\x.bmp"), std::wstring::npos);
}

}  // namespace
