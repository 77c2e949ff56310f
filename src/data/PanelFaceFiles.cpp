#include "data/PanelFaceFiles.h"

#include <vector>

#include "table/FaceFileNames.h"
#include "table/SjisPath.h"
#include "winui/ImageFile.h"
#include "winui/SafeFile.h"
#include "winui/TextConv.h"

using namespace faces;

namespace {

constexpr std::size_t kMaxFaceFileBytes = std::size_t{4} << 20;

std::wstring Wide(const std::string& pathSjis) { return winui::SjisPathToWide(pathSjis).value_or(std::wstring()); }

bool SameBytes(const std::wstring& a, const std::wstring& b) {
  std::vector<std::uint8_t> x;
  std::vector<std::uint8_t> y;
  return winui::ReadWholeFile(a, x, winui::kMaxImageFileBytes).empty() &&
         winui::ReadWholeFile(b, y, winui::kMaxImageFileBytes).empty() && x == y;
}

}  // namespace

PanelShape ShapeOf(const panel::CPanelTable& table) {
  return PanelShape{table.CellWidth(), table.CellHeight(), table.Columns(), table.Rows()};
}

FaceFilePaths FacePathsOf(const panel::CPanelTable& table) {
  const std::string folder = table.Folder() + "\\";
  const std::string name = panel::FileNameOfSjisPath(table.TablePath());
  return FaceFilePaths{folder + panel::FaceFileNameOf(name), folder + panel::kFacePicturesFolder,
                       folder + panel::FaceBackgroundNameOf(name)};
}

std::wstring DescribeFaceFileError(const FaceFileError& error) {
  std::wstring what;
  switch (error.problem) {
    case FaceFileProblem::None:
      return {};
    case FaceFileProblem::NotFaceFile:
      what = L"ボタンの見た目のファイルではありません。";
      break;
    case FaceFileProblem::OtherPanel:
      what = L"ボタンの大きさか並びがこのパネルと違います。";
      break;
    case FaceFileProblem::NewerVersion:
      what = L"新しい版のプログラムで書かれています。";
      break;
    case FaceFileProblem::UnknownRecord:
      what = L"知らない行です。";
      break;
    case FaceFileProblem::BadField:
      what = L"読めない項目があります。";
      break;
    case FaceFileProblem::BadOrdinal:
      what = L"ボタンの番号がパネルにありません。";
      break;
    case FaceFileProblem::DuplicateButton:
      what = L"同じボタンが二度書かれています。";
      break;
    case FaceFileProblem::TooManyLines:
      what = L"ラベルが３行を超えています。";
      break;
    case FaceFileProblem::BadPictureName:
      what = L"画像の名前が正しくありません。";
      break;
  }
  return std::to_wstring(error.line) + L"行目：" + what;
}

FacesLoad LoadPanelFaces(const panel::CPanelTable& table, const winui::Picture& fallback, PanelFaces& faces,
                         winui::Picture& background) {
  const FaceFilePaths paths = FacePathsOf(table);
  const std::wstring faceFile = Wide(paths.faceFile);
  if (faceFile.empty() || GetFileAttributesW(faceFile.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
  std::vector<std::uint8_t> bytes;
  std::wstring why = winui::ReadWholeFile(faceFile, bytes, kMaxFaceFileBytes);
  FaceFileError error;
  if (why.empty()) {
    error = ParseFaceFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), ShapeOf(table),
                          faces);
    why = DescribeFaceFileError(error);
  }
  if (!why.empty()) {
    faces = PanelFaces{};
    return {FacesFound::Damaged, L"ボタンの見た目のファイルが壊れています。\n" + winui::SjisToWide(paths.faceFile) +
                                     L"\n" + why + L"\n\n最後に保存したビットマップで開きます。"};
  }
  FacesLoad load{FacesFound::Loaded, {}};
  if (std::wstring missing = background.LoadFromFile(paths.background);
      !missing.empty() || background.Width() != fallback.Width() || background.Height() != fallback.Height()) {
    // The saved bitmap still shows the faces drawn over it; better than nothing.
    CopyPicture(fallback, background);
    load.problem = L"パネルの背景が読めないので、保存したビットマップを背景にします。\n" +
                   winui::SjisToWide(paths.background) + L"\n" + (missing.empty() ? L"大きさが違います。" : missing);
  }
  return load;
}

bool CopyPicture(const winui::Picture& from, winui::Picture& to) {
  if (!to.Create(from.Width(), from.Height(), RGB(255, 255, 255))) return false;
  winui::MemoryDc target;
  winui::MemoryDc source;
  winui::ScopedSelectObject selectTarget(target.Get(), to.Handle());
  winui::ScopedSelectObject selectSource(source.Get(), from.Handle());
  BitBlt(target.Get(), 0, 0, from.Width(), from.Height(), source.Get(), 0, 0, SRCCOPY);
  GdiFlush();
  return true;
}

std::wstring SavePanelFaces(const panel::CPanelTable& table, const PanelFaces& faces, const winui::Picture& background) {
  const FaceFilePaths paths = FacePathsOf(table);
  if (std::wstring why = winui::MakeFolder(Wide(paths.picturesFolder)); !why.empty()) return why;
  if (std::wstring why = background.SaveToFile(paths.background); !why.empty()) return why;
  const std::string bytes = WriteFaceFile(faces);
  return winui::WriteFileReplacing(Wide(paths.faceFile), bytes.data(), bytes.size());
}

std::wstring ImportFacePicture(const panel::CPanelTable& table, const std::wstring& sourcePath, std::string& name) {
  const std::optional<std::string> sourceSjis = winui::WideToSjis(sourcePath);
  if (!sourceSjis) return L"この名前のファイルは使えません（Shift-JIS にない文字があります）。";
  winui::Image probe;
  if (std::wstring why = winui::LoadImageFile(*sourceSjis, probe); !why.empty()) return why;
  const FaceFilePaths paths = FacePathsOf(table);
  if (std::wstring why = winui::MakeFolder(Wide(paths.picturesFolder)); !why.empty()) return why;
  std::string file = panel::FileNameOfSjisPath(*sourceSjis);
  if (!IsPlainPictureName(file)) file = "picture.png";
  const size_t dot = file.rfind('.');
  const std::string stem = dot == std::string::npos ? file : file.substr(0, dot);
  const std::string extension = dot == std::string::npos ? std::string() : file.substr(dot);
  for (int n = 1; n < 1000; ++n) {
    const std::string candidate = n == 1 ? file : stem + "-" + std::to_string(n) + extension;
    const std::wstring target = Wide(paths.picturesFolder + "\\" + candidate);
    if (target.empty()) break;
    const bool taken = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (taken && !SameBytes(sourcePath, target)) continue;
    if (!taken) {
      if (std::wstring why = winui::CopyFileReplacing(sourcePath, target); !why.empty()) return why;
    }
    name = candidate;
    return {};
  }
  return L"画像をボタン画像フォルダに写せません。";
}
