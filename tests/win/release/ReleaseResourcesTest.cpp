// The program file as Windows sees it: the version and product name that
// Explorer and the installer show, an icon, and a manifest that gives the
// program the Common Controls 6 that visual styles need.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "WinTestSupport.h"

namespace {

std::wstring ProgramPath() {
  return wintest::WinPathOf(wintest::EnvOrEmpty("PANEL_BUILD_DIR")) + L"\\src\\app\\PanelEditor.exe";
}

TEST(ReleaseResources, VersionResourceNamesTheProductAndTheBuildVersion) {
  const std::wstring path = ProgramPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_NE(size, 0u) << "no version resource in PanelEditor.exe";
  std::vector<BYTE> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(PANEL_VERSION_MINOR, PANEL_VERSION_MAJOR)));
  EXPECT_EQ(fixed->dwProductVersionLS, static_cast<DWORD>(MAKELONG(0, PANEL_VERSION_PATCH)));

  wchar_t* text = nullptr;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\041104B0\\ProductName",
                             reinterpret_cast<void**>(&text), &length));
  EXPECT_EQ(std::wstring(text), L"機器操作パネル");
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\041104B0\\ProductVersion",
                             reinterpret_cast<void**>(&text), &length));
  EXPECT_EQ(std::wstring(text), std::to_wstring(PANEL_VERSION_MAJOR) + L"." + std::to_wstring(PANEL_VERSION_MINOR) +
                                    L"." + std::to_wstring(PANEL_VERSION_PATCH));
}

TEST(ReleaseResources, ProgramCarriesItsIconInTheSizesExplorerAsksFor) {
  const std::wstring path = ProgramPath();
  for (int size : {16, 32, 48}) {
    HICON icon = nullptr;
    ASSERT_EQ(PrivateExtractIconsW(path.c_str(), 0, size, size, &icon, nullptr, 1, 0), 1u) << size;
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon, &parts));
    BITMAP colour{};
    GetObjectW(parts.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, size);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    DestroyIcon(icon);
  }
}

// Common Controls 6 replaces the system's standard control classes with its
// own, visual styles included: within the program's manifest a button belongs to
// comctl32, without it to user32 (this test program has no manifest).
HMODULE ButtonClassModule() {
  HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  const auto procedure = reinterpret_cast<LPCWSTR>(GetClassLongPtrW(button, GCLP_WNDPROC));
  DestroyWindow(button);
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, procedure,
                     &module);
  return module;
}

TEST(ReleaseResources, ManifestGivesTheStandardControlsOfCommonControlsSix) {
  InitCommonControls();
  const HMODULE controls = GetModuleHandleW(L"comctl32.dll");
  ASSERT_NE(controls, nullptr);
  EXPECT_EQ(ButtonClassModule(), GetModuleHandleW(L"user32.dll"));

  const std::wstring path = ProgramPath();
  ACTCTXW request{};
  request.cbSize = sizeof(request);
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = path.c_str();
  request.lpResourceName = MAKEINTRESOURCEW(1);
  HANDLE context = CreateActCtxW(&request);
  ASSERT_NE(context, INVALID_HANDLE_VALUE) << "no usable manifest: error " << GetLastError();
  ULONG_PTR cookie = 0;
  ASSERT_TRUE(ActivateActCtx(context, &cookie));
  const HMODULE owner = ButtonClassModule();
  DeactivateActCtx(0, cookie);
  ReleaseActCtx(context);
  EXPECT_EQ(owner, controls);
}

}  // namespace
