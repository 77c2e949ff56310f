// Clock and medians shared by the Windows benchmarks.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

// Milliseconds on the performance counter.
inline double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> v) {
  std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
  return v[v.size() / 2];
}

// The median milliseconds of `times` runs of `run`.
inline double Milliseconds(int times, const std::function<void()>& run) {
  std::vector<double> runs;
  for (int i = 0; i < times; ++i) {
    const double start = Now();
    run();
    runs.push_back(Now() - start);
  }
  return Median(std::move(runs));
}
