#pragma once
// The question of the commissioning run, asked after each button has been
// tried: 動いた / 動かない / 飛ばす with a note, or 中止 to end the run. Usable
// without a mouse: Enter answers with the focused button (動いた when the note
// has the focus), Esc and the title bar stop.
#include <windows.h>

#include <string>

#include "commissioning/CommissioningRun.h"
#include "winui/Form.h"

class TCommissioningFm : public winui::Form {
 public:
  static constexpr wchar_t kClassName[] = L"TCommissioningFm";
  static constexpr int kWorkedButtonId = 100;
  static constexpr int kNotWorkedButtonId = 101;
  static constexpr int kSkipButtonId = 102;
  static constexpr int kNoteEditId = 103;
  static constexpr int kTyuusiButtonId = 104;
  static constexpr int kWordsLabelId = 105;
  static constexpr int kFindingLabelId = 106;

  struct Question {
    std::wstring progress;  // "3 / 6  ボタン 2 (1行 3列)"
    std::wstring words;     // the command in plain words
    std::wstring finding;   // what the run saw
  };

  explicit TCommissioningFm(Question question) : question_(std::move(question)) {}

  // Hidden, owned by `owner` and placed beside it, so that the framed button stays in sight.
  bool CreateForm(HWND owner);
  // After a modal result of OK; Cancel means stop.
  commissioning::Outcome Answer() const { return answer_; }
  const std::wstring& Note() const { return note_; }

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  // Keeps the focus on a control across activation, as a dialog does.
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void Answered(commissioning::Outcome outcome);
  void PlaceBesideOwner(HWND owner);

  Question question_;
  HWND noteEdit_ = nullptr;
  HWND focus_ = nullptr;
  commissioning::Outcome answer_ = commissioning::Outcome::NotTried;
  std::wstring note_;
};
