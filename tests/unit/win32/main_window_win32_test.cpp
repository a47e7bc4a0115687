// The main window as Windows sees it, in this process: its icons and its frame.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/app.h"
#include "runtime/core.h"

namespace {

HWND MainHwnd() {
    if (!rt::FindWindowInstance(kMainWindow)) rt::LoadWindow(kMainWindow);
    return FindWindowA("RtWindow", nullptr);
}

int IconWidth(HWND hwnd, WPARAM which) {
    HICON icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, which, 0));
    ICONINFO info;
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP bm = {};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bm.bmWidth;
}

TEST(MainWindowWin32, TakesItsLargeAndSmallIconFromTheProgramIcon) {
    HWND hwnd = MainHwnd();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(IconWidth(hwnd, ICON_BIG), 32);
    EXPECT_EQ(IconWidth(hwnd, ICON_SMALL), 16);
}

TEST(MainWindowWin32, LivePlaceIsTheCentredOneNotTheStored) {
    HWND hwnd = MainHwnd();
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(rt::ReadProperty(kMainWindow, 0, rt::common::Left).integer, r.left);
    EXPECT_EQ(rt::ReadProperty(kMainWindow, 0, rt::common::Top).integer, r.top);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 270) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 142) / 2);
}

}  // namespace

namespace {

// Each test runs in a process of its own, so here no window has been loaded.
TEST(EventLoop, ReturnsAtOnceWhenNoWindowExists) {
    ASSERT_EQ(rt::WindowInstanceCount(), 0u);
    PostQuitMessage(7);  // had the loop run, it would take this and end with 7
    rt::RunEventLoop();
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // still waiting: not taken
}

}  // namespace
