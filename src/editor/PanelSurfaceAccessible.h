#pragma once
// What assistive technology reads of the panel surface, through the platform's
// accessibility interface (IAccessible, which UI Automation clients read too):
// a list whose items are the panel's buttons, each with the name and the plain
// words of its command that the status line shows, and its place on the screen.
#include <windows.h>

#include <oleacc.h>

#include <optional>
#include <string>

// The surface as the edit window shows it. Cells are counted from 0.
class PanelSurface {
 public:
  virtual int CellCount() const = 0;
  virtual std::wstring CellName(int ordinal) const = 0;
  virtual std::wstring CellDescription(int ordinal) const = 0;
  // Screen pixels the cell is shown on, cut to the visible picture (empty when scrolled away).
  virtual RECT CellOnScreen(int ordinal) const = 0;
  virtual std::optional<int> CellAtScreen(POINT point) const = 0;
  virtual std::optional<int> FramedCellOrdinal() const = 0;
  virtual void FrameCellOrdinal(int ordinal) = 0;

 protected:
  ~PanelSurface() = default;
};

// Reference counted; clients may keep it after the window is gone, so the
// window disconnects it then and it answers "not connected" from that on.
class PanelSurfaceAccessible final : public IAccessible {
 public:
  // Starts with one reference, the creator's.
  PanelSurfaceAccessible(HWND window, PanelSurface& surface) : window_(window), surface_(&surface) {}
  void Disconnect() { surface_ = nullptr; }

  // The child id of a cell, as events and clients name it.
  static LONG ChildId(int ordinal) { return ordinal + 1; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: not offered; clients use the IAccessible methods.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  ~PanelSurfaceAccessible() = default;
  // The cell a child id names: -1 for the surface itself, nothing for no such child.
  std::optional<int> Ordinal(const VARIANT& child) const;

  LONG references_ = 1;
  HWND window_;
  PanelSurface* surface_;
};

// The edit window's hold on its surface's object: disconnected and released with it.
class PanelSurfaceAccessibleRef {
 public:
  PanelSurfaceAccessibleRef() = default;
  ~PanelSurfaceAccessibleRef() { Reset(); }
  PanelSurfaceAccessibleRef(const PanelSurfaceAccessibleRef&) = delete;
  PanelSurfaceAccessibleRef& operator=(const PanelSurfaceAccessibleRef&) = delete;

  // The object, made on first use.
  PanelSurfaceAccessible& Get(HWND window, PanelSurface& surface);
  void Reset();

 private:
  PanelSurfaceAccessible* object_ = nullptr;
};
