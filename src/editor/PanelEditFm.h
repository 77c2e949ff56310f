#pragma once
// The panel edit window: the panel's bitmap with a red frame on the cell under
// the pointer, a left click editing that cell's command, a right click
// stamping a text onto the bitmap, and a bar with 保存, 保存して終了 and キャンセル,
// then 動作確認 and a status line naming the framed cell's command. Every action
// also has a key, so the panel can be edited without a mouse.
// It borrows the table from its opener and owns its copy of the bitmap.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "data/PanelFiles.h"
#include "editor/FaceEditing.h"
#include "data/RecoveryThread.h"
#include "editor/PanelEditBar.h"
#include "editor/PanelSurfaceAccessible.h"
#include "table/CommandClipboard.h"
#include "table/EditHistory.h"
#include "table/PanelGrid.h"
#include "table/PanelTable.h"
#include "winui/Form.h"
#include "winui/Gdi.h"
#include "winui/Picture.h"
#include "winui/Timer.h"

class TOptionMdl;

struct RecoveredWork;

class TPanelEditFm : public winui::Form, private PanelSurface {
 public:
  static constexpr wchar_t kClassName[] = L"TPanelEditFm";
  static constexpr int kBarHeight = 98;  // of the 96-dpi design
  // The picture is shown 1:1 or enlarged by a whole factor up to this.
  static constexpr int kMaxZoom = 2;
  enum ControlId : int { kPanel1 = 100, kSaveButton, kSaveQuit, kTyuusiButton, kCheckButton, kStatusLabel };

  // Learning, sending, the relay port and the clipboard of commands come from `options`.
  explicit TPanelEditFm(TOptionMdl& options);

  bool CreateForm(HWND owner);
  // Loads the bitmap named by the table, sizes and centres the window. "" or
  // why the bitmap cannot be loaded.
  std::wstring LoadPanel(panel::CPanelTable& table);
  // The same with the picture the opening checks loaded.
  void LoadPanel(panel::CPanelTable& table, winui::Picture picture);
  // After LoadPanel with its table and picture: the panel holds unsaved work
  // restored from a recovery copy (its faces too), which it goes on keeping.
  void ContinueRecovered(RecoveredWork& work);

  const winui::Picture& PanelImage() const { return panelImage_; }
  // The cell a click acts on; nothing while the pointer is beyond the grid.
  std::optional<panel::GridCell> HoverCell() const { return hover_; }
  // The cell the red frame is on now, if any; keys act on it.
  std::optional<panel::GridCell> FramedCell() const { return framed_ ? hover_ : std::nullopt; }
  int Zoom() const { return zoom_; }
  // Shows the picture at this factor (1 .. kMaxZoom), the window sized to it.
  void SetZoom(int zoom);
  // Pixels drawn on the window for the hover frame since loading (restored
  // cells and frames); the figure behind the cost of moving the pointer.
  long long HoverPixelsDrawn() const { return hoverPixelsDrawn_; }
  // Texts of the status line and the caption set since loading: what else
  // pointer moves cost on the screen.
  int TextsSet() const { return textsSet_; }

  // Every change of a face or of the panel background goes through these two.
  void ApplyFaceChange(int ordinal, const faces::ButtonFace& face);
  void ApplyBackgroundChange(const faces::PanelBackground& background);
  const FaceEditing& Faces() const { return faces_; }

  // Unsaved registrations, pastes, stamped texts or faces: the history is away
  // from the state last saved.
  bool Modified = false;
  // The folder of this panel's recovery copy, once a change has been made.
  std::string RecoveryCopyFolder() const { return recovery_ ? recovery_->CopyFolder() : std::string(); }
  // Where saving writes; tests point it elsewhere.
  PanelFolders Folders = DocumentsPanelFolders();
  // Where Ctrl+C keeps a command for the panels opened later in this run: the
  // data module's; tests give their own.
  panel::CommandClipboard* Clipboard;

  TPanelEditBar Panel1;
  HWND SaveButton = nullptr;
  HWND SaveQuit = nullptr;
  HWND TyuusiButton = nullptr;
  HWND CheckButton = nullptr;
  HWND StatusLabel = nullptr;

 protected:
  void OnCreate() override;
  void OnDpiChanged() override;
  bool OnGetObject(WPARAM flags, LPARAM objectId, LRESULT& result) override;
  void OnCommand(int id, int code, HWND control) override;
  void OnClose(bool& canClose) override;
  void OnDestroy() override;
  void OnTimer(UINT_PTR id) override;
  LRESULT OnAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;  // the preview keys, the recovery worker
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;  // logoff and shutdown
  void OnPaint(HDC dc, const RECT& dirty) override;
  // The picture covers the view; the bar paints itself.
  bool OnEraseBackground(HDC /*dc*/) override { return true; }
  void OnMouseMove(int x, int y) override;
  void OnMouseDown(MouseButton button, int x, int y) override;
  void OnVScroll(int code, int thumb) override;
  void OnHScroll(int code, int thumb) override;
  bool OnMouseWheel(int delta) override;

 private:
  panel::PanelGrid Grid() const;
  int BarHeight() const { return Scaled(kBarHeight); }
  int ViewHeight() const;
  void PlaceWindow();
  void UpdateScrollBars();
  void ScrollTo(int bar, int position);
  void PaintContent(HDC dc, bool withFrame);
  void DrawFrame(HDC dc, panel::GridCell cell);
  void RestoreCell(HDC dc, panel::GridCell cell);

  // The status line names the framed cell at once, or (for the pointer)
  // once it has rested there.
  enum class StatusTiming { Now, OnceRested };
  void MoveFrameTo(std::optional<panel::GridCell> cell, StatusTiming timing = StatusTiming::Now);
  void FrameOrdinal(int ordinal);
  void ScrollIntoView(panel::GridCell cell);
  // The status line and the caption (table name, unsaved mark).
  void UpdateStatus();
  void SetTextIfChanged(HWND window, const std::wstring& text);

  void FormMouseMove(int x, int y);
  void FormMouseDown(MouseButton button);
  void EditCell(panel::GridCell cell);
  void StampText(panel::GridCell cell);
  void SaveButtonClick();
  void SaveQuitClick();
  void TyuusiButtonClick();
  void CloseConfirmed();
  void CheckButtonClick();

  // Keys (PanelEditKeys.cpp): true when the key was used.
  bool OnKey(UINT key, LPARAM modifiers);
  panel::GridCell KeyCell();
  void CopyCell(panel::GridCell cell);
  void PasteCell(panel::GridCell cell);
  void ShowCellMenu(panel::GridCell cell);

  // Faces (PanelEditFaces.cpp).
  void EditFace(panel::GridCell cell);
  void EditBackground();
  void CopyFace(panel::GridCell cell);
  void PasteFace(panel::GridCell cell);
  panel::SaveResult SaveWithFaces();
  // A stamp on a panel with faces also goes onto its background.
  std::unique_ptr<panel::IEdit> StampOnFaces(std::unique_ptr<panel::IEdit> stamp, POINT at, int ordinal,
                                             const std::wstring& text);
  // Undo, redo and the recovery copy (PanelEditUndo.cpp).
  void RecordEdit(std::unique_ptr<panel::IEdit> edit);
  void UndoEdit();
  void RedoEdit();
  // After an edit, undo or redo: the unsaved mark, the screen, the copy.
  void AfterHistoryStep(const std::wstring& note);
  void AfterSave();
  void OnRecoveryTimer();
  bool WriteRecoveryNow();
  RecoveryFaces FacesForRecovery() const;
  std::wstring HistoryStatus() const;
  LRESULT QueryEndSession();

  // The surface as assistive technology reads it (PanelEditAccess.cpp).
  int CellCount() const override;
  std::wstring CellName(int ordinal) const override;
  std::wstring CellDescription(int ordinal) const override;
  RECT CellOnScreen(int ordinal) const override;
  std::optional<int> CellAtScreen(POINT point) const override;
  std::optional<int> FramedCellOrdinal() const override;
  void FrameCellOrdinal(int ordinal) override { FrameOrdinal(ordinal); }
  // Tells a screen reader the framed button.
  void AnnounceFrame();

  TOptionMdl& options_;
  panel::CPanelTable* table_ = nullptr;
  winui::Picture panelImage_;
  int cellWidth_ = 0;
  int cellHeight_ = 0;
  std::optional<panel::GridCell> hover_ = panel::GridCell{0, 0};
  bool framed_ = false;  // the frame of hover_ is on the window now
  bool closeConfirmed_ = false;
  int scrollX_ = 0;  // only a panel larger than the screen scrolls
  int scrollY_ = 0;
  long long hoverPixelsDrawn_ = 0;
  int textsSet_ = 0;
  winui::Timer statusTimer_;
  FaceEditing faces_;
  panel::EditHistory history_;
  std::wstring historyNote_;  // what the last undo or redo did, for the status line
  std::unique_ptr<TRecoveryThread> recovery_;
  winui::Timer recoveryTimer_;
  bool sessionEnding_ = false;  // Windows is ending the session: the copy stays
  static constexpr UINT_PTR kRecoveryTimer = 2;  // the status line's is 1
  int zoom_ = 1;
  PanelSurfaceAccessibleRef accessible_;
};
