#pragma once
// The files that keep a panel's faces editable, beside its table in the work
// folder: the face file, and in the pictures folder the pictures the faces
// use and the panel's background without its faces.
#include <windows.h>

#include <string>

#include "faces/ButtonFace.h"
#include "faces/FaceFile.h"
#include "table/PanelTable.h"
#include "winui/Picture.h"

struct FaceFilePaths {
  std::string faceFile;        // 機器操作A.faces.txt
  std::string picturesFolder;  // ボタン画像
  std::string background;      // ボタン画像\機器操作A-背景.bmp
};
FaceFilePaths FacePathsOf(const panel::CPanelTable& table);
faces::PanelShape ShapeOf(const panel::CPanelTable& table);

enum class FacesFound { None, Loaded, Damaged };
struct FacesLoad {
  FacesFound found = FacesFound::None;
  std::wstring problem;  // for Damaged, or a Loaded panel whose background is missing
};
// Reads the face file and the background of `table`. Without a readable
// background the panel's bitmap `fallback` stands in for it.
FacesLoad LoadPanelFaces(const panel::CPanelTable& table, const winui::Picture& fallback, faces::PanelFaces& faces,
                         winui::Picture& background);
// Makes `to` a copy of `from`, same size. False when it cannot be made.
bool CopyPicture(const winui::Picture& from, winui::Picture& to);

// The damage of a face file in words, with its line.
std::wstring DescribeFaceFileError(const faces::FaceFileError& error);

// Writes the background and then the face file, each replacing its file only
// once complete. "" or why.
std::wstring SavePanelFaces(const panel::CPanelTable& table, const faces::PanelFaces& faces,
                            const winui::Picture& background);

// Copies a picture the user chose into the pictures folder, after checking it
// can be read; `name` gets its name there. A picture of the same name and
// other content gets a number. "" or why.
std::wstring ImportFacePicture(const panel::CPanelTable& table, const std::wstring& sourcePath, std::string& name);
