// Reads, checks and writes the largest table the format allows: 24 columns,
// 160 infrared cells with nine learned codes of 7,999 bytes each, and 62
// external-program cells. Scanning the same bytes for line ends with memchr
// gives the ceiling to compare with.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "table/PlatformFile.h"
#include "table/TableChecks.h"
#include "table/TableFileReader.h"
#include "table/TableFileWriter.h"

namespace {

struct NeverAsked : IAskUser {
  bool AskYesNo(const std::string&, const std::string&) override { std::abort(); }
};

struct GridSizedPicture : IPictureProbe {
  std::optional<PictureSize> LoadPictureSize(const std::string&) override { return PictureSize{40 * 24, 30 * 10}; }
};

// "%8.2f,%8.2f," and two upper-case hex digits per captured byte.
std::string CodeText(int seed) {
  char head[32];
  std::snprintf(head, sizeof head, "%8.2f,%8.2f,", 38.0 + seed % 7, 560.5 + seed % 13);
  std::string text = head;
  static const char hex[] = "0123456789ABCDEF";
  for (int i = 0; i < 7999; ++i) {
    const unsigned byte = static_cast<unsigned>(i * 31 + seed) & 0xFF;
    text += hex[byte >> 4];
    text += hex[byte & 15];
  }
  return text;
}

CPanelTable LargestTable() {
  CPanelTable table;
  if (!table.CreateGrid(40, 30, 24, 10)) std::abort();
  table.SetBitmapName("bench.bmp");
  for (int i = 0; i < kInfraredOrdinalLimit; ++i) {
    CButtonInfo& cell = table.Cell(i);
    cell.ReplaceCode(*InfraredCode(i, InfraredSendFlag::Plain));
    cell.AddText("'memo " + std::to_string(i));
    for (int k = 0; k < CButtonInfo::kMaxCodeTexts; ++k) cell.AddText("row" + std::to_string(k) + "\t" + CodeText(i + k));
  }
  for (int i = 0; i < 62; ++i) {
    CButtonInfo& cell = table.Cell(kInfraredOrdinalLimit + i);
    cell.ReplaceCode(ExternalProgramCode());
    cell.AddText("C:\\Program Files\\tool" + std::to_string(i) + ".exe /x");
  }
  return table;
}

const std::string& LargestFile() {
  static const std::string bytes = [] {
    CPanelTable table = LargestTable();
    return *FormatTableFile(table);
  }();
  return bytes;
}

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

}  // namespace

BENCHMARK(BM_ReadAndCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanLineEnds)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
