// Start-up of the program as the user sees it: from starting the process to
// its main window shown with nothing left to paint, then closed again. Prints
// the median of a few starts; run under Wine:
//   wine build/win/bench/startup_bench.exe build/win/src/app/PanelEditor.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD process = 0;
  HWND found = nullptr;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (owner != search.process || std::wstring(name) != L"TMainPanelFm") return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK AnyChildToPaint(HWND child, LPARAM param) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(param) = true;
    return FALSE;
  }
  return TRUE;
}

bool Painted(HWND window) {
  if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
  bool pending = false;
  EnumChildWindows(window, AnyChildToPaint, reinterpret_cast<LPARAM>(&pending));
  return !pending;
}

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "startup_bench PROGRAM [starts]\n");
    return 2;
  }
  const int starts = argc > 2 ? _wtoi(argv[2]) : 9;
  std::vector<double> times;
  for (int i = 0; i < starts; ++i) {
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    const double begin = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      return 1;
    }
    Search search{process.dwProcessId};
    while (!search.found || !Painted(search.found)) {
      if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) return 1;
      search.found = nullptr;
      EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
      Sleep(1);
    }
    times.push_back(Now() - begin);
    PostMessageW(search.found, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  std::sort(times.begin(), times.end());
  std::printf("start to the main window painted: median %.1f ms (%.1f to %.1f, %d starts)\n", times[times.size() / 2],
              times.front(), times.back(), starts);
  return 0;
}
