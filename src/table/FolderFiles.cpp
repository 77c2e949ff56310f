#include "table/FolderFiles.h"

#include "table/SjisPath.h"

namespace panel {

std::string TemporaryPathOf(const std::string& pathSjis) {
  const size_t slash = LastSjisBackslash(pathSjis);
  const size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
  return pathSjis.substr(0, nameAt) + "~" + pathSjis.substr(nameAt) + ".tmp";
}

bool IsTemporaryName(std::string_view name) {
  return name.size() > 5 && name.front() == '~' && name.substr(name.size() - 4) == ".tmp";
}

std::string MakeSubfolders(IFolderFiles& files, const std::string& base, const std::string& name) {
  size_t end = 0;
  for (size_t cut; (cut = FirstSjisBackslash(std::string_view(name).substr(end))) != std::string::npos;) {
    end += cut;
    const std::string folder = base + "\\" + name.substr(0, end);
    if (!files.MakeFolder(folder)) return folder;
    ++end;
  }
  return {};
}

}  // namespace panel
