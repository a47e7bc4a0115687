// Drawing a label: its frame, its background and its one line (or wrapped lines) of text.
#include <windows.h>

#include <vector>

#include "runtime/win32/controls_win32.h"

namespace rt::platform {
namespace {

std::int64_t Int(const ControlInstance& c, std::int32_t n) { return c.settings[static_cast<std::size_t>(n)].integer; }

COLORREF Mix(COLORREF a, COLORREF b, double t) {
    auto mix = [t](int x, int y) { return static_cast<BYTE>(x + (y - x) * t + 0.5); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

// The colour at t (0 to 1) along a list of colours, evenly spaced.
COLORREF Along(const std::vector<COLORREF>& colours, double t) {
    const double at = t * static_cast<double>(colours.size() - 1);
    const std::size_t i = at >= static_cast<double>(colours.size() - 1) ? colours.size() - 2 : static_cast<std::size_t>(at);
    return Mix(colours[i], colours[i + 1], at - static_cast<double>(i));
}

// The gradient colours that hold a colour: 0xFF000000 leaves an entry out.
std::vector<COLORREF> Colours(const ControlInstance& c, std::int32_t first) {
    std::vector<COLORREF> out;
    for (std::int32_t n = first; n < first + 3; ++n)
        if (Int(c, n) != kSystemButtonFace) out.push_back(static_cast<COLORREF>(Int(c, n) & 0xFFFFFF));
    return out;
}

void PaintFrame(HDC dc, RECT& r, int width, const std::vector<COLORREF>& colours) {
    for (int i = 0; i < width && r.right - r.left > 1 && r.bottom - r.top > 1; ++i) {
        const COLORREF colour = Along(colours, width > 1 ? static_cast<double>(i) / (width - 1) : 0.0);
        const RECT edges[] = {{r.left, r.top, r.right, r.top + 1}, {r.left, r.bottom - 1, r.right, r.bottom},
                              {r.left, r.top, r.left + 1, r.bottom}, {r.right - 1, r.top, r.right, r.bottom}};
        for (const RECT& e : edges) FillSolid(dc, e, colour);
        InflateRect(&r, -1, -1);
    }
}

// Styles 1 to 8: left to right, top to bottom, right to left, bottom to top, from the middle out
// sideways, from the middle out up and down, and the two diagonals.
void PaintGradient(HDC dc, const RECT& r, int style, const std::vector<COLORREF>& colours) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    const bool vertical = style == 2 || style == 4 || style == 6;
    const int steps = style >= 7 ? w + h : vertical ? h : w;
    for (int i = 0; i < steps; ++i) {
        double t = steps > 1 ? static_cast<double>(i) / (steps - 1) : 0.0;
        if (style == 3 || style == 4) t = 1.0 - t;
        if (style == 5 || style == 6) t = t < 0.5 ? 1.0 - 2.0 * t : 2.0 * t - 1.0;
        const COLORREF colour = Along(colours, t);
        if (style >= 7) {  // one diagonal line of pixels per step
            for (int x = 0; x < w; ++x) {
                const int y = style == 7 ? i - x : i - (w - 1 - x);
                if (y >= 0 && y < h) SetPixelV(dc, r.left + x, r.top + y, colour);
            }
        } else if (vertical) {
            FillSolid(dc, {r.left, r.top + i, r.right, r.top + i + 1}, colour);
        } else {
            FillSolid(dc, {r.left + i, r.top, r.left + i + 1, r.bottom}, colour);
        }
    }
}

// Modes: 0 at the top left, 1 stretched over the area, 2 tiled.
void PaintPicture(HDC dc, const RECT& r, const std::string& bytes, std::int64_t mode) {
    bool isIcon = false;
    HANDLE picture = PictureFromBytes(bytes, isIcon);
    if (!picture) return;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (isIcon) {
        DrawIconEx(dc, r.left, r.top, static_cast<HICON>(picture), mode == 1 ? w : 0, mode == 1 ? h : 0, 0, nullptr, DI_NORMAL);
        DestroyIcon(static_cast<HICON>(picture));
        return;
    }
    BITMAP bm;
    GetObjectA(picture, sizeof bm, &bm);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, picture);
    if (mode == 1) {
        StretchBlt(dc, r.left, r.top, w, h, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    } else if (mode == 2 && bm.bmWidth > 0 && bm.bmHeight > 0) {
        for (int y = r.top; y < r.bottom; y += bm.bmHeight)
            for (int x = r.left; x < r.right; x += bm.bmWidth) BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
    } else {
        BitBlt(dc, r.left, r.top, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(picture);
}

}  // namespace

void PaintLabel(NativeControl& n, HDC dc) {
    const ControlInstance& c = *n.instance;
    RECT r;
    GetClientRect(n.hwnd, &r);
    const auto frame = Colours(c, label::GradientBorderColour1);
    if (Int(c, label::Border) == 6 && Int(c, label::GradientBorderWidth) > 0 && frame.size() >= 2)
        PaintFrame(dc, r, static_cast<int>(Int(c, label::GradientBorderWidth)), frame);

    const std::string& picture = c.settings[label::BackgroundPicture].text;
    const auto gradient = Colours(c, label::GradientBackColour1);
    FillSolid(dc, r, ResolveColour(Int(c, label::BackColour)));  // under a picture smaller than the label
    if (!picture.empty())
        PaintPicture(dc, r, picture, Int(c, label::BackgroundPictureMode));
    else if (Int(c, label::GradientBackground) >= 1 && gradient.size() >= 2)
        PaintGradient(dc, r, static_cast<int>(Int(c, label::GradientBackground)), gradient);

    const std::string& caption = c.settings[label::Caption].text;
    if (caption.empty()) return;
    HGDIOBJ oldFont = SelectObject(dc, n.ownFont ? static_cast<HGDIOBJ>(n.ownFont) : GetStockObject(DEFAULT_GUI_FONT));
    static const UINT horizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    static const UINT vertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    UINT format = horizontal[Int(c, label::HorizontalAlignment)] | DT_NOCLIP;
    format |= Int(c, label::WordWrap) ? DT_WORDBREAK | DT_TOP : DT_SINGLELINE | vertical[Int(c, label::VerticalAlignment)];
    SetBkMode(dc, TRANSPARENT);
    auto draw = [&](int dx, int dy, COLORREF colour) {
        RECT at = r;
        OffsetRect(&at, dx, dy);
        SetTextColor(dc, colour);
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &at, format);
    };
    const COLORREF text = ResolveColour(Int(c, label::TextColour));
    switch (Int(c, label::TextEffect)) {
        case 1: draw(1, 1, RGB(255, 255, 255)); draw(0, 0, text); break;
        case 2: draw(0, 0, RGB(255, 255, 255)); draw(1, 1, text); break;
        case 3: draw(2, 2, RGB(0, 0, 0)); draw(0, 0, text); break;
        default: draw(0, 0, text); break;
    }
    SelectObject(dc, oldFont);
}

}  // namespace rt::platform
