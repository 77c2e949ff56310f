// The main window's share of start-up, in one process so that Wine's cost of
// starting a process does not drown it: creating the window (its creation
// handler), showing it up to its first complete paint (setting, device
// library), and the work left for after that paint. Prints the median of a few
// rounds; run under Wine: wine build/win/bench/startup_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/MainPanelFm.h"
#include "data/OptionMdl.h"
#include "winui/MessagePump.h"

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> v) {
  std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  winui::InitApplication();
  std::vector<double> create, paint, after;
  for (int round = 0; round < 15; ++round) {
    auto form = std::make_unique<TMainPanelFm>();
    MainPanelFm = form.get();
    const double t0 = Now();
    if (!form->CreateForm()) return 1;
    const double t1 = Now();
    TOptionMdl options;
    OptionMdl = &options;
    ShowWindow(form->Handle(), SW_SHOW);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double t2 = Now();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) winui::DispatchWithDialogKeys(msg);
    const double t3 = Now();
    create.push_back(t1 - t0);
    paint.push_back(t2 - t1);
    after.push_back(t3 - t2);
    DestroyWindow(form->Handle());
    form.reset();
    MainPanelFm = nullptr;
    OptionMdl = nullptr;
  }
  std::printf("main window: creation %.1f ms, showing to the first paint %.1f ms, work after it %.1f ms"
              " (medians of %zu rounds)\n", Median(create), Median(paint), Median(after), create.size());
  return 0;
}
