#pragma once
// Duplicating and deleting a panel of the work folder with real files and
// message boxes; what to copy or remove is decided by table/ManagePanels.h.
// Every failure is shown in a "警告" box naming the file and the system's
// reason. Paths and names are Shift-JIS.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The names "機器操作?.tbl" of the work folder that the list shows: one
// character after the prefix, plain files only, each writable in code page 932.
std::vector<std::wstring> TableFileNames(const std::string& workFolder);

// Asks for the identifier of the copy (the form TDuplicatePanelFm) and makes
// the table, its bitmap and its face files; the new table's name, or nothing when nothing was
// made (cancelled, refused or failed).
std::optional<std::string> DuplicatePanel(HWND owner, const std::string& workFolder, const std::string& tableName);

// Asks, then removes the table, its face files and, when no other table names
// it, its bitmap.
// True when the table is gone.
bool DeletePanel(HWND owner, const std::string& workFolder, const std::string& tableName);

// The tables of the work folder whose first line names `bitmapName`, as the
// system compares names. A table that cannot be read is not among them.
std::vector<std::string> TablesNamingBitmap(const std::string& workFolder, const std::string& bitmapName);
