#include "faces/ButtonFace.h"

namespace faces {

bool ButtonFace::HasLabel() const {
  for (const std::string& line : lines) {
    if (!line.empty()) return true;
  }
  return false;
}

bool ButtonFace::Blank() const { return !HasLabel() && !fill && !(frame && frameWidth > 0) && picture.empty(); }

}  // namespace faces
