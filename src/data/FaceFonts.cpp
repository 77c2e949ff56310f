#include "data/FaceFonts.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "winui/Gdi.h"

namespace {

// Gothic faces with open shapes first: these read best on a button at a distance.
constexpr const wchar_t* kCandidates[] = {
    L"BIZ UDPゴシック", L"BIZ UDゴシック", L"メイリオ", L"Meiryo UI", L"游ゴシック", L"Yu Gothic UI",
    L"IPAexゴシック", L"IPA Pゴシック", L"IPAゴシック", L"Noto Sans CJK JP", L"MS UI Gothic",
    L"ＭＳ Ｐゴシック", L"ＭＳ ゴシック",
};
constexpr const wchar_t* kFallback = L"MS UI Gothic";

int CALLBACK AddFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
  reinterpret_cast<std::set<std::wstring>*>(names)->insert(font->lfFaceName);
  return 1;
}

}  // namespace

std::vector<std::wstring> LegibleJapaneseFonts() {
  std::set<std::wstring> installed;
  winui::WindowDc screen(nullptr);
  LOGFONTW query{};
  query.lfCharSet = SHIFTJIS_CHARSET;
  EnumFontFamiliesExW(screen.Get(), &query, AddFamily, reinterpret_cast<LPARAM>(&installed), 0);
  std::vector<std::wstring> present;
  for (const wchar_t* name : kCandidates) {
    if (installed.count(name)) present.emplace_back(name);
  }
  if (present.empty()) present.emplace_back(kFallback);
  return present;
}

std::wstring LabelFontOrDefault(const std::wstring& wanted, const std::vector<std::wstring>& present) {
  return std::find(present.begin(), present.end(), wanted) != present.end() ? wanted : present.front();
}
