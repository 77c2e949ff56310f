#pragma once
// A panel edit window over a white bitmap in a temporary folder, for the tests
// of its mouse and its keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "StorageTestSupport.h"
#include "data/OptionMdl.h"
#include "editor/PanelEditFm.h"

namespace paneledit_test {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kRed = RGB(255, 0, 0);

inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class PanelEdit : public ::testing::Test {
 protected:
  // A grid of columns x rows cells of w x h over a white bitmap one pixel larger each way.
  void Open(int w, int h, int columns, int rows) {
    winui::Picture white;
    ASSERT_TRUE(white.Create(w * columns + 1, h * rows + 1, kWhite));
    ASSERT_EQ(white.SaveToFile(folder_.Sjis() + "\\p.bmp"), L"");
    table_.SetTablePath(folder_.Sjis() + "\\\x8b\x40\x8a\xed\x91\x80\x8d\xec" "A.tbl");
    table_.SetBitmapName("p.bmp");
    ASSERT_TRUE(table_.CreateGrid(w, h, columns, rows));
    window_ = std::make_unique<winui::Owned<TPanelEditFm>>(options_);
    ASSERT_TRUE(window_->CreateForm(nullptr));
    ASSERT_EQ(window_->LoadPanel(table_), L"");
    window_->Folders = {[this](HWND) { return folder_.Sjis(); }, [this](HWND) { return host_.Sjis(); }};
    ShowWindow(window_->Handle(), SW_SHOW);
  }
  HWND Window() const { return window_->Handle(); }
  // What the window shows now, read through WM_PRINTCLIENT.
  COLORREF Shown(int x, int y) const {
    winui::Picture shot;
    shot.Create(window_->PanelImage().Width(), window_->PanelImage().Height(), RGB(0, 0, 255));
    {
      winui::MemoryDc dc;
      winui::ScopedSelectObject select(dc.Get(), shot.Handle());
      SendMessageW(Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    }
    GdiFlush();
    return shot.PixelAt(x, y);
  }
  void Click(UINT button, int x, int y) { SendMessageW(Window(), button, 0, At(x, y)); }

  storage_test::TempFolder folder_;
  storage_test::TempFolder host_;
  TOptionMdl options_;
  panel::CPanelTable table_;
  std::unique_ptr<TPanelEditFm> window_;
};

}  // namespace paneledit_test
