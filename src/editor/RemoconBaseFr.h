#pragma once
// The learned-code list of the command dialog: up to ten rows, one under the
// other in sending order, in a frame that scrolls vertically once they no
// longer fit. The owner hears of every arrangement.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/RemoconFr.h"
#include "winui/ChildFrame.h"
#include "winui/Dpi.h"
#include "winui/Font.h"

// Told after rows have been added or removed (not after ClearRows).
class RemoconListOwner {
 public:
  virtual void UpdateSendOptions() = 0;

 protected:
  ~RemoconListOwner() = default;
};

class TOptionMdl;

class TRemoconBaseFr : public winui::ChildFrame {
 public:
  static constexpr wchar_t kClassName[] = L"TRemoconBaseFr";
  static constexpr int kCapacity = 10;
  static constexpr COLORREF kColor = RGB(192, 192, 192);

  // The rows learn and send through `options`.
  TRemoconBaseFr(RemoconListOwner& owner, TOptionMdl& options) : owner_(owner), options_(options) {}

  // `controlFont` is the dialog's, given to the rows' edits and buttons.
  bool CreateList(HWND parent, const winui::Rect& place, HFONT controlFont, int id = 0);

  // The new row, or null when the list already holds kCapacity rows.
  TRemoconFr* AddRow(const std::string& codeText);
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // A row's height on the screen: the design's at the window's scale.
  int RowHeight() const { return winui::Scaled(Handle(), TRemoconFr::kHeight); }
  TRemoconFr& RowAt(int index) { return *rows_.at(static_cast<size_t>(index)); }
  const TRemoconFr& RowAt(int index) const { return *rows_.at(static_cast<size_t>(index)); }
  // A row that is not in this list is ignored.
  void RemoveRow(const TRemoconFr& row);
  void RemoveRowAt(int index);
  // Without telling the owner.
  void ClearRows();
  // Places the rows under each other from the top of the content and tells the owner.
  void ArrangeRows();
  // Removes the row with this serial number after the current message (see TRemoconFr::DelButtonClick).
  void RequestRemoval(unsigned serial);
  int ScrollPos() const { return scrollPos_; }
  // Scrolls as little as needed for the whole row to show (keyboard focus moving into it).
  void ScrollIntoView(const TRemoconFr& row);

  TOptionMdl& Options() const { return options_; }
  HFONT ControlFont() const { return controlFont_; }
  static HFONT LabelFont() { return winui::SharedFont(L"Tahoma", 12); }
  static HFONT CodeFont() { return winui::SharedFont(L"Tahoma", 7, true); }

 protected:
  void OnSize(int width, int height) override;
  void OnVScroll(int code, int thumb) override;
  bool OnMouseWheel(int delta) override;
  LRESULT OnAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void ScrollTo(int pos);
  // Sets the bar's range and page and keeps the position within them.
  void UpdateScrollBar();
  void PlaceRows();

  RemoconListOwner& owner_;
  TOptionMdl& options_;
  HFONT controlFont_ = nullptr;
  std::vector<std::unique_ptr<TRemoconFr>> rows_;
  unsigned nextSerial_ = 1;
  int scrollPos_ = 0;
};
