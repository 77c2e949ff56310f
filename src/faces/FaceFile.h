#pragma once
// The face file beside a table ("機器操作A.faces.txt"): our own small text
// format, Shift-JIS with CR LF like the table, described in docs/faces-format.md.
#include <string>
#include <string_view>

#include "faces/ButtonFace.h"

namespace faces {

enum class FaceFileProblem {
  None,
  NotFaceFile,      // the first line is not the version line
  OtherPanel,       // the second line names another grid than the panel's
  NewerVersion,     // written by a later version of the program
  UnknownRecord,
  BadField,         // a field without "=", an unknown key or a value that cannot be read
  BadOrdinal,       // not a number, or beyond the panel's cells
  DuplicateButton,
  TooManyLines,
  BadPictureName,   // not a plain file name of the pictures folder
};

struct FaceFileError {
  FaceFileProblem problem = FaceFileProblem::None;
  int line = 0;  // 1-based
  explicit operator bool() const { return problem != FaceFileProblem::None; }
};

// Reads the face file of a panel of the given shape into `out` (cleared first).
FaceFileError ParseFaceFile(std::string_view bytes, const PanelShape& shape, PanelFaces& out);
// The bytes of the face file: the same faces always give the same bytes.
std::string WriteFaceFile(const PanelFaces& faces);

// A picture name the face file may hold: one file name, no folder, no device.
bool IsPlainPictureName(std::string_view nameSjis);

}  // namespace faces
