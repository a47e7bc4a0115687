// The link's registry fallback under Windows, with a web-page file type of the test's own written
// under HKEY_CLASSES_ROOT and removed after. (Wine does not show HKEY_CURRENT_USER\Software\Classes
// through HKEY_CLASSES_ROOT, so the keys go there directly; the prefix has no ".htm" of its own.)
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "guidance/link.h"
#include "guidance/win32/link_win32.h"
#include "runtime/win32/controls_win32.h"
#include "support.h"

namespace {

constexpr char kType[] = "hostsadblock.testpage";

void SetDefault(const std::string& key, const std::string& value) {
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
    RegCloseKey(k);
}

class RegisteredBrowser : public testing::Test {
protected:
    void SetUp() override {
        HKEY existing;
        ASSERT_NE(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_QUERY_VALUE, &existing), ERROR_SUCCESS)
            << "this prefix has a .htm type of its own, which the test would replace";
        recorder = (test::ProgramFolder() / "recorder.exe").string();
        record = scratch.path() / "recorded.txt";
        SetEnvironmentVariableA("HOSTS_ADBLOCK_RECORD", record.string().c_str());  // the recorder inherits it
        SetDefault(".htm", kType);
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kType);
        std::filesystem::remove(record);
    }
    void Command(const std::string& command) { SetDefault(std::string(kType) + "\\shell\\open\\command", command); }

    // The command line the recorder was started with; empty when it was not started.
    std::string Recorded(bool expectStart) {
        for (int i = 0; expectStart && i < 200 && !std::filesystem::exists(record); ++i)
            Sleep(50);  // bounded: 10 s at most
        std::string line = test::ReadAll(record.string());
        if (!line.empty() && line.back() == '\n') line.pop_back();
        return line;
    }

    test::ScratchFolder scratch;
    std::string recorder;
    std::filesystem::path record;
};

const std::string kTarget = "http://www.example.com/";

TEST_F(RegisteredBrowser, StartsTheRegisteredCommandCutAtItsPlaceholder) {
    struct Case {
        std::string tail, recorded;  // after the quoted recorder path
    } cases[] = {
        {" -url \"%1\"", " -url  " + kTarget},  // the space before the quoted placeholder stays
        {" %1 -new-window", "  " + kTarget},
        {" -a -b", " -a -b " + kTarget},      // no placeholder: every argument kept
    };
    for (const Case& c : cases) {
        Command("\"" + recorder + "\"" + c.tail);
        EXPECT_TRUE(rt::platform::OpenWithRegisteredBrowser(kTarget, SW_SHOW)) << c.tail;
        EXPECT_EQ(Recorded(true), "\"" + recorder + "\"" + c.recorded);
        std::filesystem::remove(record);
    }
}

TEST_F(RegisteredBrowser, MissingKeysAndUnfitValuesStartNothing) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
    } cases[] = {
        {"no command key", [] {}},
        {"an empty command", [&] { Command(""); }},
        {"a .htm type without a command", [&] { SetDefault(".htm", "hostsadblock.none"); }},
        {"no .htm entry", [&] { RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm"); }},
        {"a command of 260 bytes", [&] { Command("\"" + recorder + "\" " + std::string(257 - recorder.size(), 'a')); }},
        {"a command of 4000 bytes", [&] { Command("\"" + recorder + "\" " + std::string(4000, 'a')); }},
    };
    for (const Case& c : cases) {
        c.arrange();
        EXPECT_FALSE(rt::platform::OpenWithRegisteredBrowser(kTarget, SW_SHOW)) << c.what;
        EXPECT_EQ(Recorded(false), "") << c.what;
    }
}

TEST_F(RegisteredBrowser, ValuesAndCommandLinesAtTheirLimits) {
    // A value of 259 bytes fits 260 with its zero.
    const std::string command259 = "\"" + recorder + "\" " + std::string(256 - recorder.size(), 'a');
    ASSERT_EQ(command259.size(), 259u);
    Command(command259);
    EXPECT_TRUE(rt::platform::OpenWithRegisteredBrowser(kTarget, SW_SHOW));
    EXPECT_EQ(Recorded(true), command259 + " " + kTarget);
    std::filesystem::remove(record);

    // A command line of 519 bytes fits 520; one of 520 does not.
    const std::string target(519 - command259.size() - 1, 't');
    EXPECT_TRUE(rt::platform::OpenWithRegisteredBrowser(target, SW_SHOW));
    EXPECT_EQ(Recorded(true).size(), 519u);
    std::filesystem::remove(record);
    EXPECT_FALSE(rt::platform::OpenWithRegisteredBrowser(target + "t", SW_SHOW));
    EXPECT_EQ(Recorded(false), "");
}

TEST(LinkWindowClasses, TheLinkShowsAPointingHandTheLabelAnArrow) {
    ASSERT_TRUE(rt::platform::RegisterControlClasses());
    WNDCLASSEXA link = {sizeof link}, label = {sizeof label};
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "RtLink", &link));
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "RtLabel", &label));
    EXPECT_EQ(link.hCursor, LoadCursorA(nullptr, IDC_HAND));
    EXPECT_EQ(label.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_TRUE(link.style & CS_DBLCLKS);
    EXPECT_EQ(link.hbrBackground, nullptr);  // each paint fills its whole area itself
    EXPECT_EQ(label.hbrBackground, nullptr);
}

}  // namespace
