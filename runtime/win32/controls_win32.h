// The native side of windows and controls on Win32, shared by the window and the control code.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/core.h"

namespace rt::platform {

struct NativeWindow {
    HWND hwnd = nullptr;
    HWND lastFocus = nullptr;  // the control that had the focus when the window was last deactivated
    WindowInstance* instance = nullptr;
};

struct NativeControl {
    HWND hwnd = nullptr;
    WNDPROC kindProc = nullptr;  // the procedure of the control's own class
    HFONT ownFont = nullptr;     // made from a stored logical-font record
    HBRUSH backBrush = nullptr;  // an edit box's background
    HANDLE picture = nullptr;    // a button's picture
    bool pictureIsIcon = false;
    bool hover = false;          // a link: the pointer is over it, and it holds the mouse capture
    bool visited = false;        // a link: the outcome of its last open
    ControlInstance* instance = nullptr;
    NativeWindow* window = nullptr;
};

inline NativeControl* NativeOf(const ControlInstance& c) { return static_cast<NativeControl*>(c.native); }
// The control that a child window is, or null for a window the runtime did not make.
NativeControl* ControlOf(HWND hwnd);

// 0xFF000000 in a background colour is the system's button-face colour, looked up now.
COLORREF ResolveColour(std::int64_t colour);
void FillSolid(HDC dc, const RECT& r, COLORREF colour);
// The stored font when it is a complete logical-font record, else null (use the default GUI font).
HFONT FontFromRecord(const std::string& record);

// A picture setting (the bytes of a .bmp or .ico file) as a bitmap or an icon; null when the bytes
// are neither. `isIcon` tells which.
HANDLE PictureFromBytes(const std::string& bytes, bool& isIcon);

// The kinds that the runtime draws itself; labels and links are the guidance part's.
void PaintLabel(NativeControl& n, HDC dc);
void PaintLink(NativeControl& n, HDC dc, const RECT& paint);
// A link's own handling of a message; true when it took the message.
bool LinkMessage(NativeControl& n, UINT msg, WPARAM wp, LPARAM lp);

bool RegisterControlClasses();
// Creates the window's controls hidden, stacks them, then shows those that are visible.
bool CreateControls(NativeWindow& w);
std::vector<std::size_t> FocusRingOf(const NativeWindow& w);
void MoveFocus(NativeWindow& w, bool forward);
void ClickDefaultButton(NativeWindow& w);
void OpenHelp(NativeWindow& w);
LRESULT OnControlColour(HDC dc, HWND control);

}  // namespace rt::platform
