// Reads, checks and writes the largest table the format allows. Scanning the
// same bytes for line ends with the C runtime's memchr, and with the reader's
// own scan, gives the ceiling to compare with.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>

#include "LargestTable.h"
#include "table/PlatformFile.h"
#include "table/TableFileReader.h"
#include "table/TableLines.h"

using namespace panel;

namespace {

using bench::GridSizedPicture;
using bench::LargestFile;
using bench::LargestTable;
using bench::NeverAsked;

void BM_ReadAndCheck(benchmark::State& state) {
  const std::string& bytes = LargestFile();
  NeverAsked ask;
  GridSizedPicture picture;
  for (auto _ : state) {
    CPanelTable table;
    if (!ReadTableBytes(table, bytes, "C:\\w\\bench.tbl", ask).empty()) std::abort();
    if (!CheckTableBitmap(table, picture, ask).empty()) std::abort();
    benchmark::DoNotOptimize(table.Cell(0).GetCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

// The same through the file: what opening a panel costs, reading included.
void BM_OpenAndCheck(benchmark::State& state) {
  const std::string& bytes = LargestFile();
  const std::string path = (std::filesystem::temp_directory_path() / "table_file_bench.tbl").string();
  {
    UniqueFile file(OpenFileSjis(path, "wb"));
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) std::abort();
  }
  NeverAsked ask;
  GridSizedPicture picture;
  for (auto _ : state) {
    CPanelTable table;
    if (!ReadTableFile(table, path, ask).empty()) std::abort();
    if (!CheckTableBitmap(table, picture, ask).empty()) std::abort();
    benchmark::DoNotOptimize(table.Cell(0).GetCount());
  }
  std::remove(path.c_str());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

void BM_Write(benchmark::State& state) {
  CPanelTable table = LargestTable();
  size_t size = 0;
  for (auto _ : state) {
    const auto bytes = FormatTableFile(table);
    size = bytes->size();
    benchmark::DoNotOptimize(bytes->data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

void BM_ScanLineEnds(benchmark::State& state) {
  const std::string& bytes = LargestFile();
  for (auto _ : state) {
    size_t lines = 0;
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (const void* lf = std::memchr(p, '\n', static_cast<size_t>(end - p))) {
      ++lines;
      p = static_cast<const char*>(lf) + 1;
    }
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

void BM_FindLineFeed(benchmark::State& state) {
  const std::string& bytes = LargestFile();
  for (auto _ : state) {
    size_t lines = 0;
    std::string_view rest = bytes;
    for (size_t at = FindLineFeed(rest); at < rest.size(); at = FindLineFeed(rest)) {
      ++lines;
      rest.remove_prefix(at + 1);
    }
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

}  // namespace

BENCHMARK(BM_ReadAndCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanLineEnds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindLineFeed)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
