// The helper layer: forms, the modal loop and its test hook, containers
// passing notifications up, key filters, timers and escaped exceptions.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include <oleacc.h>

#include "WinTestSupport.h"
#include "winui/AppMessages.h"
#include "winui/ComApartment.h"
#include "winui/Controls.h"
#include "winui/ExceptionBox.h"
#include "winui/Form.h"
#include "winui/MessagePump.h"
#include "winui/Timer.h"

namespace {

enum : int { kOk = 100, kCancel, kThrow, kThrowUnknown, kGroup, kInner, kTabs, kEdit };

class ProbeFm : public winui::Form {
 public:
  bool Open(HWND owner, const wchar_t* className = L"TProbeFm") {
    winui::FormDescription description;
    description.className = className;
    description.caption = L"試験";
    description.clientWidth = 300;
    description.clientHeight = 200;
    description.owner = owner;
    description.placement = owner ? winui::FormPlacement::OwnerCenter : winui::FormPlacement::ScreenCenter;
    return Create(description);
  }

  HWND okButton = nullptr, cancelButton = nullptr, throwButton = nullptr, throwUnknownButton = nullptr;
  HWND group = nullptr, innerButton = nullptr, tabs = nullptr, page1 = nullptr, page2 = nullptr, edit = nullptr;
  HWND label = nullptr;
  bool refuseClose = false;
  int shows = 0, closes = 0, ticks = 0;
  std::vector<int> commands;
  winui::Timer timer;
  int* destroys = nullptr;

 protected:
  void OnCreate() override {
    HFONT font = FontHandle();
    okButton = winui::CreateButton(Handle(), kOk, L"OK", {10, 170, 60, 24}, font);
    cancelButton = winui::CreateButton(Handle(), kCancel, L"キャンセル", {80, 170, 60, 24}, font);
    throwButton = winui::CreateButton(Handle(), kThrow, L"例外", {150, 170, 60, 24}, font);
    throwUnknownButton = winui::CreateButton(Handle(), kThrowUnknown, L"?", {220, 170, 60, 24}, font);
    group = winui::CreateGroupBox(Handle(), kGroup, L"枠", {10, 10, 130, 60}, font);
    innerButton = winui::CreateButton(group, kInner, L"中", {10, 20, 60, 24}, font);
    tabs = winui::CreateTabControl(Handle(), kTabs, {150, 10, 140, 150}, font);
    page1 = winui::AddTabPage(tabs, L"一");
    page2 = winui::AddTabPage(tabs, L"二");
    label = winui::CreateLabel(page2, L"&記号：", 5, 30, font);
    edit = winui::CreateEdit(page2, kEdit, L"", {5, 5, 80, 22}, font, 3);
    winui::SetKeyPressHandler(edit, [](HWND, wchar_t& key) {
      if (key == L'x') key = 0;
      if (key == L'a') key = L'A';
    });
  }
  void OnShow() override { ++shows; }
  void OnDestroy() override {
    if (destroys) ++*destroys;
  }
  void OnClose(bool& canClose) override {
    ++closes;
    if (refuseClose) canClose = false;
  }
  void OnCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return;
    commands.push_back(id);
    if (id == kOk) SetModalResult(winui::ModalResult::Ok);
    if (id == kCancel) SetModalResult(winui::ModalResult::Cancel);
    if (id == kThrow) throw std::runtime_error("壊れました");
    if (id == kThrowUnknown) throw 42;
  }
  void OnTimer(UINT_PTR id) override {
    if (id == 7) ++ticks;
  }
};

class OwnerFm : public winui::Form {
 public:
  bool Open() {
    winui::FormDescription description;
    description.className = L"TOwnerFm";
    description.caption = L"親";
    description.clientWidth = 400;
    description.clientHeight = 300;
    return Create(description);
  }
  std::vector<HWND> helpAskedFrom;

 protected:
  LRESULT OnAppMessage(UINT msg, WPARAM wParam, LPARAM) override {
    if (msg != winui::kMsgHelp) return 0;
    helpAskedFrom.push_back(reinterpret_cast<HWND>(wParam));
    return 1;
  }
};

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner.Open());
    ShowWindow(owner.Handle(), SW_SHOW);
  }
  winui::Owned<OwnerFm> owner;
  wintest::BoxRecorder boxes;
};

TEST_F(FormTest, ModalShowDisablesTheOwnerAndReturnsTheResult) {
  winui::Owned<ProbeFm> probe;
  ASSERT_TRUE(probe.Open(owner.Handle()));
  bool ownerDisabled = false, probeVisible = false;
  winui::ScopedModalHook hook(L"TProbeFm", [&](winui::Form& form) {
    ownerDisabled = !IsWindowEnabled(owner.Handle());
    probeVisible = IsWindowVisible(form.Handle());
    EXPECT_TRUE(form.IsModal());
    Click(static_cast<ProbeFm&>(form).okButton);
  });
  EXPECT_EQ(winui::ShowModal(probe, owner.Handle()), winui::ModalResult::Ok);
  EXPECT_EQ(hook.TimesRun(), 1);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(probeVisible);
  EXPECT_EQ(probe.shows, 1);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(IsWindowVisible(probe.Handle()));  // hidden, not destroyed: its creator frees it
  EXPECT_TRUE(IsWindow(probe.Handle()));
  EXPECT_FALSE(probe.IsModal());

  // Shown again, the result starts afresh.
  winui::ScopedModalHook cancel(L"TProbeFm", [](winui::Form& form) { Click(static_cast<ProbeFm&>(form).cancelButton); });
  EXPECT_EQ(winui::ShowModal(probe, owner.Handle()), winui::ModalResult::Cancel);
  EXPECT_EQ(cancel.TimesRun(), 1);
  EXPECT_EQ(hook.TimesRun(), 1);  // the newest hook wins
}

TEST_F(FormTest, ClosingAModalFormGivesCancelUnlessRefused) {
  winui::Owned<ProbeFm> probe;
  ASSERT_TRUE(probe.Open(owner.Handle()));
  winui::ScopedModalHook hook(L"TProbeFm", [&](winui::Form& form) {
    probe.refuseClose = true;
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.GetModalResult(), winui::ModalResult::None);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    probe.refuseClose = false;
    // Closed later, from inside the modal loop.
    PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(winui::ShowModal(probe, owner.Handle()), winui::ModalResult::Cancel);
  EXPECT_EQ(probe.closes, 2);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(FormTest, ModalFormsNest) {
  winui::Owned<ProbeFm> outer, inner;
  ASSERT_TRUE(outer.Open(owner.Handle()));
  winui::ModalResult innerResult = winui::ModalResult::None;
  winui::ScopedModalHook outerHook(L"TProbeFm", [&](winui::Form&) {
    ASSERT_TRUE(inner.Open(outer.Handle(), L"TInnerFm"));
    winui::ScopedModalHook innerHook(L"TInnerFm", [&](winui::Form& form) {
      EXPECT_FALSE(IsWindowEnabled(outer.Handle()));
      Click(static_cast<ProbeFm&>(form).okButton);
    });
    innerResult = winui::ShowModal(inner, outer.Handle());
    EXPECT_TRUE(IsWindowEnabled(outer.Handle()));
    Click(outer.cancelButton);
  });
  EXPECT_EQ(winui::ShowModal(outer, owner.Handle()), winui::ModalResult::Cancel);
  EXPECT_EQ(innerResult, winui::ModalResult::Ok);
}

TEST_F(FormTest, F1InAModalFormReachesTheOwnerThatAnswersHelp) {
  winui::Owned<ProbeFm> probe;
  ASSERT_TRUE(probe.Open(owner.Handle()));
  winui::ScopedModalHook hook(L"TProbeFm", [&](winui::Form& form) {
    PostMessageW(static_cast<ProbeFm&>(form).okButton, WM_KEYDOWN, VK_F1, 1);
    PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  });
  winui::ShowModal(probe, owner.Handle());
  EXPECT_EQ(owner.helpAskedFrom, std::vector<HWND>{probe.Handle()});
  EXPECT_TRUE(probe.commands.empty());
}

TEST_F(FormTest, EscapedExceptionsAreShownAndTheProgramGoesOn) {
  winui::Owned<ProbeFm> probe;
  ASSERT_TRUE(probe.Open(owner.Handle()));
  ShowWindow(probe.Handle(), SW_SHOW);
  Click(probe.throwButton);
  Click(probe.throwUnknownButton);
  const std::wstring caption = winui::ExceptionCaption();
  EXPECT_EQ(caption, L"app_winui_test");
  EXPECT_EQ(boxes.Lines(), (std::vector<std::wstring>{caption + L"|壊れました", caption + L"|"}));
  Click(probe.okButton);  // still answering
  EXPECT_EQ(probe.commands, (std::vector<int>{kThrow, kThrowUnknown, kOk}));
}

TEST_F(FormTest, ContainersPassNotificationsToTheForm) {
  winui::Owned<ProbeFm> probe;
  ASSERT_TRUE(probe.Open(owner.Handle()));
  ShowWindow(probe.Handle(), SW_SHOW);
  Click(probe.innerButton);
  EXPECT_EQ(probe.commands, std::vector<int>{kInner});

  // A click on the second tab switches pages.
  EXPECT_TRUE(IsWindowVisible(probe.page1));
  EXPECT_FALSE(IsWindowVisible(probe.page2));
  RECT tab{};
  TabCtrl_GetItemRect(probe.tabs, 1, &tab);
  const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  SendMessageW(probe.tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(probe.tabs, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(TabCtrl_GetCurSel(probe.tabs), 1);
  EXPECT_FALSE(IsWindowVisible(probe.page1));
  EXPECT_TRUE(IsWindowVisible(probe.page2));
  winui::SelectTab(probe.tabs, 0);
  EXPECT_TRUE(IsWindowVisible(probe.page1));
  EXPECT_FALSE(IsWindowVisible(probe.page2));
  EXPECT_EQ(winui::TabPage(probe.tabs, 1), probe.page2);
}

TEST_F(FormTest, TabGoesThroughContainersAndIntoTheShownPage) {
  winui::Owned<ProbeFm> probe;
  ASSERT_TRUE(probe.Open(owner.Handle()));
  ShowWindow(probe.Handle(), SW_SHOW);
  HWND form = probe.Handle();
  EXPECT_EQ(winui::NextTabStop(form, probe.throwUnknownButton, false), probe.innerButton);
  EXPECT_EQ(winui::NextTabStop(form, probe.innerButton, false), probe.tabs);
  EXPECT_EQ(winui::NextTabStop(form, probe.tabs, false), probe.okButton);  // the first page is empty
  EXPECT_EQ(winui::NextTabStop(form, probe.okButton, true), probe.tabs);
  winui::SelectTab(probe.tabs, 1);
  EXPECT_EQ(winui::NextTabStop(form, probe.tabs, false), probe.edit);
  EXPECT_EQ(winui::NextTabStop(form, probe.edit, true), probe.tabs);
  EnableWindow(probe.group, FALSE);
  EXPECT_EQ(winui::NextTabStop(form, probe.throwUnknownButton, false), probe.tabs);

  // The Tab key itself, through the dispatcher every message loop uses.
  SetFocus(probe.tabs);
  ASSERT_EQ(GetFocus(), probe.tabs);
  MSG tab{probe.tabs, WM_KEYDOWN, VK_TAB, 1, 0, {}};
  winui::DispatchWithDialogKeys(tab);
  EXPECT_EQ(GetFocus(), probe.edit);

  // Ctrl+Tab turns the pages, with the focus into the page shown.
  BYTE keys[256] = {};
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  for (HWND expected : {probe.tabs, probe.edit}) {  // the first page has no field
    winui::DispatchWithDialogKeys(tab);
    EXPECT_EQ(GetFocus(), expected);
  }
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_TRUE(IsWindowVisible(probe.page2));
}

TEST_F(FormTest, KeyPressHandlerFiltersAndReplacesCharacters) {
  winui::Owned<ProbeFm> probe;
  ASSERT_TRUE(probe.Open(owner.Handle()));
  for (wchar_t key : {L'x', L'a', L'b', L'x', L'c', L'd'}) SendMessageW(probe.edit, WM_CHAR, key, 1);
  EXPECT_EQ(winui::GetText(probe.edit), L"Abc");  // 'x' swallowed, 'a' replaced, limit 3
}

TEST_F(FormTest, TimerTicksUntilStopped) {
  winui::Owned<ProbeFm> probe;
  ASSERT_TRUE(probe.Open(owner.Handle()));
  ASSERT_TRUE(probe.timer.Start(probe.Handle(), 7, 10));
  EXPECT_TRUE(winui::PumpUntil([&] { return probe.ticks >= 3; }, 5000));
  probe.timer.Stop();
  EXPECT_FALSE(probe.timer.Running());
}

TEST_F(FormTest, DestroyingTheObjectDestroysItsWindowWhileTheObjectIsWhole) {
  HWND window = nullptr;
  int destroys = 0;
  {
    winui::Owned<ProbeFm> probe;
    probe.destroys = &destroys;
    ASSERT_TRUE(probe.Open(nullptr));
    window = probe.Handle();
    EXPECT_TRUE(IsWindow(window));
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(destroys, 1);  // the derived OnDestroy ran
  ProbeFm plain;
  EXPECT_THROW(plain.Open(nullptr), std::logic_error);

  winui::Owned<ProbeFm> closed;
  ASSERT_TRUE(closed.Open(nullptr));
  closed.Close();  // not modal: the window goes, the object stays
  EXPECT_EQ(closed.Handle(), nullptr);
}

RECT PlaceIn(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int FontHeight(HWND window) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font.lfHeight;
}

TEST_F(FormTest, AnotherDpiScalesTheDesignAndComingBackRestoresItExactly) {
  winui::Owned<ProbeFm> probe;
  ASSERT_TRUE(probe.Open(owner.Handle()));
  const RECT edit96 = PlaceIn(probe.edit), label96 = PlaceIn(probe.label);
  ASSERT_EQ(FontHeight(probe.edit), -11);  // Tahoma 8 pt
  auto changeTo = [&](int dpi) {
    RECT frame{};
    GetWindowRect(probe.Handle(), &frame);
    frame.right = frame.left + MulDiv(frame.right - frame.left, dpi, probe.Dpi());
    frame.bottom = frame.top + MulDiv(frame.bottom - frame.top, dpi, probe.Dpi());
    SendMessageW(probe.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
  };
  changeTo(144);
  EXPECT_EQ(probe.Dpi(), 144);
  EXPECT_EQ(PlaceIn(probe.edit).left, 8);  // 5 x 1.5 rounded
  EXPECT_EQ(PlaceIn(probe.edit).right, 128);  // 85 x 1.5 rounded: edges scale, not lengths
  EXPECT_EQ(PlaceIn(probe.edit).bottom, 41);
  EXPECT_EQ(FontHeight(probe.edit), -17);
  EXPECT_GT(PlaceIn(probe.label).right - PlaceIn(probe.label).left, label96.right - label96.left);  // measured again
  RECT page{};
  GetClientRect(probe.page2, &page);
  EXPECT_GT(page.right, 140);  // the pages fill the larger tab control
  changeTo(96);
  const RECT edit = PlaceIn(probe.edit), label = PlaceIn(probe.label);
  EXPECT_TRUE(EqualRect(&edit96, &edit));
  EXPECT_TRUE(EqualRect(&label96, &label));
  EXPECT_EQ(FontHeight(probe.edit), -11);
}

TEST_F(FormTest, AFieldIsNamedAfterItsLabel) {
  const winui::ComApartment com;
  winui::Owned<ProbeFm> probe;
  ASSERT_TRUE(probe.Open(owner.Handle()));
  IAccessible* field = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(probe.edit, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                       reinterpret_cast<void**>(&field)),
            S_OK);
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  EXPECT_EQ(field->get_accName(self, &name), S_OK);
  EXPECT_STREQ(name, L"記号");
  SysFreeString(name);
  VARIANT role{};
  EXPECT_EQ(field->get_accRole(self, &role), S_OK);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_TEXT);  // the rest is the system's
  field->Release();
}

}  // namespace
