#include "table/ManagePanelSteps.h"

#include "table/FaceFileNames.h"
#include "table/ManagePanels.h"
#include "table/PanelNames.h"

namespace panel {

namespace {

// The face files of `fromTable` copied under `toTable`'s names, or those of
// `toTable` removed when the source has none; false after reporting.
bool CopyPanelFaces(const std::string& work, const std::string& fromTable, const std::string& toTable,
                    IPanelFilesEnvironment& env) {
  for (const auto& nameOf : {FaceBackgroundNameOf, FaceFileNameOf}) {
    const std::string from = work + "\\" + nameOf(fromTable);
    const std::string to = work + "\\" + nameOf(toTable);
    const bool copied = env.FileExists(from) ? env.CopyReplacing(from, to) : env.RemoveFile(to);
    if (!copied) {
      env.Report(PanelFileProblem::FacesNotCopied, from, to);
      return false;
    }
  }
  return true;
}

}  // namespace

std::string RemovePanelFaces(IFolderFiles& files, const std::string& work, const std::string& tableName) {
  // The face file first: without it a background left over is never read.
  for (const std::string& name : {FaceFileNameOf(tableName), FaceBackgroundNameOf(tableName)}) {
    if (!files.RemoveFile(work + "\\" + name)) return work + "\\" + name;
  }
  return {};
}

std::optional<std::string> DuplicatePanel(const std::string& work, const std::string& tableName,
                                          IPanelFilesEnvironment& env) {
  const std::optional<char> identifier = env.AskIdentifier(tableName);
  if (!identifier) return std::nullopt;
  const std::string copyName = TableFileName(*identifier);
  const std::string tablePath = work + "\\" + copyName;
  if (env.FileExists(tablePath)) {
    env.Report(PanelFileProblem::TableExists, tablePath);
    return std::nullopt;
  }
  const std::string sourcePath = work + "\\" + tableName;
  const std::optional<std::string> source = env.ReadWholeFile(sourcePath);
  if (!source) {
    env.Report(PanelFileProblem::SourceUnreadable, sourcePath);
    return std::nullopt;
  }
  const std::optional<DuplicatePlan> plan = PlanDuplicate(*source, *identifier, env);
  if (!plan) {
    env.Report(PanelFileProblem::NotDuplicable, sourcePath);
    return std::nullopt;
  }
  const std::string bitmapTo = work + "\\" + plan->bitmapTo;
  const bool bitmapExisted = env.FileExists(bitmapTo);
  if (plan->copyBitmap) {
    if (bitmapExisted && !env.ConfirmReplaceBitmap(plan->bitmapTo)) return std::nullopt;
    const std::string bitmapFrom = work + "\\" + plan->bitmapFrom;
    if (!env.CopyReplacing(bitmapFrom, bitmapTo)) {
      env.Report(PanelFileProblem::BitmapNotCopied, bitmapFrom, bitmapTo);
      return std::nullopt;
    }
  }
  const auto takeBack = [&] {
    if (plan->copyBitmap && !bitmapExisted) env.RemoveFile(bitmapTo);
    RemovePanelFaces(env, work, copyName);
  };
  if (!CopyPanelFaces(work, tableName, copyName, env)) {
    takeBack();
    return std::nullopt;
  }
  if (!env.WriteWholeFile(tablePath, plan->tableBytes)) {
    takeBack();
    env.Report(PanelFileProblem::TableNotMade, tablePath);
    return std::nullopt;
  }
  return copyName;
}

bool DeletePanel(const std::string& work, const std::string& tableName, IPanelFilesEnvironment& env) {
  std::vector<FolderTable> tables;
  std::vector<std::string> unreadable;
  for (const std::string& name : env.TableFileNames(work)) {
    const std::optional<std::string> bytes = env.ReadWholeFile(work + "\\" + name);
    if (!bytes && !env.SameFile(name, tableName)) unreadable.push_back(name);
    tables.push_back(DescribeTable(name, bytes.value_or("")));
  }
  const DeletePlan plan = PlanDelete(tables, tableName, env);
  const std::string bitmapPath = work + "\\" + plan.bitmapName;
  DeleteQuestion question{tableName, "", plan.removeBitmap && unreadable.empty(), plan.bitmapUsers, false,
                          plan.switchingHere};
  if (!plan.bitmapName.empty() && env.FileExists(bitmapPath)) {
    question.bitmapName = plan.bitmapName;
    if (plan.removeBitmap && !unreadable.empty()) {
      question.keptFor = unreadable;
      question.keptForUnreadable = true;
    }
  } else {
    question.removeBitmap = false;
  }
  if (!env.ConfirmDelete(question)) return false;

  const std::string tablePath = work + "\\" + tableName;
  if (!env.RemoveFile(tablePath)) {
    env.Report(PanelFileProblem::TableNotDeleted, tablePath);
    return false;
  }
  if (question.removeBitmap && !env.RemoveFile(bitmapPath)) env.Report(PanelFileProblem::BitmapNotDeleted, bitmapPath);
  if (const std::string left = RemovePanelFaces(env, work, tableName); !left.empty()) {
    env.Report(PanelFileProblem::FacesNotDeleted, left);
  }
  return true;
}

}  // namespace panel
