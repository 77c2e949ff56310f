// publish_kill_driver WORK HOST COUNT
// Runs what the program runs at start on the two folders, tells what a kill
// left and whether the host holds a table and a bitmap of one version, then
// publishes COUNT new versions through the real save (every third run puts
// the oldest kept version back instead). The kill test kills it at random
// moments while it publishes. Each version is marked in both files: the
// table's program button runs "v<n>", the bitmap is filled with colour n.
#include <windows.h>

#include <cstdio>
#include <string>

#include "WinTestSupport.h"
#include "data/PanelFiles.h"
#include "table/CommandCode.h"
#include "table/FolderFiles.h"
#include "table/HostStep.h"
#include "table/PanelNames.h"
#include "table/PublishHistory.h"
#include "table/TableFileReader.h"
#include "winui/FolderTree.h"
#include "winui/Picture.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

const std::string kTable = std::string(kTableFilePrefix) + "A.tbl";
const std::string kBitmap = std::string(kTableFilePrefix) + "A.bmp";

struct Yes : IAskUser {
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};

bool PublishAnyway(HWND, const std::vector<PanelFinding>&) { return true; }

COLORREF ColourOf(int version) { return RGB(version % 256, version / 256 % 256, 7); }

// The version a table and bitmap pair holds: -1 when missing or unreadable,
// -2 when the two differ.
int VersionIn(const std::string& folder) {
  CPanelTable table;
  Yes yes;
  winui::Picture picture;
  if (!ReadTableFile(table, folder + "\\" + kTable, yes).empty() ||
      !picture.LoadFromFile(folder + "\\" + kBitmap).empty()) {
    return -1;
  }
  const int version = std::atoi(table.Cell(0).GetCommandText().c_str() + 1);
  return picture.PixelAt(0, 0) == ColourOf(version) ? version : -2;
}

int Leftovers(const std::string& folder) {
  int count = 0;
  for (const std::wstring& name : winui::FolderEntries(winui::SjisToWide(folder))) {
    const std::optional<std::string> sjis = winui::WideToSjis(name);
    count += sjis && (IsTemporaryName(*sjis) || *sjis == kHostStepRecordName);
  }
  return count;
}

bool Publish(const PanelFolders& folders, const std::string& work, int version) {
  CPanelTable table;
  table.SetTablePath(work + "\\" + kTable);
  table.SetBitmapName(kBitmap);
  table.CreateGrid(20, 10, 2, 1);
  table.Cell(0).ReplaceCode(ExternalProgramCode());
  table.Cell(0).AddText("v" + std::to_string(version));
  winui::Picture picture;
  picture.Create(40, 10, ColourOf(version));
  wintest::BoxRecorder yes({true});
  return SaveTable(table, nullptr, picture, folders, PublishAnyway) == SaveResult::Published;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const std::string work = argv[1], host = argv[2];
  const int count = std::atoi(argv[3]);
  const std::string history = work + "\\" + kHistoryFolderName;
  const PanelFolders folders{[&](HWND) { return work; }, [&](HWND) { return host; }};

  const int found = Leftovers(work) + Leftovers(host) + Leftovers(history);
  TidyPanelFolders(work, host);
  const int hostVersion = VersionIn(host);
  int badEntries = 0;
  const std::vector<std::string> entries = PublishHistoryEntries(nullptr, folders);
  for (const std::string& entry : entries) badEntries += VersionIn(history + "\\" + entry) < 0;
  const int left = Leftovers(work) + Leftovers(host) + Leftovers(history);
  std::printf("start: found %d, host version %d, entries %zu, bad entries %d, left %d\n", found, hostVersion,
              entries.size(), badEntries, left);
  std::fflush(stdout);
  const bool whole = hostVersion != -2 && badEntries == 0 && left == 0;

  int version = hostVersion > 0 ? hostVersion : 0;
  for (int i = 1; i <= count; ++i) {
    const std::vector<std::string> kept = PublishHistoryEntries(nullptr, folders);
    if (i % 3 == 0 && !kept.empty()) {
      wintest::BoxRecorder yes({true});
      RestorePublishedVersion(nullptr, kept.back(), folders);
    } else if (!Publish(folders, work, ++version)) {
      std::printf("publishing failed\n");
      return 1;
    }
    if (i == 1) {
      std::printf("publishing\n");
      std::fflush(stdout);
    }
  }
  return whole ? 0 : 1;
}
