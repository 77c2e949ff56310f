// Start-up against its floor, as whole processes: the time from starting the
// program to the end of its first paint, for startup_floor.exe (the floor) and
// the editor, started in turn. The first paint is over once the program's
// thread answers a message sent to its visible window: until then it is still
// creating, showing and painting. Prints medians; run under Wine with the
// device library installed where the editor looks for it (else the editor's
// warning is what gets timed):
// wine build/<bench build>/bench/startup_floor_bench.exe [editor.exe]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Timing.h"

namespace {

constexpr int kRuns = 15;

struct Found {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<Found*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != found->process || !IsWindowVisible(window)) return TRUE;
  found->window = window;
  return FALSE;
}

// Milliseconds from the start of `program` to the end of its first paint; -1
// when it showed a message box or no window at all.
double TimeToFirstPaint(const std::wstring& program) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + program + L"\"";
  const double start = Now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  Found found{process.dwProcessId, nullptr};
  while (!found.window && WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&found));
  }
  DWORD_PTR answer = 0;
  const bool answered =
      found.window && SendMessageTimeoutW(found.window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer) != 0;
  const double ms = Now() - start;
  wchar_t className[64] = {};
  if (found.window) GetClassNameW(found.window, className, 64);
  const bool messageBox = lstrcmpW(className, L"#32770") == 0;
  if (found.window) PostMessageW(found.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return answered && !messageBox ? ms : -1;
}

std::wstring BesideThisProgram(const std::wstring& relative) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + relative;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring floorProgram = BesideThisProgram(L"startup_floor.exe");
  const std::wstring editor = argc > 1 ? argv[1] : BesideThisProgram(L"..\\src\\app\\PanelEditor.exe");
  // Once each before timing, so that both start from warm file caches.
  TimeToFirstPaint(floorProgram);
  TimeToFirstPaint(editor);
  std::vector<double> floor, ours;
  for (int run = 0; run < kRuns; ++run) {
    const double f = TimeToFirstPaint(floorProgram);
    const double o = TimeToFirstPaint(editor);
    if (f < 0 || o < 0) {
      std::printf("a program showed a message box or no window (is the device library installed?)\n");
      return 1;
    }
    floor.push_back(f);
    ours.push_back(o);
  }
  // Other work on the machine only ever adds time, so the fastest runs say
  // most about the programs themselves.
  std::printf("start-up to the first paint, %d runs each: floor %.1f ms, ours %.1f ms: %.2f times the floor"
              " (medians); fastest %.1f and %.1f ms: %.2f times\n",
              kRuns, Median(floor), Median(ours), Median(ours) / Median(floor), *std::min_element(floor.begin(), floor.end()),
              *std::min_element(ours.begin(), ours.end()),
              *std::min_element(ours.begin(), ours.end()) / *std::min_element(floor.begin(), floor.end()));
  return 0;
}
