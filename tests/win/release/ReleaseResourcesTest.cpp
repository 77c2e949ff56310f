// The program file as Windows sees it: the product name and version that
// Explorer and the installer show, and a manifest that brings Common Controls 6.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

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
  std::vector<BYTE> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  ASSERT_FALSE(info.empty()) << "no version resource";
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, info.size(), info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  wchar_t* name = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(PANEL_VERSION_MINOR, PANEL_VERSION_MAJOR)));
  EXPECT_EQ(fixed->dwProductVersionLS, static_cast<DWORD>(MAKELONG(0, PANEL_VERSION_PATCH)));
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\041104B0\\ProductName", reinterpret_cast<void**>(&name),
                             &length));
  EXPECT_STREQ(name, L"機器操作パネル");
}

// Common Controls 6 brings its own standard control classes: under the
// program's manifest a button belongs to comctl32, without it (this test
// program has none) to user32.
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
  EXPECT_EQ(owner, GetModuleHandleW(L"comctl32.dll"));
}

}  // namespace
