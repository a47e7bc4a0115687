// The program file's resources as Windows reads them: icon group, version record, manifest; and
// pictures given to buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "runtime/win32/controls_win32.h"
#include "support.h"

namespace {

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(Resources, IconGroupHoldsTheTwelveImages) {
    HRSRC found = FindResourceA(nullptr, "DEFAULT_ICON", reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
    ASSERT_NE(found, nullptr);
    const BYTE* group = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    const WORD count = *reinterpret_cast<const WORD*>(group + 4);
    std::multiset<std::pair<int, int>> images;  // (size, bits per pixel)
    for (WORD i = 0; i < count; ++i) {
        const auto* e = reinterpret_cast<const GroupEntry*>(group + 6 + i * sizeof(GroupEntry));
        images.insert({e->width ? e->width : 256, e->bitCount});
    }
    const std::multiset<std::pair<int, int>> expected = {{16, 4},  {32, 4},  {48, 4},   {16, 8},   {32, 8},  {48, 8},
                                                         {16, 32}, {32, 32}, {48, 32}, {128, 32}, {256, 32}, {32, 1}};
    EXPECT_EQ(images, expected);
}

TEST(Resources, VersionRecordIs1000InChinesePrc) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(self, &handle);
    ASSERT_GT(size, 0u);
    std::string data(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(self, 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &len));
    ASSERT_EQ(len, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
    char* product = nullptr;
    EXPECT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\080404B0\\ProductName", reinterpret_cast<void**>(&product), &len));
}

TEST(Resources, ManifestAsksToRunAsTheInvoker) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_MANIFEST));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("supportedOS"), std::string::npos);
}

TEST(ButtonPicture, BitmapAndIconFilesBecomeImagesAndOtherBytesNothing) {
    // A 1 by 1 bitmap file, 24 bits.
    std::string bmp = {'B', 'M'};
    auto put32 = [](std::string& s, DWORD v) { s.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [](std::string& s, WORD v) { s.append(reinterpret_cast<const char*>(&v), 2); };
    put32(bmp, 14 + 40 + 4);
    put32(bmp, 0);
    put32(bmp, 14 + 40);
    put32(bmp, 40), put32(bmp, 1), put32(bmp, 1), put16(bmp, 1), put16(bmp, 24);
    for (int i = 0; i < 6; ++i) put32(bmp, 0);
    bmp += std::string("\x00\x00\xFF\x00", 4);
    bool isIcon = true;
    HANDLE bitmap = rt::platform::PictureFromBytes(bmp, isIcon);
    EXPECT_NE(bitmap, nullptr);
    EXPECT_FALSE(isIcon);
    DeleteObject(bitmap);

    // The first image of the program's own icon file.
    HRSRC group = FindResourceA(nullptr, "DEFAULT_ICON", reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
    ASSERT_NE(group, nullptr);
    const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    const auto* first = reinterpret_cast<const GroupEntry*>(dir + 6);
    HRSRC image = FindResourceA(nullptr, MAKEINTRESOURCEA(first->id), reinterpret_cast<LPCSTR>(RT_ICON));
    const std::string bits(static_cast<const char*>(LockResource(LoadResource(nullptr, image))), SizeofResource(nullptr, image));
    std::string ico = std::string("\0\0\1\0\1\0", 6);
    ico += std::string(reinterpret_cast<const char*>(first), 8);
    put32(ico, static_cast<DWORD>(bits.size()));
    put32(ico, 6 + 16);
    ico += bits;
    HANDLE icon = rt::platform::PictureFromBytes(ico, isIcon);
    EXPECT_NE(icon, nullptr);
    EXPECT_TRUE(isIcon);
    DestroyIcon(static_cast<HICON>(icon));

    EXPECT_EQ(rt::platform::PictureFromBytes("not a picture", isIcon), nullptr);
    EXPECT_EQ(rt::platform::PictureFromBytes("", isIcon), nullptr);
}

}  // namespace

namespace {

TEST(ControlFont, OnlyACompleteLogicalFontRecordMakesAFont) {
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    const std::string record(reinterpret_cast<const char*>(&lf), sizeof lf);
    ASSERT_EQ(record.size(), 60u);
    HFONT font = rt::platform::FontFromRecord(record);
    EXPECT_NE(font, nullptr);
    DeleteObject(font);
    EXPECT_EQ(rt::platform::FontFromRecord(record.substr(0, 59)), nullptr);
    EXPECT_EQ(rt::platform::FontFromRecord(record + '\0'), nullptr);
    EXPECT_EQ(rt::platform::FontFromRecord(""), nullptr);
}

}  // namespace
