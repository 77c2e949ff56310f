#pragma once
// Taking an archive into the work folder as one step a kill cannot split.
// The record of the step, naming every file it replaces or adds, is written
// before the first file is prepared; each new file is then prepared beside
// its target (TemporaryPathOf) and each file about to be replaced kept beside
// it (KeptPathOf) before the first moves into place. A step cut off short of
// its end is undone by SettleImportStep: the person never heard that it was
// done, every previous file is still kept, and the archive can be read again.
//
// The record, kImportStepRecordName in the work folder, is Shift-JIS text
// with one "key=value" per line (CR LF):
//   step=forward      or step=done once every file is in place
//   replaced=<name relative to the work folder>   one line per file
//   added=<name relative to the work folder>      one line per file
#include <string>
#include <vector>

#include "table/FolderFiles.h"

namespace panel {

inline constexpr char kImportStepRecordName[] = "~import-step.txt";

// Where a file about to be replaced is kept until the step is settled. Not a
// temporary name: only settling the step may remove it.
std::string KeptPathOf(const std::string& target);

struct ImportStepNames {
  std::vector<std::string> replaced;
  std::vector<std::string> added;
};

// Records a step about to take these files into `work`.
bool BeginImportStep(IFolderFiles& fs, const std::string& work, const ImportStepNames& names);

// Marks the step whole: from here on settling only tidies it.
bool MarkImportStepDone(IFolderFiles& fs, const std::string& work, const ImportStepNames& names);

// Settles the step recorded in `work`, if there is one: a whole one is tidied,
// any other undone (each replaced file back from its kept copy, each added
// one removed), the prepared and kept files removed and the record last.
// False when the record stays because a file could not be put back; what
// was kept stays with it for the next try.
bool SettleImportStep(IFolderFiles& fs, const std::string& work);

}  // namespace panel
