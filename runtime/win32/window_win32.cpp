// Windows and controls built from their definitions with Win32, the event loop and event dispatch.
#include <windows.h>

#include <string>

#include "runtime/core.h"
#include "runtime/keyboard.h"
#include "runtime/win32/controls_win32.h"

namespace rt::platform {
namespace {

constexpr char kWindowClass[] = "RtWindow";
ATOM g_windowAtom = 0;
HICON g_bigIcon = nullptr, g_smallIcon = nullptr;  // from the program's icon group DEFAULT_ICON

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

NativeWindow* WindowOf(HWND hwnd) { return reinterpret_cast<NativeWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

std::int64_t Int(const std::vector<Setting>& s, std::int32_t n) { return s[static_cast<std::size_t>(n)].integer; }

// ---- Styles of the window from its settings ----

struct Styles {
    DWORD style, exStyle;
};

Styles WindowStyles(const std::vector<Setting>& s) {
    const std::int64_t border = Int(s, win::BorderStyle);
    const bool title = border != 0 && (!s[win::Caption].text.empty() || Int(s, win::ControlButtons));
    DWORD style = WS_CLIPCHILDREN, ex = 0;
    switch (border) {
        case 0: style |= WS_POPUP; break;
        case 1: style |= WS_THICKFRAME; break;
        case 2: style |= WS_DLGFRAME; break;
        case 3: style |= WS_THICKFRAME; ex |= WS_EX_TOOLWINDOW; break;
        case 4: style |= WS_DLGFRAME; ex |= WS_EX_TOOLWINDOW; break;
        case 5: style |= WS_THICKFRAME; ex |= WS_EX_CLIENTEDGE; break;
        case 6: style |= WS_DLGFRAME; ex |= WS_EX_CLIENTEDGE; break;
    }
    if (title) style |= WS_CAPTION;
    if (title && Int(s, win::ControlButtons)) style |= WS_SYSMENU;
    if (title && Int(s, win::MaximizeButton)) style |= WS_MAXIMIZEBOX;
    if (title && Int(s, win::MinimizeButton)) style |= WS_MINIMIZEBOX;
    if (Int(s, win::ShowInTaskbar)) ex |= WS_EX_APPWINDOW;
    if (Int(s, win::AlwaysOnTop)) ex |= WS_EX_TOPMOST;
    return {style, ex};
}

// ---- Events ----

Reply Raise(const std::vector<Binding>& bindings, std::int32_t event, const EventArgs& args = {}) {
    Handler h = FindHandler(bindings, event);
    return h ? h(args) : Reply::Nothing;
}

void FocusFirstOrSaved(NativeWindow& w) {
    if (w.lastFocus && IsWindow(w.lastFocus) && IsChild(w.hwnd, w.lastFocus) && IsWindowEnabled(w.lastFocus) &&
        IsWindowVisible(w.lastFocus)) {
        SetFocus(w.lastFocus);
        return;
    }
    auto ring = FocusRingOf(w);
    if (!ring.empty()) SetFocus(NativeOf(w.instance->controls[ring.front()])->hwnd);
}

// ---- The window procedure: one small function per message ----

LRESULT OnEraseBackground(NativeWindow& w, HDC dc) {
    RECT r;
    GetClientRect(w.hwnd, &r);
    FillSolid(dc, r, ResolveColour(Int(w.instance->settings, win::BackColour)));
    return 1;
}

// A button's click or an edit box's change raises the control's event 0.
LRESULT OnCommand(WPARAM wp, LPARAM lp) {
    HWND child = reinterpret_cast<HWND>(lp);
    NativeControl* c = child ? ControlOf(child) : nullptr;
    if (!c) return 0;
    const WORD code = HIWORD(wp);
    const Kind kind = c->instance->def->kind;
    if ((kind == Kind::Button && code == BN_CLICKED) || (kind == Kind::EditBox && code == EN_CHANGE))
        Raise(c->instance->def->bindings, event::Clicked);
    return 0;
}

void OnActivate(NativeWindow& w, WPARAM wp) {
    if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(w.hwnd, focus)) w.lastFocus = focus;
    }
}

void OnClose(NativeWindow& w) {
    if (Raise(w.instance->def->bindings, event::WindowMayClose) == Reply::False) return;
    DestroyWindow(w.hwnd);
}

void OnNcDestroy(HWND hwnd, NativeWindow* w) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (!w) return;
    const WindowId id = w->instance->def->id;
    w->instance->native = nullptr;
    delete w;
    if (RemoveWindowInstance(id)) PostQuitMessage(0);
}

// With DragAnywhere the window is dragged by any point of its client area.
LRESULT OnHitTest(NativeWindow& w, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT hit = DefWindowProcA(w.hwnd, msg, wp, lp);
    return hit == HTCLIENT && Int(w.instance->settings, win::DragAnywhere) ? HTCAPTION : hit;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    NativeWindow* w = WindowOf(hwnd);
    if (msg == WM_NCCREATE) {
        w = static_cast<NativeWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        w->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w));
    }
    if (!w) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_ERASEBKGND: return OnEraseBackground(*w, reinterpret_cast<HDC>(wp));
        case WM_COMMAND: return OnCommand(wp, lp);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (LRESULT brush = OnControlColour(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp))) return brush;
            break;
        case WM_NCHITTEST: return OnHitTest(*w, msg, wp, lp);
        case WM_NCACTIVATE:
            if (Int(w->instance->settings, win::KeepTitleActive)) wp = TRUE;
            break;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_MOVE && !Int(w->instance->settings, win::Movable)) return 0;
            break;
        case WM_ACTIVATE: OnActivate(*w, wp); break;
        case WM_SETFOCUS: FocusFirstOrSaved(*w); return 0;
        case WM_CLOSE: OnClose(*w); return 0;
        case WM_DESTROY: Raise(w->instance->def->bindings, event::WindowDestroying); return 0;
        case WM_NCDESTROY: OnNcDestroy(hwnd, w); return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

bool RegisterWindowClass() {
    if (g_windowAtom) return true;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = Module();
    g_bigIcon = static_cast<HICON>(LoadImageA(Module(), "DEFAULT_ICON", IMAGE_ICON, 32, 32, LR_SHARED));
    g_smallIcon = static_cast<HICON>(LoadImageA(Module(), "DEFAULT_ICON", IMAGE_ICON, 16, 16, LR_SHARED));
    wc.hIcon = g_bigIcon;
    wc.hIconSm = g_smallIcon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    g_windowAtom = RegisterClassExA(&wc);
    return g_windowAtom != 0 && RegisterControlClasses();
}

// Where the window goes on the primary screen: centred with the halves truncated, or as stored.
POINT StartPlace(const std::vector<Setting>& s, int width, int height) {
    if (Int(s, win::StartPosition) == 1)
        return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
    return {static_cast<LONG>(Int(s, common::Left)), static_cast<LONG>(Int(s, common::Top))};
}

// ---- Keys that the window looks at before the focused control ----

Key KeyOf(WPARAM vk) {
    switch (vk) {
        case VK_TAB: return Key::Tab;
        case VK_ESCAPE: return Key::Escape;
        case VK_RETURN: return Key::Enter;
        case VK_F1: return Key::F1;
    }
    return Key::Other;
}

bool ControlWantsKey(HWND focus, MSG& msg) {
    if (!focus) return false;
    const LRESULT code = SendMessageA(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return true;
    if (msg.wParam == VK_TAB && (code & DLGC_WANTTAB)) return true;
    return false;
}

bool PreTranslate(MSG& msg) {
    if (msg.message != WM_KEYDOWN || !msg.hwnd) return false;
    const Key key = KeyOf(msg.wParam);
    if (key == Key::Other) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (!root || GetClassLongPtrA(root, GCW_ATOM) != g_windowAtom) return false;  // not one of ours
    NativeWindow* w = WindowOf(root);
    if (!w) return false;
    const auto& s = w->instance->settings;
    HWND focus = GetFocus();
    KeyContext context;
    context.shift = GetKeyState(VK_SHIFT) < 0;
    context.ctrl = GetKeyState(VK_CONTROL) < 0;
    context.alt = GetKeyState(VK_MENU) < 0;
    context.controlWantsKey = focus != root && IsChild(root, focus) && ControlWantsKey(focus, msg);
    context.escCloses = Int(s, win::EscCloses) != 0;
    context.enterMovesFocus = Int(s, win::EnterMovesFocus) != 0;
    context.f1OpensHelp = Int(s, win::F1OpensHelp) != 0;
    switch (DecideKey(key, context)) {
        case KeyAction::PassOn: return false;
        case KeyAction::FocusNext: MoveFocus(*w, true); return true;
        case KeyAction::FocusPrevious: MoveFocus(*w, false); return true;
        case KeyAction::Close: SendMessageA(root, WM_CLOSE, 0, 0); return true;
        case KeyAction::ClickDefaultButton: ClickDefaultButton(*w); return true;
        case KeyAction::Help: OpenHelp(*w); return true;
    }
    return false;
}

// Idle-time work that the runtime does between messages; the program registers none.
bool RunIdleWork() { return false; }

}  // namespace

bool BuildWindow(WindowInstance& instance) {
    if (!RegisterWindowClass()) return false;
    const auto& s = instance.settings;
    const int width = static_cast<int>(Int(s, common::Width)), height = static_cast<int>(Int(s, common::Height));
    const Styles st = WindowStyles(s);
    const POINT at = StartPlace(s, width, height);
    auto* w = new NativeWindow{};
    w->instance = &instance;
    instance.native = w;
    HWND hwnd = CreateWindowExA(st.exStyle, kWindowClass, s[win::Caption].text.c_str(), st.style, at.x, at.y, width,
                                height, nullptr, nullptr, Module(), w);
    if (!hwnd) {
        instance.native = nullptr;
        delete w;
        return false;
    }
    RECT r;
    GetWindowRect(hwnd, &r);
    if (r.right - r.left != width || r.bottom - r.top != height)  // some frames come out at another size
        SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_bigIcon));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_smallIcon));

    if (!CreateControls(*w)) {
        DestroyWindow(hwnd);
        return false;
    }
    Raise(instance.def->bindings, event::WindowCreated);
    const std::int64_t start = Int(s, win::StartPosition);
    ShowWindow(hwnd, start == 2 ? SW_SHOWMINIMIZED : start == 3 ? SW_SHOWMAXIMIZED : SW_SHOW);
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
    FocusFirstOrSaved(*w);
    return true;
}

bool ReadLive(const WindowInstance& window, const ControlInstance* control, std::int32_t property, Setting& out) {
    HWND hwnd = nullptr;
    if (control) {
        if (auto* c = static_cast<NativeControl*>(control->native)) hwnd = c->hwnd;
    } else if (auto* w = static_cast<NativeWindow*>(window.native)) {
        hwnd = w->hwnd;
    }
    if (!hwnd) return false;
    RECT r;
    switch (property) {
        case common::Left:
        case common::Top:
        case common::Width:
        case common::Height:
            GetWindowRect(hwnd, &r);
            if (control) MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
            out.integer = property == common::Left ? r.left
                        : property == common::Top  ? r.top
                        : property == common::Width ? r.right - r.left
                                                    : r.bottom - r.top;
            return true;
        case common::Visible: out.integer = (GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) ? 1 : 0; return true;
        case common::Disabled: out.integer = IsWindowEnabled(hwnd) ? 0 : 1; return true;
    }
    if (control && control->def->kind == Kind::EditBox && property == edit::Content) {
        const int n = GetWindowTextLengthA(hwnd);
        out.text.assign(static_cast<std::size_t>(n) + 1, '\0');
        const int got = GetWindowTextA(hwnd, out.text.data(), n + 1);
        out.text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
        return true;
    }
    return false;
}

void RunLoop() {
    MSG msg;
    for (;;) {
        while (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && RunIdleWork()) {
        }
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;  // the quit message, or a broken queue
        do {
            if (msg.message == WM_QUIT) break;
            if (!PreTranslate(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        } while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
        if (msg.message == WM_QUIT) break;
    }
    SetQuitCode(static_cast<int>(msg.wParam));
}

}  // namespace rt::platform
