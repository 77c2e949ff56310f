// Drawing a panel bitmap from its faces under Windows (or Wine): 24 x 13
// buttons of 80 x 80, each with a two-line label fitted to its cell and one of
// eight pictures. Prints the median of a few runs, first with every picture
// still to be read and scaled (a panel just opened), then again as a save
// draws it; run: wine build/winbench/bench/face_draw_bench.exe
#include <windows.h>

#include <cstdio>

#include "Timing.h"
#include "data/FacePainter.h"
#include "winui/TextConv.h"

namespace {

constexpr int kColumns = 24;
constexpr int kRows = 13;
constexpr int kCell = 80;
constexpr int kPictures = 8;

constexpr int kRuns = 7;

// Photos of a few hundred pixels each side, as people pick them.
std::string MakePictures() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string folder = *winui::WideToSjis(std::wstring(temp) + L"face-bench");
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < kPictures; ++i) {
    winui::Picture picture;
    picture.Create(320 + 40 * i, 240, RGB(30 * i, 255 - 30 * i, 128));
    picture.SaveToFile(folder + "\\p" + std::to_string(i) + ".bmp");
  }
  return folder;
}

}  // namespace

int main() {
  const std::string folder = MakePictures();
  faces::PanelFaces panel;
  for (int ordinal = 0; ordinal < kColumns * kRows; ++ordinal) {
    faces::ButtonFace& face = panel.faces[ordinal];
    face.lines = {"\x83\x7b\x83\x5e\x83\x93", std::to_string(ordinal + 1)};  // ボタン, its number
    face.picture = "p" + std::to_string(ordinal % kPictures) + ".bmp";
    face.fill = faces::Colour{255, 255, static_cast<std::uint8_t>(ordinal)};
  }
  winui::Picture base;
  base.Create(kColumns * kCell, kRows * kCell, RGB(255, 255, 255));
  const panel::PanelGrid grid(kCell, kCell, kColumns, kRows);
  winui::Picture target;
  std::printf("panel of %d x %d buttons of %d x %d, each with a label and a picture\n", kColumns, kRows, kCell, kCell);
  std::printf("%-50s %8.2f ms\n", "draw, pictures read and scaled first",
              Milliseconds(kRuns, [&] {
                FacePainter painter(folder);
                painter.DrawPanel(panel, base, grid, kColumns, kRows, target);
              }));
  FacePainter painter(folder);
  painter.DrawPanel(panel, base, grid, kColumns, kRows, target);
  std::printf("%-50s %8.2f ms\n", "draw again (as saving does)",
              Milliseconds(kRuns, [&] { painter.DrawPanel(panel, base, grid, kColumns, kRows, target); }));
  return painter.TakeUnreadable().empty() ? 0 : 1;
}
