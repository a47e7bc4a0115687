// WriteFileBytes on Windows: read-only targets and files that another handle holds open.
#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/core.h"
#include "support.h"

namespace {

const char kFormer[] = "127.0.0.1 localhost\r\n";

bool Write(const std::string& file) {
    rt::Value list = rt::TextToBytes("127.0.0.1 ad.example");
    bool ok = rt::WriteFileBytes(file.c_str(), {rt::BytesOrEmpty(list)});
    rt::ReleaseValue(list);
    return ok;
}

TEST(WriteFileBytesWin32, AReadOnlyFileStaysAsItWas) {
    test::ScratchFolder dir;
    const std::string file = dir.File("hosts");
    test::WriteAll(file, kFormer);
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(Write(file));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(test::ReadAll(file), kFormer);
}

TEST(WriteFileBytesWin32, AFileAnotherHandleHoldsOpenStaysAsItWas) {
    test::ScratchFolder dir;
    const std::string file = dir.File("hosts");
    test::WriteAll(file, kFormer);
    HANDLE other = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(Write(file));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CloseHandle(other);
    EXPECT_EQ(test::ReadAll(file), kFormer);
}

}  // namespace

namespace {

TEST(FlushDnsCache, FindsTheResolverAtRunTime) {
    // dnsapi.dll is looked up when needed, not imported; this system has it.
    EXPECT_TRUE(rt::FlushDnsCache());
    EXPECT_EQ(GetModuleHandleA("dnsapi.dll"), nullptr);  // and let go again
}

}  // namespace
