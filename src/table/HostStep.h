#pragma once
// Replacing several files the host program reads as one step that a kill
// cannot split. Every new file is first prepared beside its target (see
// TemporaryPathOf), the host's previous files are kept in the history, and a
// record of the step is written into the work folder; only then are the
// prepared files moved into place, and the record goes last. A step cut off
// with its record present is finished by RecoverHostStep: the prepared files
// left are moved into place, or, when one cannot be, every file is put back
// from the history.
//
// The record, kHostStepRecordName in the work folder, is Shift-JIS text with
// one "key=value" per line (CR LF):
//   step=forward      or step=undo once putting back has begun
//   host=<host folder>
//   kept=<history entry holding the previous files, or nothing>
//   file=<name relative to the host folder>   one line per file
#include <string>
#include <vector>

#include "table/FolderFiles.h"

namespace panel {

inline constexpr char kHostStepRecordName[] = "~host-step.txt";

struct HostStepFile {
  std::string name;    // relative to the host folder
  std::string source;  // the new content
};

enum class HostStepOutcome {
  Done,        // every file replaced
  Unchanged,   // the host already held exactly these files; nothing kept or written
  NotKept,     // the host's files could not be kept in the history; none changed
  NotStarted,  // failed before any host file changed
  PutBack,     // a file could not be put in place; the host holds its previous files again
  Mixed,       // ... and putting back failed too; the previous files stay in the history
};

struct HostStepResult {
  HostStepOutcome outcome = HostStepOutcome::Done;
  std::string failed;  // the file or folder that failed, for the report
};

// How the host folder was left by a step that failed.
enum class HostLeft {
  AsBefore,  // nothing in it changed
  PutBack,   // a file could not be replaced; those already replaced were put back
  Mixed,     // ... and could not all be put back; the previous files are in the history
};
HostLeft HostLeftAfter(HostStepOutcome failure);

// Finishes a step an earlier run left, then replaces `files` in `host`. The
// history is pruned after a step that changed the host.
HostStepResult ReplaceHostFiles(IFolderFiles& fs, const std::string& work, const std::string& host,
                                const std::vector<HostStepFile>& files);

// Finishes or undoes the step whose record is in `work`, if there is one.
// The record stays when the host could not be brought to one version.
void RecoverHostStep(IFolderFiles& fs, const std::string& work);

// At start: a step cut off is finished, the history pruned (a kill may have
// come before), then our temporaries left in the given folders (and in the
// history) are removed.
void TidyAfterInterruption(IFolderFiles& fs, const std::string& work, const std::string& host);

}  // namespace panel
