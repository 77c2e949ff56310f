#include "table/PanelSet.h"

#include <algorithm>

#include "table/AskUser.h"
#include "table/CommandCode.h"
#include "table/PanelNames.h"
#include "table/PanelTable.h"
#include "table/TableChecks.h"
#include "table/TableFileReader.h"

namespace panel {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsPanelTableName(std::string_view name) {
  const std::string_view prefix = kTableFilePrefix;
  if (name.size() != prefix.size() + 5 || name.substr(0, prefix.size()) != prefix) return false;
  const std::string_view ext = name.substr(prefix.size() + 1);
  return ext[0] == '.' && Lower(ext[1]) == 't' && Lower(ext[2]) == 'b' && Lower(ext[3]) == 'l';
}

SetPanel DescribeSetPanel(std::string tableName, std::string_view tableBytes, std::string_view workBitmap,
                          const std::optional<std::string>& hostTable, const std::optional<std::string>& hostBitmap) {
  SetPanel panel;
  panel.tableName = std::move(tableName);
  panel.bitmapName = BitmapNameOfTableBytes(tableBytes).value_or(std::string());
  if (!hostTable) {
    panel.published = PublishedState::Unpublished;
  } else {
    const bool same = *hostTable == tableBytes && hostBitmap && *hostBitmap == workBitmap;
    panel.published = same ? PublishedState::Same : PublishedState::Differs;
  }
  CPanelTable table;
  GoOnAsker goOn;
  panel.readFailure = ReadTableBytes(table, tableBytes, panel.tableName, goOn);
  if (!panel.readFailure.empty()) return panel;
  panel.columns = std::max(1, table.Columns());
  for (int ordinal = 0; ordinal < table.CellCount(); ++ordinal) {
    const CellCode code = table.Cell(ordinal).GetCode();
    const CommandKind kind = KindOfCode(code);
    if (kind == CommandKind::Close) panel.closes = true;
    if (kind == CommandKind::PanelSwitch) panel.switches.push_back({ordinal, code[1]});
  }
  return panel;
}

std::vector<SetPanel> ReadPanelSet(IFolderFiles& files, const std::string& work, const std::string& host) {
  std::vector<std::string> names;
  for (const std::string& name : files.FolderNames(work)) {
    if (IsPanelTableName(name) && files.FileExists(work + "\\" + name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  std::vector<SetPanel> panels;
  for (const std::string& name : names) {
    const std::string bytes = files.ReadWholeFile(work + "\\" + name).value_or(std::string());
    const std::optional<std::string> bitmapName = BitmapNameOfTableBytes(bytes);
    const auto read = [&](const std::string& folder) {
      return bitmapName ? files.ReadWholeFile(folder + "\\" + *bitmapName) : std::nullopt;
    };
    panels.push_back(DescribeSetPanel(name, bytes, read(work).value_or(std::string()),
                                      files.ReadWholeFile(host + "\\" + name), read(host)));
  }
  return panels;
}

SetLinks LinkPanels(const std::vector<SetPanel>& panels, const IFileNames& names) {
  SetLinks result;
  result.reached.assign(panels.size(), false);
  for (size_t from = 0; from < panels.size(); ++from) {
    for (const SetSwitch& button : panels[from].switches) {
      SetLink link{from, button.ordinal, std::nullopt};
      const std::string target = TableFileName(button.target);
      for (size_t to = 0; to < panels.size() && !link.to; ++to) {
        if (names.SameFile(panels[to].tableName, target)) link.to = to;
      }
      if (link.to && *link.to != from) result.reached[*link.to] = true;
      result.links.push_back(link);
    }
  }
  // A panel can be left when it closes or switches to one that can be left.
  std::vector<bool> leaves(panels.size());
  for (size_t i = 0; i < panels.size(); ++i) leaves[i] = panels[i].closes;
  for (bool grew = true; grew;) {
    grew = false;
    for (const SetLink& link : result.links) {
      if (link.to && leaves[*link.to] && !leaves[link.from]) grew = leaves[link.from] = true;
    }
  }
  result.trapped.assign(panels.size(), false);
  for (const SetLink& link : result.links) {
    if (link.to && !leaves[link.from]) result.trapped[link.from] = true;
  }
  return result;
}

}  // namespace panel
