// The open path under Windows (or Wine), where the C runtime and the platform's
// bitmap code are not those of the native benchmark: reading and checking the
// largest table from memory and through its file, the line scan beside the C runtime's memchr, and loading a
// full-screen panel picture from its file into a platform bitmap. Prints the
// median of a few runs of each; run: wine build/win/bench/open_path_bench.exe
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "LargestTable.h"
#include "Timing.h"
#include "table/TableFileReader.h"
#include "table/TableLines.h"
#include "winui/Picture.h"

using namespace panel;

namespace {

constexpr int kRuns = 15;

void Print(const char* what, double ms) { std::printf("%-58s %8.2f ms\n", what, ms); }

}  // namespace

int main() {
  const std::string& bytes = bench::LargestFile();
  std::printf("largest table: %zu bytes\n", bytes.size());
  Print("read and check the largest table (from memory)", Milliseconds(kRuns, [&] {
          CPanelTable table;
          bench::NeverAsked ask;
          bench::GridSizedPicture picture;
          if (!ReadTableBytes(table, bytes, "C:\\w\\bench.tbl", ask).empty()) std::abort();
          if (!CheckTableBitmap(table, picture, ask).empty()) std::abort();
        }));
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string tablePath = std::string(folder) + "open_path_bench.tbl";
  {
    HANDLE file = CreateFileA(tablePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE || !WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
      return 1;
    CloseHandle(file);
  }
  Print("the same through its file (the open path)", Milliseconds(kRuns, [&] {
          CPanelTable table;
          bench::NeverAsked ask;
          bench::GridSizedPicture picture;
          if (!ReadTableFile(table, tablePath, ask).empty()) std::abort();
          if (!CheckTableBitmap(table, picture, ask).empty()) std::abort();
        }));
  DeleteFileA(tablePath.c_str());
  size_t lines = 0;
  Print("line ends by the C runtime's memchr", Milliseconds(kRuns, [&] {
          const char* p = bytes.data();
          const char* end = p + bytes.size();
          while (const void* lf = std::memchr(p, '\n', static_cast<size_t>(end - p))) {
            ++lines;
            p = static_cast<const char*>(lf) + 1;
          }
        }));
  Print("line ends by the reader's own scan", Milliseconds(kRuns, [&] {
          std::string_view rest = bytes;
          for (size_t at = FindLineFeed(rest); at < rest.size(); at = FindLineFeed(rest)) {
            ++lines;
            rest.remove_prefix(at + 1);
          }
        }));

  // A 1920 x 1040 panel picture, as the host shows on a full-HD screen.
  const std::string path = std::string(folder) + "open_path_bench.bmp";
  {
    winui::Picture made;
    if (!made.Create(1920, 1040, RGB(40, 120, 200)) || !made.SaveToFile(path).empty()) return 1;
  }
  Print("load a 1920 x 1040 picture into a platform bitmap", Milliseconds(kRuns, [&] {
          winui::Picture picture;
          if (!picture.LoadFromFile(path).empty()) std::abort();
        }));
  Print("the same by the platform's own loader", Milliseconds(kRuns, [&] {
          HANDLE bitmap = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
          if (!bitmap) std::abort();
          DeleteObject(bitmap);
        }));
  DeleteFileA(path.c_str());
  return lines == 0;
}
