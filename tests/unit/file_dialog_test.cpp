// The request that a CommonDlg control's settings make for the system's file dialog.
#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "blocking/blocking.h"
#include "runtime/file_dialog.h"

namespace {

using rt::FilterList;

std::string Z(const char* s, std::size_t n) { return std::string(s, n); }

TEST(FilterList, Cases) {
    struct Case {
        std::string filter;
        std::optional<std::string> list;
    } cases[] = {
        {"*ics", Z("*ics\0\0", 6)},                              // one entry: description "*ics", no pattern
        {"Hosts|hosts||", Z("Hosts\0hosts\0\0", 13)},           // ends in "||": nothing appended
        {"Hosts|hosts", Z("Hosts\0hosts\0\0", 13)},             // one pair
        {"Text|*.txt|All|*.*", Z("Text\0*.txt\0All\0*.*\0\0", 20)},
        {"*ics  \t\r\n", Z("*ics\0\0", 6)},                       // white space at the end does not count
        {"", std::nullopt},
        {"   ", std::nullopt},
        // A double-byte description whose trail byte is 0x7C: the character stays whole.
        {"\x81\x7C|*.txt", Z("\x81\x7C\0*.txt\0\0", 10)},
    };
    for (const Case& c : cases) EXPECT_EQ(FilterList(c.filter, rt::IsGbkLeadByte), c.list) << c.filter;
}

TEST(FilterList, WithoutTheCodePageRuleTheTrailByteWouldBeTakenForABar) {
    auto singleByte = [](unsigned char) { return false; };
    EXPECT_EQ(FilterList("\x81\x7C|*.txt", singleByte), Z("\x81\0\0*.txt\0\0", 10));
}

TEST(NameForBuffer, CutAfter259Bytes) {
    EXPECT_EQ(rt::NameForBuffer("hosts"), "hosts");
    EXPECT_EQ(rt::NameForBuffer(""), "");
    EXPECT_EQ(rt::NameForBuffer(std::string(259, 'a')), std::string(259, 'a'));
    EXPECT_EQ(rt::NameForBuffer(std::string(400, 'b')), std::string(259, 'b'));
}

TEST(FileDialogRequest, OfTheHostsDialog) {
    auto s = rt::MakeSettings(rt::Kind::CommonDlg, 216, 64, 32, 32, false, HostsDialogSettings());
    const rt::FileDialogRequest r = rt::BuildFileDialogRequest(s, rt::IsGbkLeadByte);
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.flags, 0x881826u);
    EXPECT_EQ(r.name, "hosts");
    EXPECT_EQ(r.filterList, Z("*ics\0\0", 6));
    EXPECT_EQ(r.filterIndex, 1u);
    EXPECT_EQ(r.initialDirectory, std::string("C:\\WINDOWS\\system32\\drivers\\etc"));
    EXPECT_EQ(r.title, std::nullopt);
    EXPECT_EQ(r.defaultExtension, std::nullopt);  // nothing appended to "hosts"
}

TEST(FileDialogRequest, OptionsFollowTheLogicalSettings) {
    using namespace rt;
    struct Case {
        std::int32_t setting;
        std::int64_t value;
        std::uint32_t flags;
    } cases[] = {
        {dialog::CreatePrompt, 1, 0x881826 | 0x2000}, {dialog::FileMustExist, 0, 0x881826 & ~0x1000u},
        {dialog::OverwritePrompt, 0, 0x881826 & ~0x2u}, {dialog::PathMustExist, 0, 0x881826 & ~0x800u},
        {dialog::NoChangeDirectory, 1, 0x881826 | 0x8},
    };
    for (const Case& c : cases) {
        auto settings = HostsDialogSettings();
        settings.push_back({c.setting, c.value});
        auto s = MakeSettings(Kind::CommonDlg, 0, 0, 32, 32, false, settings);
        EXPECT_EQ(BuildFileDialogRequest(s, IsGbkLeadByte).flags, c.flags) << SchemaOf(Kind::CommonDlg)[c.setting].name;
    }
}

TEST(FileDialogRequest, EmptyTextsAreLeftOutAndANewDialogOpens) {
    auto s = rt::MakeSettings(rt::Kind::CommonDlg, 0, 0, 32, 32, false,
                              {{rt::dialog::InitialFilterIndex, -4}, {rt::dialog::Title, "标题"}});
    const rt::FileDialogRequest r = rt::BuildFileDialogRequest(s, rt::IsGbkLeadByte);
    EXPECT_FALSE(r.save);
    EXPECT_EQ(r.flags, 0x881826u);  // a new control has the same three checks on
    EXPECT_EQ(r.filterList, std::nullopt);
    EXPECT_EQ(r.filterIndex, 0u);  // no list, no index, whatever the setting
    EXPECT_EQ(r.initialDirectory, std::nullopt);
    EXPECT_EQ(r.defaultExtension, std::nullopt);
    EXPECT_EQ(r.title, std::string("标题"));
    EXPECT_EQ(r.name, "");
}

TEST(FileDialogRequest, ANegativeFilterIndexCountsAsTheFirst) {
    auto s = rt::MakeSettings(rt::Kind::CommonDlg, 0, 0, 32, 32, false,
                              {{rt::dialog::Filter, "A|*.a|B|*.b"}, {rt::dialog::InitialFilterIndex, -2}});
    EXPECT_EQ(rt::BuildFileDialogRequest(s, rt::IsGbkLeadByte).filterIndex, 1u);
    s[rt::dialog::InitialFilterIndex].integer = 1;
    EXPECT_EQ(rt::BuildFileDialogRequest(s, rt::IsGbkLeadByte).filterIndex, 2u);
}

}  // namespace
