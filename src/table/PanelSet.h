#pragma once
// A person's panels seen together: every table of the work folder, the
// panel-switch buttons between them, and how each stands against the copy the
// host program has. Decided here, apart from the files and windows.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/FileNames.h"
#include "table/FolderFiles.h"

namespace panel {

enum class PublishedState {
  Same,         // the host holds the same table and bitmap
  Differs,      // the host's table or bitmap is not the work copy
  Unpublished,  // the host has no such table
};

struct SetSwitch {
  int ordinal = 0;  // the button
  char target = 0;  // the identifier it switches to
};

struct SetPanel {
  std::string tableName;    // "機器操作A.tbl"
  std::string bitmapName;   // its first line, "" when none inside the folder
  std::string readFailure;  // "" or why the reader refused the table
  int columns = 1;
  bool closes = false;      // a 閉じる button is on it
  std::vector<SetSwitch> switches;
  PublishedState published = PublishedState::Unpublished;
};

// "機器操作" + one byte + ".tbl", as the host program names a panel (any letter case of the extension).
bool IsPanelTableName(std::string_view name);

// The panel described by its table file's bytes and the host's copies of its
// files (nothing where the host has none).
SetPanel DescribeSetPanel(std::string tableName, std::string_view tableBytes, std::string_view workBitmap,
                          const std::optional<std::string>& hostTable, const std::optional<std::string>& hostBitmap);

// Every table of the work folder, in name order, compared with the host's.
std::vector<SetPanel> ReadPanelSet(IFolderFiles& files, const std::string& work, const std::string& host);

struct SetLink {
  size_t from = 0;
  int ordinal = 0;            // the switch button on `from`
  std::optional<size_t> to;   // nothing: no such panel in the work folder
};

struct SetLinks {
  std::vector<SetLink> links;
  std::vector<bool> reached;   // some other panel switches to it
  std::vector<bool> trapped;   // no way from it, switch after switch, to a 閉じる button, though it switches on
};

// The switches between `panels`, names compared as the file system does.
SetLinks LinkPanels(const std::vector<SetPanel>& panels, const IFileNames& names);

}  // namespace panel
