#include "data/DataFolders.h"

#include <shlobj.h>

#include "data/OptionMdl.h"
#include "winui/MessageBox.h"
#include "winui/TextConv.h"

std::optional<std::wstring> ShellDocumentsFolder(HWND owner) {
  wchar_t path[MAX_PATH] = {};
  // S_FALSE also means the folder does not exist.
  if (SHGetFolderPathW(owner, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK || !path[0]) {
    return std::nullopt;
  }
  return std::wstring(path);
}

std::string DataFolderPath(HWND owner, const std::optional<std::wstring>& documents, std::wstring_view tail) {
  std::wstring folder = documents.value_or(std::wstring());
  // A documents folder at a drive's root ("D:\") must not give "D:\\...".
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  if (folder.empty()) {
    winui::ShowWarning(owner, L"マイドキュメントの場所が分かりません。\nパネルの作成・一覧・保存はできません。");
    return {};
  }
  const std::optional<std::string> sjis = winui::WideToSjis(folder + std::wstring(tail));
  if (!sjis) {
    winui::ShowWarning(owner, L"マイドキュメントの場所に日本語の文字コード（シフトJIS）で表せない文字があります。\n" +
                                  folder + L"\nパネルの作成・一覧・保存はできません。");
    return {};
  }
  return *sjis;
}

std::string WorkFolderPath(HWND owner) { return DataFolderPath(owner, ShellDocumentsFolder(owner), kWorkFolderTail); }

std::string HostPanelFolderPath(HWND owner) {
  return DataFolderPath(owner, ShellDocumentsFolder(owner), kHostPanelFolderTail);
}

std::string TOptionMdl::GetWorkFolder(HWND owner) const { return WorkFolderPath(owner); }

std::string TOptionMdl::GetHostPanelFolder(HWND owner) const { return HostPanelFolderPath(owner); }
