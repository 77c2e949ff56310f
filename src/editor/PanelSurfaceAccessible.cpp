#include "editor/PanelSurfaceAccessible.h"

namespace {

// The surface itself: the list the buttons are in, and what its keys do.
constexpr wchar_t kSurfaceName[] = L"パネルのボタン";
constexpr wchar_t kSurfaceDescription[] = L"矢印キーでボタンを選べます（Enter: コマンド登録、F5: 動作確認）";

HRESULT ToBstr(const std::wstring& text, BSTR* out) {
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

void SetChild(VARIANT* out, LONG id) {
  out->vt = VT_I4;
  out->lVal = id;
}

}  // namespace

std::optional<int> PanelSurfaceAccessible::Ordinal(const VARIANT& child) const {
  if (child.vt != VT_I4) return std::nullopt;
  if (child.lVal == CHILDID_SELF) return -1;
  if (child.lVal < 1 || child.lVal > surface_->CellCount()) return std::nullopt;
  return static_cast<int>(child.lVal) - 1;
}

HRESULT PanelSurfaceAccessible::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG PanelSurfaceAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG PanelSurfaceAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT PanelSurfaceAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT PanelSurfaceAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT PanelSurfaceAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT PanelSurfaceAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

HRESULT PanelSurfaceAccessible::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                    reinterpret_cast<void**>(parent));
}

HRESULT PanelSurfaceAccessible::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  *count = surface_->CellCount();
  return S_OK;
}

HRESULT PanelSurfaceAccessible::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  const auto ordinal = Ordinal(child);
  // The buttons are simple elements, answered by this object with their child id.
  return ordinal && *ordinal >= 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT PanelSurfaceAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  const auto ordinal = Ordinal(child);
  if (!ordinal) return E_INVALIDARG;
  return ToBstr(*ordinal < 0 ? kSurfaceName : surface_->CellName(*ordinal), name);
}

HRESULT PanelSurfaceAccessible::get_accValue(VARIANT, BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT PanelSurfaceAccessible::get_accDescription(VARIANT child, BSTR* description) {
  if (!description) return E_POINTER;
  *description = nullptr;
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  const auto ordinal = Ordinal(child);
  if (!ordinal) return E_INVALIDARG;
  return ToBstr(*ordinal < 0 ? kSurfaceDescription : surface_->CellDescription(*ordinal), description);
}

HRESULT PanelSurfaceAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  VariantInit(role);
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  const auto ordinal = Ordinal(child);
  if (!ordinal) return E_INVALIDARG;
  SetChild(role, *ordinal < 0 ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM);
  return S_OK;
}

HRESULT PanelSurfaceAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  VariantInit(state);
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  const auto ordinal = Ordinal(child);
  if (!ordinal) return E_INVALIDARG;
  const bool focused = GetFocus() == window_;
  LONG flags = STATE_SYSTEM_FOCUSABLE;
  if (*ordinal < 0) {
    if (focused) flags |= STATE_SYSTEM_FOCUSED;
  } else {
    flags |= STATE_SYSTEM_SELECTABLE;
    if (surface_->FramedCellOrdinal() == *ordinal) flags |= STATE_SYSTEM_SELECTED | (focused ? STATE_SYSTEM_FOCUSED : 0);
    const RECT shown = surface_->CellOnScreen(*ordinal);
    if (IsRectEmpty(&shown)) flags |= STATE_SYSTEM_OFFSCREEN;
  }
  SetChild(state, flags);
  return S_OK;
}

HRESULT PanelSurfaceAccessible::get_accHelp(VARIANT, BSTR* help) {
  if (!help) return E_POINTER;
  *help = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT PanelSurfaceAccessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = 0;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT PanelSurfaceAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  if (!shortcut) return E_POINTER;
  *shortcut = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT PanelSurfaceAccessible::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  if (GetFocus() != window_) return S_FALSE;
  const auto framed = surface_->FramedCellOrdinal();
  SetChild(child, framed ? ChildId(*framed) : CHILDID_SELF);
  return S_OK;
}

HRESULT PanelSurfaceAccessible::get_accSelection(VARIANT* children) {
  if (!children) return E_POINTER;
  VariantInit(children);
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  const auto framed = surface_->FramedCellOrdinal();
  if (!framed) return S_FALSE;
  SetChild(children, ChildId(*framed));
  return S_OK;
}

HRESULT PanelSurfaceAccessible::get_accDefaultAction(VARIANT, BSTR* action) {
  if (!action) return E_POINTER;
  *action = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

// Selecting a button from the reader frames it, as the arrow keys do.
HRESULT PanelSurfaceAccessible::accSelect(LONG flags, VARIANT child) {
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  const auto ordinal = Ordinal(child);
  if (!ordinal || *ordinal < 0) return E_INVALIDARG;
  if (!(flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION))) return DISP_E_MEMBERNOTFOUND;
  if (flags & SELFLAG_TAKEFOCUS) SetFocus(window_);
  surface_->FrameCellOrdinal(*ordinal);
  return S_OK;
}

HRESULT PanelSurfaceAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  const auto ordinal = Ordinal(child);
  if (!ordinal) return E_INVALIDARG;
  RECT place{};
  if (*ordinal >= 0) {
    place = surface_->CellOnScreen(*ordinal);
  } else {
    GetClientRect(window_, &place);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
  }
  *left = place.left;
  *top = place.top;
  *width = place.right - place.left;
  *height = place.bottom - place.top;
  return S_OK;
}

// In reading order: the next and previous buttons, the first and the last.
HRESULT PanelSurfaceAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  VariantInit(end);
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  const auto ordinal = Ordinal(start);
  if (!ordinal) return E_INVALIDARG;
  const int count = surface_->CellCount();
  int to = -1;
  if (*ordinal < 0) {
    if (direction == NAVDIR_FIRSTCHILD) to = 0;
    if (direction == NAVDIR_LASTCHILD) to = count - 1;
  } else {
    if (direction == NAVDIR_NEXT) to = *ordinal + 1;
    if (direction == NAVDIR_PREVIOUS) to = *ordinal - 1;
  }
  if (to < 0 || to >= count) return S_FALSE;
  SetChild(end, ChildId(to));
  return S_OK;
}

HRESULT PanelSurfaceAccessible::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  if (!surface_) return CO_E_OBJNOTCONNECTED;
  if (const auto ordinal = surface_->CellAtScreen(POINT{x, y})) {
    SetChild(child, ChildId(*ordinal));
    return S_OK;
  }
  RECT client{};
  GetClientRect(window_, &client);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
  if (!PtInRect(&client, POINT{x, y})) return S_FALSE;
  SetChild(child, CHILDID_SELF);
  return S_OK;
}

HRESULT PanelSurfaceAccessible::accDoDefaultAction(VARIANT) { return DISP_E_MEMBERNOTFOUND; }
HRESULT PanelSurfaceAccessible::put_accName(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }
HRESULT PanelSurfaceAccessible::put_accValue(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }

PanelSurfaceAccessible& PanelSurfaceAccessibleRef::Get(HWND window, PanelSurface& surface) {
  if (!object_) object_ = new PanelSurfaceAccessible(window, surface);
  return *object_;
}

void PanelSurfaceAccessibleRef::Reset() {
  if (!object_) return;
  object_->Disconnect();
  object_->Release();
  object_ = nullptr;
}
