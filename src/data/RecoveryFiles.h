#pragma once
// The file primitives for recovery copies: a copy holds a whole bitmap, which
// may be larger than the table limit that bounds the other whole-file reads.
#include "data/WinFolderFiles.h"

class RecoveryFiles : public WinFolderFiles<panel::IFolderFiles> {
 public:
  std::optional<std::string> ReadWholeFile(const std::string& path) override;
};
