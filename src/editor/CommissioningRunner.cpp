#include "editor/CommissioningRunner.h"

#include <shellapi.h>

#include <optional>

#include "data/OptionMdl.h"
#include "commissioning/CommissioningTexts.h"
#include "devices/win/IrTestSend.h"
#include "devices/win/RelaySend.h"
#include "editor/CommissioningFm.h"
#include "table/CommandProgram.h"
#include "table/SjisPath.h"
#include "winui/MessageBox.h"
#include "winui/SafeFile.h"
#include "winui/TextConv.h"

using namespace panel;

using commissioning::Record;
using commissioning::Step;
using commissioning::StepAction;

namespace {

// The program of a command line as the system would find it: a full path as
// the host starts it, another name along the search path (with ".exe" when it
// has no extension).
CommandProgram FindProgram(const std::string& commandLine) {
  CommandProgram program = ResolveProgram(commandLine, [](const std::string& path) { return winui::FileExistsSjis(path); });
  const auto name = program.fullPath ? std::nullopt : winui::SjisPathToWide(program.program);
  if (!name) return program;
  wchar_t found[MAX_PATH] = {};
  const DWORD length = SearchPathW(nullptr, name->c_str(), L".exe", MAX_PATH, found, nullptr);
  if (length == 0 || length >= MAX_PATH || !winui::FileExists(found)) return program;
  program.found = true;
  program.program = winui::WideToSjis(found).value_or(program.program);
  return program;
}

// A note keeps every character the sheet's code page has; any other becomes '?'.
std::string NoteToSjis(const std::wstring& note) {
  if (auto whole = winui::WideToSjis(note)) return *whole;
  std::string out;
  for (size_t i = 0; i < note.size(); ++i) {
    const bool pair = IS_HIGH_SURROGATE(note[i]) && i + 1 < note.size() && IS_LOW_SURROGATE(note[i + 1]);
    const auto one = pair ? std::nullopt : winui::WideToSjis(std::wstring_view(&note[i], 1));
    out += one ? *one : "?";
    if (pair) ++i;
  }
  return out;
}

// One step's device side, split around the question.
class StepRunner {
 public:
  StepRunner(HWND owner, const CPanelTable& table, CommissioningDevices& devices)
      : owner_(owner), table_(table), devices_(devices) {}

  // Tries the step; returns what was seen.
  std::string Before(const Step& step) {
    relaySent_ = false;
    switch (step.action) {
      case StepAction::RelayPulse:
      case StepAction::RelayToggle:
      case StepAction::RelayHold:
        relaySent_ = SendBytes(step.bytesBefore);
        return commissioning::RelayFinding(relaySent_, devices_.relayPort, false);
      case StepAction::SendInfrared:
        if (step.codeTexts.empty()) return commissioning::text::kNoCodes;
        return devices::RunIrTestSend(owner_, devices_.ir, step.codeTexts, step.holdUntilStopped, step.waitForNext)
                   ? commissioning::text::kSent
                   : commissioning::text::kNotSent;
      case StepAction::CheckPanelTable: {
        const bool inWork = winui::FileExistsSjis(table_.Folder() + "\\" + step.fileName);
        const std::string host = HostFolder();
        return commissioning::TableFinding(
            inWork, host.empty() ? std::nullopt : std::optional<bool>(winui::FileExistsSjis(host + "\\" + step.fileName)));
      }
      case StepAction::CheckProgram: {
        const CommandProgram program = FindProgram(step.commandLine);
        return commissioning::ProgramFinding(program.found, program.program);
      }
      case StepAction::NoteOnly: break;
    }
    return KindOfCode(table_.Cell(step.ordinal).GetCode()) == CommandKind::Close
               ? commissioning::text::kCloseNoted
               : commissioning::text::kNothingToTry;
  }

  // Puts a toggled or held relay back as it was, whatever the answer; the new
  // finding, or nothing when it stays.
  std::optional<std::string> After(const Step& step) {
    if (!relaySent_ || step.bytesAfter.empty()) return std::nullopt;
    return commissioning::RelayFinding(true, devices_.relayPort, SendBytes(step.bytesAfter));
  }

 private:
  bool SendBytes(const std::vector<unsigned char>& bytes) {
    for (unsigned char byte : bytes) {
      if (!devices::SendRelayCommand(owner_, devices_.relayPort, byte)) return false;
    }
    return true;
  }

  // Asked once per run, so that a missing documents folder is told only once.
  const std::string& HostFolder() {
    if (!host_) host_ = devices_.hostPanelFolder ? devices_.hostPanelFolder(owner_) : std::string();
    return *host_;
  }

  HWND owner_;
  const CPanelTable& table_;
  CommissioningDevices& devices_;
  std::optional<std::string> host_;
  bool relaySent_ = false;
};

TCommissioningFm::Question QuestionFor(const Step& step, size_t index, size_t count, const std::string& finding) {
  TCommissioningFm::Question question;
  question.progress = std::to_wstring(index + 1) + L" / " + std::to_wstring(count) + L"    ボタン " +
                      std::to_wstring(step.ordinal + 1) + L" (" + std::to_wstring(step.row + 1) + L"行 " +
                      std::to_wstring(step.column + 1) + L"列)";
  question.words = winui::SjisToWide(step.words);
  question.finding = winui::SjisToWide(finding);
  return question;
}

commissioning::DateTime Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace

Record RunCommissioningSteps(HWND owner, const CPanelTable& table, CommissioningDevices& devices,
                             const FrameCell& frameCell) {
  Record record(commissioning::PlanSteps(table));
  StepRunner runner(owner, table, devices);
  const size_t count = record.Steps().size();
  for (size_t i = 0; i < count; ++i) {
    const Step& step = record.Steps()[i];
    if (frameCell) frameCell(step.ordinal);
    record.SetFinding(i, runner.Before(step));
    winui::Owned<TCommissioningFm> form(QuestionFor(step, i, count, record.At(i).finding));
    const bool answered =
        form.CreateForm(owner) && winui::ShowModal(form, owner) == winui::ModalResult::Ok;
    if (answered) record.Answer(i, form.Answer(), NoteToSjis(form.Note()));
    if (auto finding = runner.After(step)) record.SetFinding(i, *finding);
    if (!answered) {
      record.Stop();
      break;
    }
  }
  return record;
}

std::string SaveCommissioningSheet(HWND owner, const CPanelTable& table, const Record& record,
                                   const winui::Picture& picture, int relayPort, const commissioning::DateTime& when) {
  const std::string tableName = FileNameOfSjisPath(table.TablePath());
  const std::vector<std::uint8_t> bmp = picture.FileBytes();
  const std::string html = commissioning::SheetHtml(
      table, record, {tableName, when, relayPort, bmp, picture.Width(), picture.Height()});
  std::string path;
  for (int attempt = 1; attempt <= 100; ++attempt) {
    path = table.Folder() + "\\" + commissioning::SheetFileName(tableName, when, attempt);
    if (!winui::FileExistsSjis(path)) break;
  }
  const auto widePath = winui::SjisPathToWide(path);
  const std::wstring failure = widePath ? winui::WriteFileReplacing(*widePath, html.data(), html.size())
                                        : winui::SystemErrorText(ERROR_INVALID_NAME);
  if (failure.empty()) return path;
  winui::ShowWarning(owner, L"動作確認シートを保存できません。\n" + winui::SjisToWide(path) + L"\n" + failure);
  return {};
}

std::string RunCommissioning(HWND owner, TOptionMdl& options, const CPanelTable& table, const winui::Picture& picture,
                             const FrameCell& frameCell) {
  if (commissioning::PlanSteps(table).empty()) {
    winui::ShowWarning(owner, L"命令のあるボタンがありません。");
    return {};
  }
  CommissioningDevices devices{options.RelayPort, options.IrDevice(),
                               [&options](HWND o) { return options.GetHostPanelFolder(o); }};
  const Record record = RunCommissioningSteps(owner, table, devices, frameCell);
  return SaveCommissioningSheet(owner, table, record, picture, devices.relayPort, Now());
}

void OfferToOpenSheet(HWND owner, const std::string& sheetPathSjis) {
  const std::wstring path = winui::SjisToWide(sheetPathSjis);
  if (!winui::AskYesNo(owner, L"動作確認シートを保存しました。\n" + path + L"\nブラウザで開きますか？")) return;
  ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
