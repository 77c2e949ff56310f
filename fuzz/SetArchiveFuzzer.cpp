// Feeds arbitrary bytes to the panel set's archive reader, the zip code
// itself instrumented. An archive it takes holds only names the work folder
// may take, and packing its files again gives the same files back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "table/SetArchive.h"

using namespace panel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const UnpackedArchive unpacked = UnpackArchive(std::string(reinterpret_cast<const char*>(data), size));
  if (unpacked.problem != ArchiveProblem::None) {
    if (!unpacked.files.empty()) std::abort();
    return 0;
  }
  for (const ArchiveFile& file : unpacked.files) {
    if (!IsArchiveMemberName(file.name)) std::abort();
  }
  const std::optional<std::string> again = PackArchive(unpacked.files, "20261208-101500");
  if (!again) std::abort();
  const UnpackedArchive second = UnpackArchive(*again);
  if (second.problem != ArchiveProblem::None || second.files.size() != unpacked.files.size()) std::abort();
  for (std::size_t i = 0; i < second.files.size(); ++i) {
    if (second.files[i].name != unpacked.files[i].name || second.files[i].bytes != unpacked.files[i].bytes) std::abort();
  }
  return 0;
}
