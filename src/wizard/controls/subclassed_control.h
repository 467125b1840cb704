#pragma once
// The window side of the shared controls: a real system control (BUTTON or
// STATIC) whose messages pass through our object first.
//
// How it works: the control is subclassed with SetWindowSubclass, and its
// parent is subclassed too (one subclass entry per control), so that the
// notifications a control sends to its parent come back to the control, as
// MFC's message reflection does: the click (WM_COMMAND), the control-colour
// query (WM_CTLCOLORBTN / WM_CTLCOLORSTATIC) and owner-draw requests
// (WM_DRAWITEM). A reflected message the control handles never reaches the
// parent; others go on to the parent as usual, so a page still sees the clicks
// of its plain picture buttons in its onCommand.
//
// Nothing escapes into the system's code: both procedures catch every
// exception and carry on with the default handling.

#include <windows.h>

#include <functional>
#include <string>

class SubclassedControl {
 public:
  SubclassedControl() = default;
  virtual ~SubclassedControl();
  SubclassedControl(const SubclassedControl&) = delete;
  SubclassedControl& operator=(const SubclassedControl&) = delete;

  HWND hwnd() const { return hwnd_; }
  HWND GetSafeHwnd() const { return hwnd_; }

 protected:
  // Creates a child window of the system class `className` and subclasses it.
  bool createControl(const char* className, const char* text, DWORD style, const RECT& rect, HWND parent, int id);
  // Subclasses the control `id` of `dialog` (a control of a dialog template).
  bool subclassDlgItem(int id, HWND dialog);
  // Subclasses an existing window. False when it is null or already bound.
  bool subclassWindow(HWND window);
  void addStyle(DWORD bits) const;

  // Messages of the control itself. Return true when handled, with `result`.
  virtual bool onControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // WM_COMMAND notification `code` (BN_CLICKED, STN_CLICKED, ...) sent by the
  // control to its parent. Return true to keep it from the parent.
  virtual bool onReflectedCommand(int code);
  // WM_CTLCOLORBTN / WM_CTLCOLORSTATIC for this control. Return true with the
  // brush in `brush` to answer the query instead of the parent.
  virtual bool onReflectedControlColor(HDC dc, HBRUSH& brush);
  // WM_DRAWITEM for this control.
  virtual bool onReflectedDrawItem(const DRAWITEMSTRUCT& item);
  // The window is going away (WM_NCDESTROY): free what belongs to it.
  virtual void onWindowGone() {}

  LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam) const;
  // Answers WM_PAINT and WM_PRINTCLIENT by drawing the whole client area with
  // `draw`; false for every other message.
  bool paintClientArea(UINT message, WPARAM wParam, LRESULT& result,
                       const std::function<void(HDC dc, const RECT& client)>& draw) const;
  // Repaints the control and the part of the parent under it, so that the
  // parent's background shows again where the picture is transparent.
  void invalidateWithParent() const;

 private:
  void unbind();
  static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR data);
  static LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data);

  HWND hwnd_ = nullptr;
  HWND parent_ = nullptr;
};
