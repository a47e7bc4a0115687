// Controls on Win32: child windows made from each kind's settings, their shared events and the focus ring.
#include <windows.h>

#include "runtime/keyboard.h"
#include "runtime/win32/controls_win32.h"

namespace rt::platform {
namespace {

constexpr char kNativeProp[] = "RtControl";
constexpr char kLabelClass[] = "RtLabel";
constexpr char kLinkClass[] = "RtLink";

std::int64_t Int(const ControlInstance& c, std::int32_t n) { return c.settings[static_cast<std::size_t>(n)].integer; }
const std::string& Text(const ControlInstance& c, std::int32_t n) { return c.settings[static_cast<std::size_t>(n)].text; }


DWORD BorderExStyle(std::int64_t border, DWORD& style) {
    switch (border) {
        case 1: return WS_EX_CLIENTEDGE;
        case 2: return WS_EX_DLGMODALFRAME;
        case 3: return WS_EX_STATICEDGE;
        case 4: return WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
        case 5: style |= WS_BORDER; return 0;
    }
    return 0;
}

struct ControlClass {
    const char* className;
    DWORD style, exStyle;
};

ControlClass ButtonClass(const ControlInstance& c) {
    static const DWORD horizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
    static const DWORD vertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
    DWORD style = (Int(c, button::ButtonType) == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE |
                  horizontal[Int(c, button::HorizontalAlignment)] | vertical[Int(c, button::VerticalAlignment)];
    return {"BUTTON", style, 0};
}

ControlClass EditClass(const ControlInstance& c) {
    static const DWORD alignment[] = {ES_LEFT, ES_CENTER, ES_RIGHT};
    DWORD style = alignment[Int(c, edit::Alignment)];
    const std::int64_t bars = Int(c, edit::ScrollBars);
    if (Int(c, edit::MultiLine)) {
        style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
        if (bars & 1) style |= WS_HSCROLL | ES_AUTOHSCROLL;  // no wrapping when it scrolls sideways
        if (bars & 2) style |= WS_VSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (Int(c, edit::InputMode) == 1) style |= ES_READONLY;
    if (Int(c, edit::InputMode) == 2) style |= ES_PASSWORD;
    if (Int(c, edit::CaseConversion) == 1) style |= ES_LOWERCASE;
    if (Int(c, edit::CaseConversion) == 2) style |= ES_UPPERCASE;
    if (!Int(c, edit::HideSelection)) style |= ES_NOHIDESEL;
    DWORD ex = BorderExStyle(Int(c, edit::Border), style);
    return {"EDIT", style, ex};
}

ControlClass ClassOf(const ControlInstance& c) {
    DWORD style = 0;
    switch (c.def->kind) {
        case Kind::Button: return ButtonClass(c);
        case Kind::EditBox: return EditClass(c);
        case Kind::Label: {
            DWORD ex = Int(c, label::Border) <= 5 ? BorderExStyle(Int(c, label::Border), style) : 0;
            return {kLabelClass, style, ex};
        }
        case Kind::HyperLinker: {
            DWORD ex = BorderExStyle(Int(c, link::Border), style);
            return {kLinkClass, style, ex};
        }
        default: return {nullptr, 0, 0};
    }
}

const std::string& CaptionOf(const ControlInstance& c) {
    switch (c.def->kind) {
        case Kind::Button: return Text(c, button::Caption);
        case Kind::Label: return Text(c, label::Caption);
        case Kind::HyperLinker: return Text(c, link::Caption);
        case Kind::EditBox: return Text(c, edit::Content);
        default: return Text(c, common::Tag);
    }
}

const std::string* FontRecordOf(const ControlInstance& c) {
    switch (c.def->kind) {
        case Kind::Button: return &Text(c, button::Font);
        case Kind::EditBox: return &Text(c, edit::Font);
        case Kind::Label: return &Text(c, label::Font);
        case Kind::HyperLinker: return &Text(c, link::Font);
        default: return nullptr;
    }
}

void ApplyEditSettings(const NativeControl& n) {
    const ControlInstance& c = *n.instance;
    SendMessageA(n.hwnd, EM_SETLIMITTEXT, static_cast<WPARAM>(Int(c, edit::MaxLength)), 0);
    if (Int(c, edit::InputMode) == 2 && !Text(c, edit::PasswordChar).empty())
        SendMessageA(n.hwnd, EM_SETPASSWORDCHAR, static_cast<unsigned char>(Text(c, edit::PasswordChar)[0]), 0);
    const auto start = Int(c, edit::SelectionStart);
    SendMessageA(n.hwnd, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + Int(c, edit::SelectionLength)));
}

// A button with a picture shows the picture in place of its caption.
void ApplyPicture(NativeControl& n) {
    n.picture = PictureFromBytes(Text(*n.instance, button::Picture), n.pictureIsIcon);
    if (!n.picture) return;
    const LONG style = GetWindowLongA(n.hwnd, GWL_STYLE);
    SetWindowLongA(n.hwnd, GWL_STYLE, style | (n.pictureIsIcon ? BS_ICON : BS_BITMAP));
    SendMessageA(n.hwnd, BM_SETIMAGE, n.pictureIsIcon ? IMAGE_ICON : IMAGE_BITMAP, reinterpret_cast<LPARAM>(n.picture));
}

// ---- Events every control shares ----

std::int32_t KeyState(WPARAM mk) {
    return ((mk & MK_CONTROL) ? 1 : 0) | ((mk & MK_SHIFT) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

std::int32_t SharedEvent(UINT msg, bool& mouse) {
    mouse = true;
    switch (msg) {
        case WM_LBUTTONDOWN: return event::LeftDown;
        case WM_LBUTTONUP: return event::LeftUp;
        case WM_LBUTTONDBLCLK: return event::DoubleClick;
        case WM_RBUTTONDOWN: return event::RightDown;
        case WM_RBUTTONUP: return event::RightUp;
        case WM_MOUSEMOVE: return event::MouseMove;
        case WM_MOUSEWHEEL: return event::Wheel;
    }
    mouse = false;
    switch (msg) {
        case WM_SETFOCUS: return event::FocusGained;
        case WM_KILLFOCUS: return event::FocusLost;
        case WM_KEYDOWN: return event::KeyDown;
        case WM_KEYUP: return event::KeyUp;
        case WM_CHAR: return event::Char;
    }
    return 0;
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    NativeControl* n = ControlOf(hwnd);
    if (!n) return DefWindowProcA(hwnd, msg, wp, lp);
    WNDPROC kindProc = n->kindProc;
    if (msg == WM_NCDESTROY) {
        RemovePropA(hwnd, kNativeProp);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(kindProc));
        if (n->ownFont) DeleteObject(n->ownFont);
        if (n->backBrush) DeleteObject(n->backBrush);
        if (n->picture && n->pictureIsIcon) DestroyIcon(static_cast<HICON>(n->picture));
        if (n->picture && !n->pictureIsIcon) DeleteObject(n->picture);
        n->instance->native = nullptr;
        delete n;
        return CallWindowProcA(kindProc, hwnd, msg, wp, lp);
    }
    bool mouse = false;
    if (std::int32_t ev = SharedEvent(msg, mouse)) {
        if (Handler h = FindHandler(n->instance->def->bindings, ev)) {
            EventArgs args;
            if (mouse) {
                POINT p = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
                if (msg == WM_MOUSEWHEEL) ScreenToClient(hwnd, &p);  // the wheel reports screen places
                args.x = p.x;
                args.y = p.y;
                args.keyState = KeyState(msg == WM_MOUSEWHEEL ? GET_KEYSTATE_WPARAM(wp) : wp);
            } else {
                args.key = static_cast<std::int32_t>(wp);
                args.keyState = (GetKeyState(VK_CONTROL) < 0 ? 1 : 0) | (GetKeyState(VK_SHIFT) < 0 ? 2 : 0) |
                                (GetKeyState(VK_MENU) < 0 ? 4 : 0);
            }
            if (h(args) == Reply::False && mouse) return 0;
        }
    }
    return CallWindowProcA(kindProc, hwnd, msg, wp, lp);
}

// ---- Labels and links: windows of the runtime's own classes, painting their whole area ----

LRESULT CALLBACK OwnDrawnProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    NativeControl* n = ControlOf(hwnd);
    switch (msg) {
        case WM_ERASEBKGND: return 1;  // the paint fills everything itself
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            if (n && n->instance->def->kind == Kind::Label) PaintLabel(*n, dc);
            if (n && n->instance->def->kind == Kind::HyperLinker) PaintLink(*n, dc, ps.rcPaint);
            EndPaint(hwnd, &ps);
            return 0;
        }
    }
    if (n && n->instance->def->kind == Kind::HyperLinker && LinkMessage(*n, msg, wp, lp)) return 0;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

bool RegisterOwnClass(const char* name, LPCSTR cursor) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = OwnDrawnProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, cursor);
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CreateControl(NativeWindow& w, ControlInstance& c) {
    const ControlClass cls = ClassOf(c);
    if (!cls.className) return true;  // a CommonDlg has no window
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | cls.style;
    if (Int(c, common::Disabled)) style |= WS_DISABLED;
    if (c.def->tabStop && CanTakeFocus(c.def->kind)) style |= WS_TABSTOP;
    HWND hwnd = CreateWindowExA(cls.exStyle, cls.className, CaptionOf(c).c_str(), style,
                                static_cast<int>(Int(c, common::Left)), static_cast<int>(Int(c, common::Top)),
                                static_cast<int>(Int(c, common::Width)), static_cast<int>(Int(c, common::Height)),
                                w.hwnd, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return false;
    auto* n = new NativeControl{};
    n->hwnd = hwnd;
    n->instance = &c;
    n->window = &w;
    c.native = n;
    SetPropA(hwnd, kNativeProp, n);
    n->kindProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
    const std::string* record = FontRecordOf(c);
    n->ownFont = record ? FontFromRecord(*record) : nullptr;
    SendMessageA(hwnd, WM_SETFONT,
                 reinterpret_cast<WPARAM>(n->ownFont ? n->ownFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))),
                 FALSE);
    if (c.def->kind == Kind::EditBox) ApplyEditSettings(*n);
    if (c.def->kind == Kind::Button) ApplyPicture(*n);
    // Every control lies above those created before it.
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

}  // namespace

NativeControl* ControlOf(HWND hwnd) { return static_cast<NativeControl*>(GetPropA(hwnd, kNativeProp)); }

COLORREF ResolveColour(std::int64_t colour) {
    if (colour == kSystemButtonFace) return GetSysColor(COLOR_BTNFACE);
    if (colour == kSystemHighlight) return GetSysColor(COLOR_HIGHLIGHT);
    return static_cast<COLORREF>(colour & 0xFFFFFF);
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

HFONT FontFromRecord(const std::string& record) {
    if (record.size() != sizeof(LOGFONTA)) return nullptr;
    LOGFONTA lf;
    memcpy(&lf, record.data(), sizeof lf);
    return CreateFontIndirectA(&lf);
}

HANDLE PictureFromBytes(const std::string& bytes, bool& isIcon) {
    const auto* p = reinterpret_cast<const BYTE*>(bytes.data());
    const std::size_t n = bytes.size();
    isIcon = false;
    if (n > sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) && p[0] == 'B' && p[1] == 'M') {
        BITMAPFILEHEADER file;
        memcpy(&file, p, sizeof file);
        const auto* info = reinterpret_cast<const BITMAPINFO*>(p + sizeof file);
        if (file.bfOffBits >= n) return nullptr;
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, p + file.bfOffBits, info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        return bitmap;
    }
    // An icon file: its directory, then the images; take the first one.
    if (n >= 6 + 16 && p[0] == 0 && p[1] == 0 && p[2] == 1 && p[3] == 0 && (p[4] | p[5] << 8) > 0) {
        DWORD size, offset;
        memcpy(&size, p + 6 + 8, 4);
        memcpy(&offset, p + 6 + 12, 4);
        if (offset >= n || size > n - offset) return nullptr;
        HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(p + offset), size, TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
        isIcon = icon != nullptr;
        return icon;
    }
    return nullptr;
}

bool RegisterControlClasses() {
    return RegisterOwnClass(kLabelClass, IDC_ARROW) && RegisterOwnClass(kLinkClass, IDC_HAND);
}

bool CreateControls(NativeWindow& w) {
    for (ControlInstance& c : w.instance->controls)
        if (!CreateControl(w, c)) return false;
    for (ControlInstance& c : w.instance->controls)
        if (NativeControl* n = NativeOf(c)) ShowWindow(n->hwnd, Int(c, common::Visible) ? SW_SHOWNA : SW_HIDE);
    return true;
}

std::vector<std::size_t> FocusRingOf(const NativeWindow& w) {
    std::vector<RingCandidate> candidates;
    for (const ControlInstance& c : w.instance->controls) {
        const NativeControl* n = NativeOf(c);
        const bool exists = n && IsWindow(n->hwnd);
        candidates.push_back({c.def->kind, exists, exists && (GetWindowLongA(n->hwnd, GWL_STYLE) & WS_VISIBLE) != 0,
                              exists && IsWindowEnabled(n->hwnd), c.def->tabStop, c.def->tabOrder});
    }
    return FocusRing(candidates);
}

void MoveFocus(NativeWindow& w, bool forward) {
    auto& controls = w.instance->controls;
    HWND focus = GetFocus();
    std::optional<std::size_t> current;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (NativeOf(controls[i]) && NativeOf(controls[i])->hwnd == focus) current = i;
    if (auto next = NextInRing(FocusRingOf(w), current, forward)) SetFocus(NativeOf(controls[*next])->hwnd);
}

void ClickDefaultButton(NativeWindow& w) {
    auto& controls = w.instance->controls;
    HWND focus = GetFocus();
    std::vector<bool> defaultStyle;
    std::optional<std::size_t> focused;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const NativeControl* n = NativeOf(controls[i]);
        defaultStyle.push_back(n && controls[i].def->kind == Kind::Button && Int(controls[i], button::ButtonType) == 1 &&
                               IsWindowEnabled(n->hwnd) && IsWindowVisible(n->hwnd));
        if (n && n->hwnd == focus) focused = i;
    }
    if (auto target = EnterTarget(defaultStyle, focused)) SendMessageA(NativeOf(controls[*target])->hwnd, BM_CLICK, 0, 0);
}

void OpenHelp(NativeWindow& w) {
    const std::string& file = w.instance->settings[win::HelpFile].text;
    if (file.empty()) return;
    const auto context = w.instance->settings[win::HelpContext].integer;
    WinHelpA(w.hwnd, file.c_str(), context ? HELP_CONTEXT : HELP_FINDER, static_cast<ULONG_PTR>(context));
}

LRESULT OnControlColour(HDC dc, HWND control) {
    NativeControl* n = ControlOf(control);
    if (!n || n->instance->def->kind != Kind::EditBox) return 0;
    const COLORREF back = ResolveColour(Int(*n->instance, edit::BackColour));
    SetTextColor(dc, ResolveColour(Int(*n->instance, edit::TextColour)));
    SetBkColor(dc, back);
    if (!n->backBrush) n->backBrush = CreateSolidBrush(back);
    return reinterpret_cast<LRESULT>(n->backBrush);
}

}  // namespace rt::platform
