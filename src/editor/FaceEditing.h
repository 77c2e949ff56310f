#pragma once
// The faces of the panel open in the edit window: what the face file held,
// the background they are drawn on, and every change redrawn into the panel
// picture at once. A panel without faces keeps its bitmap untouched until
// its first face or background; from then on that bitmap is the background.
#include <windows.h>

#include <optional>
#include <string>

#include "data/FacePainter.h"
#include "faces/ButtonFace.h"
#include "table/PanelGrid.h"
#include "table/PanelTable.h"
#include "winui/Picture.h"

class FaceEditing {
 public:
  // Reads the panel's faces; damage is told in a "警告" box owned by `owner`
  // and the panel keeps its saved bitmap.
  void Load(HWND owner, const panel::CPanelTable& table, const winui::Picture& panelImage);

  bool HasFaces() const { return active_; }
  const faces::PanelFaces& Faces() const { return faces_; }
  faces::ButtonFace FaceOf(int ordinal) const;
  FacePainter& Painter() { return *painter_; }
  // The background under one cell, for a preview.
  const winui::Picture& Background() const { return background_; }
  const panel::CPanelTable* Table() const { return table_; }

  // Both redraw what they change into `panelImage`.
  void SetFace(HWND owner, int ordinal, const faces::ButtonFace& face, winui::Picture& panelImage);
  // False (after telling why) when the background cannot be made.
  bool SetBackground(HWND owner, const faces::PanelBackground& background, winui::Picture& panelImage);
  // From the panel's first face or background on, the bitmap as it is now is
  // the background the faces are drawn on.
  void Begin(const winui::Picture& panelImage);

  // For the edits of the history, which put the pixels back themselves: the
  // data alone.
  void PutFace(int ordinal, const faces::ButtonFace& face);
  void PutBackground(const faces::PanelBackground& background) { faces_.background = background; }
  void SetActive(bool active) { active_ = active; }
  const winui::Picture& BackgroundPicture() const { return background_; }

  // Before the bitmap is written: draws it whole again from the background
  // and the faces, telling about pictures that could not be read.
  void DrawForSave(HWND owner, winui::Picture& panelImage);
  // After the bitmap and table were written: the face files. A damaged face
  // file found at opening is replaced only when the user agrees.
  void SaveFiles(HWND owner);

  std::optional<faces::ButtonFace> copied;  // the face Ctrl+Shift+C keeps

 private:
  void Redraw(winui::Picture& panelImage, std::optional<int> ordinal);
  void TellUnreadable(HWND owner);

  const panel::CPanelTable* table_ = nullptr;
  std::optional<FacePainter> painter_;
  faces::PanelFaces faces_;
  winui::Picture background_;
  bool active_ = false;
  bool damagedFile_ = false;  // the face file on disk could not be read
};
