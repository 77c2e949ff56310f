#include "table/ImportStep.h"

#include <optional>

#include "table/SetArchive.h"
#include "table/StepRecordLines.h"

namespace panel {

namespace {

struct StepRecord {
  bool done = false;
  ImportStepNames names;
};

std::string RecordPath(const std::string& work) { return work + "\\" + kImportStepRecordName; }

bool Write(IFolderFiles& fs, const std::string& work, const StepRecord& record) {
  std::string text = std::string("step=") + (record.done ? "done" : "forward") + "\r\n";
  for (const std::string& name : record.names.replaced) text += "replaced=" + name + "\r\n";
  for (const std::string& name : record.names.added) text += "added=" + name + "\r\n";
  return fs.WriteWholeFile(RecordPath(work), text);
}

std::optional<StepRecord> Parse(const std::string& text) {
  StepRecord record;
  bool sawStep = false;
  const bool sound = ForEachRecordEntry(text, [&](const std::string& key, const std::string& value) {
    if (key == "step") {
      sawStep = value == "forward" || value == "done";
      record.done = value == "done";
      return true;
    }
    // A record edited by hand must not make us remove anything outside the set.
    if (!IsArchiveMemberName(value)) return false;
    if (key == "replaced") record.names.replaced.push_back(value);
    if (key == "added") record.names.added.push_back(value);
    return true;
  });
  if (!sound || !sawStep) return std::nullopt;
  return record;
}

// Every replaced file back from its kept copy and every added one gone. A
// replaced file without a kept copy was never replaced: the copy is made
// before any file moves and removed only once this has succeeded.
bool PutBack(IFolderFiles& fs, const std::string& work, const ImportStepNames& names) {
  bool whole = true;
  for (const std::string& name : names.replaced) {
    const std::string target = work + "\\" + name;
    if (fs.FileExists(KeptPathOf(target))) whole = fs.CopyReplacing(KeptPathOf(target), target) && whole;
  }
  for (const std::string& name : names.added) whole = fs.RemoveFile(work + "\\" + name) && whole;
  return whole;
}

void RemovePrepared(IFolderFiles& fs, const std::string& work, const ImportStepNames& names) {
  for (const auto* list : {&names.replaced, &names.added}) {
    for (const std::string& name : *list) {
      fs.RemoveTree(TemporaryPathOf(work + "\\" + name));
      fs.RemoveTree(KeptPathOf(work + "\\" + name));
    }
  }
}

}  // namespace

std::string KeptPathOf(const std::string& target) {
  std::string temporary = TemporaryPathOf(target);
  return temporary.replace(temporary.size() - 4, 4, ".kept");
}

bool BeginImportStep(IFolderFiles& fs, const std::string& work, const ImportStepNames& names) {
  return Write(fs, work, {false, names});
}

bool MarkImportStepDone(IFolderFiles& fs, const std::string& work, const ImportStepNames& names) {
  return Write(fs, work, {true, names});
}

bool SettleImportStep(IFolderFiles& fs, const std::string& work) {
  const std::optional<std::string> text = fs.ReadWholeFile(RecordPath(work));
  if (!text) return true;
  const std::optional<StepRecord> record = Parse(*text);
  if (!record) return fs.RemoveFile(RecordPath(work));
  if (!record->done && !PutBack(fs, work, record->names)) return false;
  RemovePrepared(fs, work, record->names);
  return fs.RemoveFile(RecordPath(work));
}

}  // namespace panel
