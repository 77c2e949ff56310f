#pragma once
// The map of a panel set: each panel a small picture with its name, arrows
// for its panel-switch buttons, and marks for what needs seeing to (a switch
// to no panel, a panel nobody switches to, a work copy the host does not
// have, no way to a 閉じる button). A click selects a panel; a click on its
// box ticks it for publishing. From the keyboard the arrows move the
// selection and Space ticks; the selected panel wears a focus mark while the
// map has the focus.
#include <windows.h>

#include <string>
#include <vector>

#include "table/PanelSet.h"
#include "winui/ChildFrame.h"
#include "winui/Picture.h"

class TPanelSetMapFr : public winui::ChildFrame {
 public:
  static constexpr wchar_t kClassName[] = L"TPanelSetMapFr";
  // Each panel's place: a box of this size, on a grid of this pitch.
  // The room above and between the rows holds the arrows that pass over or under a box.
  static constexpr int kBoxWidth = 180, kBoxHeight = 190, kPitchX = 224, kPitchY = 270, kMargin = 12, kTop = 50;

  bool Create(HWND parent, const winui::Rect& place, int id);
  // A copy of `full` no larger than a box shows: a set's pictures can be large.
  static winui::Picture Thumbnail(const winui::Picture& full);
  // The set to show, its links and the panels' pictures (empty where unreadable).
  void Show(std::vector<panel::SetPanel> panels, panel::SetLinks links, std::vector<winui::Picture> pictures,
            std::vector<bool> ticked);

  const std::vector<panel::SetPanel>& Panels() const { return panels_; }
  // The selected panel's index, or -1.
  int Selected() const { return selected_; }
  std::vector<size_t> Ticked() const;
  // The box of panel `i` in client coordinates at the present scroll position.
  RECT BoxOf(size_t i) const;
  // A key pressed while the map has the focus, without Shift, Ctrl or Alt;
  // true when used. With nothing selected the first key selects the first
  // panel, as the edit window frames its first cell.
  bool OnKey(UINT key);
  // The selected panel, the first one when none is; -1 for an empty set.
  int KeyPanel();

 protected:
  void OnPaint(HDC dc, const RECT& dirty) override;
  void OnMouseDown(MouseButton button, int x, int y) override;
  void OnSize(int width, int height) override;
  void OnVScroll(int code, int thumb) override;
  bool OnMouseWheel(int delta) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  int Columns() const;
  void UpdateScroll();
  void Select(int i);
  void PaintPanel(HDC dc, size_t i);
  void PaintLinks(HDC dc);

  std::vector<panel::SetPanel> panels_;
  panel::SetLinks links_;
  std::vector<winui::Picture> pictures_;
  std::vector<bool> ticked_;
  int selected_ = -1;
  int scroll_ = 0;
  int width_ = 0, height_ = 0;
};
