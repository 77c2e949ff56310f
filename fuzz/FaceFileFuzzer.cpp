// Feeds arbitrary bytes to the face file reader for a 3 x 2 panel. A file it
// takes is written and read again: the same faces, and the same bytes when
// written once more.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "faces/FaceFile.h"

using namespace faces;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const PanelShape shape{80, 60, 3, 2};
  PanelFaces faces;
  if (ParseFaceFile(std::string_view(reinterpret_cast<const char*>(data), size), shape, faces)) return 0;
  const std::string written = WriteFaceFile(faces);
  PanelFaces again;
  if (ParseFaceFile(written, shape, again)) std::abort();
  // A blank face is not written, so it is not read back either.
  std::erase_if(faces.faces, [](const auto& entry) { return entry.second.Blank(); });
  if (!(again == faces) || WriteFaceFile(again) != written) std::abort();
  return 0;
}
