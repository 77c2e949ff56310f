#pragma once
// The part every window object of ours shares, top-level form or child frame:
// one C++ object per window, bound in WM_NCCREATE, one static procedure that
// dispatches to virtual OnXxx handlers inside try/catch (an escaping exception
// is shown in a box and the program goes on).
//
// The object outlives its window: a window object is made as Owned<T> (below),
// whose destructor destroys the window before any part of the object goes, so
// OnDestroy and whatever the children's destruction sends reach the whole
// object. Destroy() ends the window earlier.
#include <windows.h>

#include <string>
#include <utility>

namespace winui {

class Window {
 public:
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }
  // Destroys the window now (OnDestroy runs); the object stays usable for reading.
  void Destroy();

 protected:
  Window() = default;
  // Called by Owned<T> once the object is complete.
  void SetOwned() { owned_ = true; }

  // Registers `className` on first use and creates the window bound to this object.
  // A top-level window is refused (std::logic_error) unless the object is made as Owned<T>.
  bool CreateBound(const std::wstring& className, DWORD exStyle, const std::wstring& caption, DWORD style, int left,
                   int top, int width, int height, HWND parent, int id);

  // Controls are created here. Runs inside creation.
  virtual void OnCreate() {}
  virtual void OnDestroy() {}
  // WM_COMMAND from a control (also from controls inside group boxes, panels and tab pages).
  virtual void OnCommand(int id, int code, HWND control) { (void)id, (void)code, (void)control; }
  // WM_NOTIFY; the return value is the message's result.
  virtual LRESULT OnNotify(const NMHDR& header) { (void)header; return 0; }
  virtual void OnTimer(UINT_PTR id) { (void)id; }
  // Private messages (AppMessages.h); the return value is the message's result.
  virtual LRESULT OnAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    (void)msg, (void)wParam, (void)lParam;
    return 0;
  }
  // Any message, before every other handler; return true when handled.
  virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)msg, (void)wParam, (void)lParam, (void)result;
    return false;
  }
  // WM_PAINT and WM_PRINTCLIENT both paint here, so a test can paint into a memory DC.
  virtual void OnPaint(HDC dc, const RECT& dirty) { (void)dc, (void)dirty; }
  // The background; return false to leave it to the window class.
  virtual bool OnEraseBackground(HDC dc) { (void)dc; return false; }
  virtual void OnSize(int width, int height) { (void)width, (void)height; }
  // The window's own scroll bars: the SB_* code and where the thumb is being
  // dragged (the full position, not the 16 bits of the message). See Scrolling.h.
  virtual void OnVScroll(int code, int thumb) { (void)code, (void)thumb; }
  virtual void OnHScroll(int code, int thumb) { (void)code, (void)thumb; }
  // Wheel delta as the message gives it (WHEEL_DELTA a notch); return false to pass the wheel on to the parent.
  virtual bool OnMouseWheel(int delta) { (void)delta; return false; }
  virtual void OnMouseMove(int x, int y) { (void)x, (void)y; }
  enum class MouseButton { Left, Right };
  virtual void OnMouseDown(MouseButton button, int x, int y) { (void)button, (void)x, (void)y; }
  // WM_GETOBJECT: an accessibility client asks for the window's object. Return
  // true with the result (LresultFromObject) to answer it, false for the system's.
  virtual bool OnGetObject(WPARAM flags, LPARAM objectId, LRESULT& result) {
    (void)flags, (void)objectId, (void)result;
    return false;
  }
  // Colours of a child control (WM_CTLCOLOR*); null for the system's.
  virtual HBRUSH OnCtlColor(HDC dc, HWND control) { (void)dc, (void)control; return nullptr; }

  // Handlers of the message; derived window kinds add their own messages here.
  virtual LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcW(hwnd_, msg, wParam, lParam); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  bool owned_ = false;
};

// How a window object is made: Owned<TSomeFm> form(arguments). A child frame
// destroyed with its parent's window needs no wrapper; one that goes before
// its parent (a row of a list) is made the same way.
template <typename T>
class Owned final : public T {
 public:
  template <typename... Args>
  explicit Owned(Args&&... args) : T(std::forward<Args>(args)...) {
    this->SetOwned();
  }
  ~Owned() override { this->Destroy(); }
};

}  // namespace winui
