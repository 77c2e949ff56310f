#pragma once
// A command dialog on a cell of a 10 x 20 panel, shown (not modal) so that
// clicks behave as a user's, with the data module on the simulated transceiver.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "WinTestSupport.h"
#include "data/OptionMdl.h"
#include "editor/EditCommandFm.h"
#include "table/PanelTable.h"

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens the dialog on cell `ordinal` holding `code` (4 characters) and these texts.
  void Open(int ordinal, const std::string& code, std::initializer_list<std::string> texts = {});
  void Choose(int kindIndex);
  static void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
  static bool Ticked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  static bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
  static void Type(HWND edit, const std::wstring& text) { SetWindowTextW(edit, text.c_str()); }
  // "code|memo|text0|text1..." of the cell.
  std::string Cell() const;
  bool Registered() const { return dialog->GetModalResult() == winui::ModalResult::Ok; }
  // A code text as the transceiver learns it: long enough to count as learned.
  static std::string LearnedCode(char digit) { return "    1.50,  120.25," + std::string(40, digit); }
  // Lets posted messages (deferred row removal) run.
  static void Settle();

  wintest::SimLibrary sim;
  TOptionMdl options;
  panel::CPanelTable table;
  panel::CButtonInfo* cell = nullptr;
  std::unique_ptr<TEditCommandFm> dialog;
};
