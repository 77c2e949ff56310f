#pragma once
// File names as the file system takes them, not as they are spelt.
#include <string>
#include <string_view>

namespace panel {

// Whether two names of the same folder ("a.bmp", "sub\A.BMP") are one file.
// Only the system knows every rule (the case of every letter it knows, the
// dots and blanks it drops, short names), so the platform answers.
class IFileNames {
 public:
  virtual ~IFileNames() = default;
  virtual bool SameFile(std::string_view aSjis, std::string_view bSjis) const = 0;
};

// The path with the dots and blanks that the system drops at the end of each
// part removed: "sub. \a.bmp. " is "sub\a.bmp".
std::string WithoutTrailingDotsAndBlanks(std::string_view pathSjis);

// Whether some part of the path names a device instead of a file: CON, PRN,
// AUX, NUL, COM1-COM9, LPT1-LPT9, CONIN$ or CONOUT$ in any letter case, also
// with an extension or trailing dots and blanks ("nul.bmp", "COM1 .bmp",
// "sub\aux"). Opening such a name reaches the device.
bool NamesDevice(std::string_view pathSjis);

}  // namespace panel
