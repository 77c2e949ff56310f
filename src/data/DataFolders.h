#pragma once
// The work folder and the host program's panel-data folder, both under the
// user's documents folder. TOptionMdl's GetWorkFolder and GetHostPanelFolder
// are these; the parts are apart so that tests can give any documents folder.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

inline constexpr wchar_t kWorkFolderTail[] = L"\\クロヴァンパネル作業";
inline constexpr wchar_t kHostPanelFolderTail[] = L"\\Kurovan\\パネルデータ";

// The shell's documents folder for `owner`; nothing when the shell has none.
std::optional<std::wstring> ShellDocumentsFolder(HWND owner);

// `documents` + `tail` in Shift-JIS. When there is no documents folder, or its
// path has characters outside code page 932, a "警告" box owned by `owner`
// says so and the result is empty: no table may then be created, listed,
// opened or saved, rather than work on a mangled path. Creates nothing.
std::string DataFolderPath(HWND owner, const std::optional<std::wstring>& documents, std::wstring_view tail);

std::string WorkFolderPath(HWND owner);
std::string HostPanelFolderPath(HWND owner);
