#include "table/HostStep.h"

#include <optional>

#include "table/PublishHistory.h"
#include "table/StepRecordLines.h"

namespace panel {

namespace {

struct StepRecord {
  bool undo = false;
  std::string host;
  std::string kept;
  std::vector<std::string> names;
};

std::string RecordPath(const std::string& work) { return work + "\\" + kHostStepRecordName; }

std::string Format(const StepRecord& record) {
  std::string text = std::string("step=") + (record.undo ? "undo" : "forward") + "\r\n";
  text += "host=" + record.host + "\r\n" + "kept=" + record.kept + "\r\n";
  for (const std::string& name : record.names) text += "file=" + name + "\r\n";
  return text;
}

std::optional<StepRecord> Parse(const std::string& text) {
  StepRecord record;
  bool sawStep = false, sawHost = false;
  ForEachRecordEntry(text, [&](const std::string& key, const std::string& value) {
    if (key == "step") {
      sawStep = value == "forward" || value == "undo";
      record.undo = value == "undo";
    } else if (key == "host") {
      sawHost = !value.empty();
      record.host = value;
    } else if (key == "kept") {
      record.kept = value;
    } else if (key == "file" && !value.empty()) {
      record.names.push_back(value);
    }
    return true;
  });
  if (!sawStep || !sawHost || record.names.empty()) return std::nullopt;
  return record;
}

std::string Target(const StepRecord& record, const std::string& name) { return record.host + "\\" + name; }

void RemoveTemporaries(IFolderFiles& fs, const StepRecord& record) {
  for (const std::string& name : record.names) fs.RemoveTree(TemporaryPathOf(Target(record, name)));
}

// Every file already moved into place back as the history kept it, or gone
// when the host had none; one whose prepared file is still there was never
// replaced. True when the host holds its previous files again.
bool PutBack(IFolderFiles& fs, const StepRecord& record) {
  bool whole = true;
  for (const std::string& name : record.names) {
    if (fs.FileExists(TemporaryPathOf(Target(record, name)))) continue;
    const std::string kept = record.kept.empty() ? std::string() : record.kept + "\\" + name;
    const bool back = !kept.empty() && fs.FileExists(kept) ? fs.CopyReplacing(kept, Target(record, name))
                                                           : fs.RemoveFile(Target(record, name));
    whole = back && whole;
  }
  RemoveTemporaries(fs, record);
  return whole;
}

// Moves the prepared files left into place; the first that fails, or "".
std::string MoveIntoPlace(IFolderFiles& fs, const StepRecord& record) {
  for (const std::string& name : record.names) {
    const std::string temporary = TemporaryPathOf(Target(record, name));
    if (fs.FileExists(temporary) && !fs.MoveReplacing(temporary, Target(record, name))) return Target(record, name);
  }
  return {};
}

// Undoes a step whose record says so (or is about to); the record goes when
// the host is whole again, and so does the history entry, now a copy of it.
bool Undo(IFolderFiles& fs, const std::string& work, StepRecord record) {
  record.undo = true;
  fs.WriteWholeFile(RecordPath(work), Format(record));
  if (!PutBack(fs, record)) return false;
  // The record first: while it is there, the entry is what putting back reads.
  fs.RemoveFile(RecordPath(work));
  if (!record.kept.empty()) {
    fs.RemoveTree(record.kept);
    fs.RemoveTree(TemporaryPathOf(record.kept));
  }
  return true;
}

bool SameBytes(IFolderFiles& fs, const std::string& a, const std::string& b) {
  const std::optional<std::string> left = fs.ReadWholeFile(a);
  const std::optional<std::string> right = left ? fs.ReadWholeFile(b) : std::nullopt;
  return left && right && *left == *right;
}

}  // namespace

void RecoverHostStep(IFolderFiles& fs, const std::string& work) {
  const std::optional<std::string> text = fs.ReadWholeFile(RecordPath(work));
  if (!text) return;
  const std::optional<StepRecord> record = Parse(*text);
  if (!record) {
    fs.RemoveFile(RecordPath(work));
    return;
  }
  // A kill may have come between the record and the entry's renaming.
  const bool kept = record->kept.empty() || CommitHistoryEntry(fs, record->kept);
  if (!record->undo && kept && MoveIntoPlace(fs, *record).empty()) {
    fs.RemoveFile(RecordPath(work));
    return;
  }
  Undo(fs, work, *record);
}

HostStepResult ReplaceHostFiles(IFolderFiles& fs, const std::string& work, const std::string& host,
                                const std::vector<HostStepFile>& files) {
  RecoverHostStep(fs, work);
  StepRecord record{false, host, "", {}};
  bool unchanged = true;
  for (const HostStepFile& file : files) {
    record.names.push_back(file.name);
    unchanged = unchanged && SameBytes(fs, file.source, Target(record, file.name));
  }
  if (unchanged) return {HostStepOutcome::Unchanged, ""};

  for (const HostStepFile& file : files) {
    const std::string target = Target(record, file.name);
    const std::string folder = MakeSubfolders(fs, host, file.name);
    if (!folder.empty()) {
      RemoveTemporaries(fs, record);
      return {HostStepOutcome::NotStarted, folder};
    }
    const std::string temporary = TemporaryPathOf(target);
    fs.RemoveTree(temporary);
    if (!fs.CopyReplacing(file.source, temporary)) {
      RemoveTemporaries(fs, record);
      return {HostStepOutcome::NotStarted, target};
    }
  }
  const KeptVersion kept = PrepareHistoryEntry(fs, work, host, record.names);
  if (!kept.failed.empty()) {
    RemoveTemporaries(fs, record);
    return {HostStepOutcome::NotKept, kept.failed};
  }
  record.kept = kept.entry;
  if (!fs.WriteWholeFile(RecordPath(work), Format(record))) {
    RemoveTemporaries(fs, record);
    if (!kept.entry.empty()) fs.RemoveTree(TemporaryPathOf(kept.entry));
    return {HostStepOutcome::NotStarted, RecordPath(work)};
  }
  if (!kept.entry.empty() && !CommitHistoryEntry(fs, kept.entry)) {
    const bool undone = Undo(fs, work, record);
    return {undone ? HostStepOutcome::NotKept : HostStepOutcome::Mixed, kept.entry};
  }
  if (const std::string failed = MoveIntoPlace(fs, record); !failed.empty()) {
    const bool anyMoved = !fs.FileExists(TemporaryPathOf(Target(record, record.names.front())));
    if (!Undo(fs, work, record)) return {HostStepOutcome::Mixed, failed};
    return {anyMoved ? HostStepOutcome::PutBack : HostStepOutcome::NotStarted, failed};
  }
  fs.RemoveFile(RecordPath(work));
  PruneHistory(fs, work);
  return {HostStepOutcome::Done, ""};
}

HostLeft HostLeftAfter(HostStepOutcome failure) {
  switch (failure) {
    case HostStepOutcome::PutBack: return HostLeft::PutBack;
    case HostStepOutcome::Mixed: return HostLeft::Mixed;
    default: return HostLeft::AsBefore;
  }
}

void TidyAfterInterruption(IFolderFiles& fs, const std::string& work, const std::string& host) {
  RecoverHostStep(fs, work);
  PruneHistory(fs, work);
  for (const std::string& folder : {work, host, work + "\\" + kHistoryFolderName}) {
    for (const std::string& name : fs.FolderNames(folder)) {
      if (IsTemporaryName(name)) fs.RemoveTree(folder + "\\" + name);
    }
  }
}

}  // namespace panel
