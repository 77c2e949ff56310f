// The main window's share of start-up, in one process so that Wine's cost of
// starting a process does not drown it, step by step as the program starts:
// creating the window (its creation handler), the data module, showing it
// (setting, device library), its first complete paint, and the work left for
// after that paint (the tidying of the panel folders, the hidden page). Prints
// the median of a few rounds; run under Wine with the device library installed
// (see startup_floor_bench.exe): wine build/<bench build>/bench/startup_bench.exe
#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "Timing.h"
#include "app/MainPanelFm.h"
#include "data/OptionMdl.h"
#include "data/PanelFiles.h"
#include "winui/MessagePump.h"

int main() {
  const double t0 = Now();
  winui::InitApplication();
  const double initMs = Now() - t0;
  constexpr int kSteps = 5;
  const char* names[kSteps] = {"creation", "data module", "showing", "first paint", "work after it"};
  std::vector<double> steps[kSteps];
  for (int round = 0; round < 15; ++round) {
    double t[kSteps + 1];
    t[0] = Now();
    auto form = std::make_unique<winui::Owned<TMainPanelFm>>();
    MainPanelFm = form.get();
    if (!form->CreateForm()) return 1;
    t[1] = Now();
    TOptionMdl options;
    OptionMdl = &options;
    form->SetDataModule(options);
    t[2] = Now();
    ShowWindow(form->Handle(), SW_SHOW);
    t[3] = Now();
    UpdateWindow(form->Handle());
    GdiFlush();
    t[4] = Now();
    TidyDocumentsPanelFolders();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) winui::DispatchWithDialogKeys(msg);
    t[5] = Now();
    for (int i = 0; i < kSteps; ++i) steps[i].push_back(t[i + 1] - t[i]);
    form.reset();
    MainPanelFm = nullptr;
    OptionMdl = nullptr;
  }
  // The first round also pays what a process does once: fonts, themes, libraries.
  std::printf("common controls once: %.1f ms\nfirst round:", initMs);
  for (int i = 0; i < kSteps; ++i) std::printf("%s %s %.1f ms", i ? "," : "", names[i], steps[i][0]);
  std::printf("\nmedians of %zu rounds:", steps[0].size());
  for (int i = 0; i < kSteps; ++i) std::printf("%s %s %.1f ms", i ? "," : "", names[i], Median(steps[i]));
  std::printf("\n");
  return 0;
}
