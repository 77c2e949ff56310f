#pragma once
// A stand-in for the file system's name comparison: trailing dots and blanks
// dropped, ASCII letters without case. The real rules are the system's.
#include <string>
#include <string_view>

#include "table/FileNames.h"

struct FoldingFileNames : panel::IFileNames {
  bool SameFile(std::string_view a, std::string_view b) const override { return Folded(a) == Folded(b); }
  static std::string Folded(std::string_view name) {
    std::string folded = panel::WithoutTrailingDotsAndBlanks(name);
    for (char& c : folded) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return folded;
  }
};
