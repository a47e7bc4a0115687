// WriteFileBytes on the platform it is built for: create or cut, byte sets in order, failures false.
#include <gtest/gtest.h>

#include <filesystem>

#include "runtime/core.h"
#include "support.h"

namespace {

struct Bytes {
    rt::Value v;
    explicit Bytes(const char* text) : v(rt::TextToBytes(text)) {}
    ~Bytes() { rt::ReleaseValue(v); }
    const rt::ByteBlock* get() const { return rt::BytesOrEmpty(v); }
};

TEST(WriteFileBytes, CreatesTheFileWithExactlyTheBytes) {
    test::ScratchFolder dir;
    Bytes list("127.0.0.1 a\r\n127.0.0.1 b");
    EXPECT_TRUE(rt::WriteFileBytes(dir.File("hosts").c_str(), {list.get()}));
    EXPECT_EQ(test::ReadAll(dir.File("hosts")), "127.0.0.1 a\r\n127.0.0.1 b");
}

TEST(WriteFileBytes, ALongerFileIsCutToTheNewLength) {
    test::ScratchFolder dir;
    test::WriteAll(dir.File("hosts"), std::string(5000, '#') + "\r\n127.0.0.1 localhost\r\n");
    Bytes list("127.0.0.1 ad.example");
    EXPECT_TRUE(rt::WriteFileBytes(dir.File("hosts").c_str(), {list.get()}));
    EXPECT_EQ(test::ReadAll(dir.File("hosts")), "127.0.0.1 ad.example");
}

TEST(WriteFileBytes, ByteSetsFollowEachOtherAndEmptyOnesWriteNothing) {
    test::ScratchFolder dir;
    Bytes a("first "), b("second");
    EXPECT_TRUE(rt::WriteFileBytes(dir.File("f").c_str(), {a.get(), &rt::kEmptyBytes, b.get()}));
    EXPECT_EQ(test::ReadAll(dir.File("f")), "first second");
}

TEST(WriteFileBytes, EmptyContentLeavesAZeroByteFileAndSucceeds) {
    test::ScratchFolder dir;
    test::WriteAll(dir.File("hosts"), "old");
    EXPECT_TRUE(rt::WriteFileBytes(dir.File("hosts").c_str(), {&rt::kEmptyBytes}));
    EXPECT_TRUE(std::filesystem::exists(dir.File("hosts")));
    EXPECT_EQ(std::filesystem::file_size(dir.File("hosts")), 0u);
}

TEST(WriteFileBytes, AnEmptyNameTouchesNothing) {
    test::ScratchFolder dir;
    std::filesystem::current_path(dir.path());
    Bytes list("x");
    EXPECT_FALSE(rt::WriteFileBytes(rt::kEmptyText, {list.get()}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    std::filesystem::current_path(test::ProgramFolder());
}

TEST(WriteFileBytes, ARelativeNameLandsInTheCurrentFolder) {
    test::ScratchFolder dir;
    std::filesystem::current_path(dir.path());
    Bytes list("x");
    EXPECT_TRUE(rt::WriteFileBytes("hosts", {list.get()}));
    std::filesystem::current_path(test::ProgramFolder());
    EXPECT_EQ(test::ReadAll(dir.File("hosts")), "x");
}

TEST(WriteFileBytes, AMissingFolderOrAFolderAsTargetFails) {
    test::ScratchFolder dir;
    std::filesystem::create_directory(dir.path() / "etc");
    Bytes list("x");
    EXPECT_FALSE(rt::WriteFileBytes((dir.path() / "gone" / "hosts").string().c_str(), {list.get()}));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "gone"));
    EXPECT_FALSE(rt::WriteFileBytes((dir.path() / "etc").string().c_str(), {list.get()}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "etc"));
}

TEST(StartRuntime, MakesTheProgramsFolderTheCurrentOne) {
    test::ScratchFolder dir;
    std::filesystem::current_path(dir.path());
    rt::StartRuntime();
    EXPECT_EQ(std::filesystem::current_path(), test::ProgramFolder());
}

}  // namespace
