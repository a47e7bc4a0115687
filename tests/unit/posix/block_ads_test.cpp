// The Block-ads command, run natively with a stand-in for the Save dialog and the message box.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/app.h"
#include "blocking/blocking.h"
#include "blocking/hosts_file.h"
#include "runtime/core.h"
#include "runtime/posix/standins.h"
#include "support.h"

namespace {

namespace fs = std::filesystem;

const std::string kFormer = "# the hosts file as it was\n127.0.0.1 localhost\n";

class BlockAds : public testing::Test {
protected:
    void SetUp() override {
        if (!rt::FindWindowInstance(kMainWindow)) rt::LoadWindow(kMainWindow);
        SetFileName("hosts");
        fs::current_path(dir.path());
        rt::standin::ShownMessages().clear();
        requests.clear();
        Answer(std::nullopt);
    }
    void TearDown() override {
        fs::current_path(test::ProgramFolder());
        rt::standin::SetFileDialog(nullptr);
    }

    static void SetFileName(const std::string& name) {
        rt::FindWindowInstance(kMainWindow)->Control(通用对话框1)->settings[rt::dialog::FileName].text = name;
    }
    static std::string FileName() {
        rt::Value v = rt::ReadProperty(kMainWindow, 通用对话框1, rt::dialog::FileName);
        std::string name = rt::TextOrEmpty(v);
        rt::ReleaseValue(v);
        return name;
    }
    // The dialog answers with this path, or is cancelled.
    void Answer(std::optional<std::string> path) {
        rt::standin::SetFileDialog([this, path](const rt::FileDialogRequest& r) {
            requests.push_back(r);
            return path;
        });
    }
    void Press() { BlockAdsCommand({}); }

    test::ScratchFolder dir;
    std::vector<rt::FileDialogRequest> requests;
};

TEST_F(BlockAds, TheFirstPressWritesHostsInTheCurrentFolderThenOpensTheDialog) {
    Press();
    EXPECT_EQ(test::ReadAll(dir.File("hosts")), kBlockList);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].name, "hosts");
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(requests[0].initialDirectory, std::string("C:\\WINDOWS\\system32\\drivers\\etc"));
    EXPECT_TRUE(rt::standin::ShownMessages().empty());
}

TEST_F(BlockAds, ACancelledDialogKeepsTheNameAndTheNextPressWritesHostsAgain) {
    test::WriteAll(dir.File("hosts"), std::string(5000, 'x'));
    Press();
    EXPECT_EQ(FileName(), "hosts");
    Press();
    EXPECT_EQ(test::ReadAll(dir.File("hosts")), kBlockList);
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].name, "hosts");
}

TEST_F(BlockAds, TheAcceptedPathGetsTheListAtOnceWithTheFormerContentKept) {
    const std::string etc = (dir.path() / "etc").string();
    fs::create_directory(etc);
    const std::string system = etc + "/hosts";
    test::WriteAll(system, kFormer);
    Answer(system);
    Press();
    EXPECT_EQ(FileName(), system);
    EXPECT_EQ(test::ReadAll(system), kBlockList);  // before any second press
    EXPECT_EQ(test::ReadAll(system + ".bak"), kFormer);
    EXPECT_TRUE(rt::standin::ShownMessages().empty());

    // Again: the same bytes, and the backup still holds the original.
    Press();
    EXPECT_EQ(requests.back().name, system);
    EXPECT_EQ(test::ReadAll(system), kBlockList);
    EXPECT_EQ(test::ReadAll(system + ".bak"), kFormer);
}

TEST_F(BlockAds, AFailedWriteOfTheAcceptedPathIsReportedWithThePath) {
    const std::string gone = (dir.path() / "gone" / "hosts").string();
    Answer(gone);
    Press();
    ASSERT_EQ(rt::standin::ShownMessages().size(), 1u);
    const auto& m = rt::standin::ShownMessages()[0];
    EXPECT_TRUE(m.owned);
    EXPECT_NE(m.text.find(gone), std::string::npos) << m.text;
    EXPECT_NE(m.text.find(rt::SystemErrorText(ENOENT)), std::string::npos) << m.text;
    EXPECT_FALSE(fs::exists(dir.path() / "gone"));
}

TEST_F(BlockAds, WhenTheBackupCannotBeMadeTheFileIsNotTouched) {
    const std::string system = dir.File("hosts");
    test::WriteAll(system, kFormer);
    fs::create_directory(system + ".bak");  // nothing can be written under that name
    Answer(system);
    Press();
    EXPECT_EQ(test::ReadAll(system), kFormer);
    ASSERT_EQ(rt::standin::ShownMessages().size(), 1u);
    EXPECT_NE(rt::standin::ShownMessages()[0].text.find(system + ".bak"), std::string::npos);
}

TEST_F(BlockAds, TheWriteBeforeTheDialogStaysSilent) {
    SetFileName((dir.path() / "gone" / "hosts").string());
    Press();  // cancelled dialog
    EXPECT_TRUE(rt::standin::ShownMessages().empty());
    EXPECT_EQ(requests.size(), 1u);
}

TEST_F(BlockAds, AnEmptyNameWritesNothingAndTheDialogStillOpens) {
    SetFileName("");
    Press();
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].name, "");
}

TEST_F(BlockAds, EveryValueReadIsReleasedAndTheConstantsNever) {
    const std::size_t live = rt::LiveValueCount(), constants = rt::ConstantReleaseAttempts();
    Answer(dir.File("chosen"));
    Press();
    SetFileName("");  // no value for the name: the shared empty text goes on instead
    Press();
    EXPECT_EQ(rt::LiveValueCount(), live);
    EXPECT_EQ(rt::ConstantReleaseAttempts(), constants);
}

TEST_F(BlockAds, TheCommandChangesNoControl) {
    Press();
    rt::Value content = rt::ReadProperty(kMainWindow, 编辑框1, rt::edit::Content);
    rt::Value caption = rt::ReadProperty(kMainWindow, 按钮1, rt::button::Caption);
    EXPECT_STREQ(content.text(), kBlockList);
    EXPECT_STREQ(caption.text(), "屏蔽广告");
    rt::ReleaseValue(content);
    rt::ReleaseValue(caption);
}

TEST(ReplaceKeepingBackup, EmptyContentLeavesAZeroByteFileAndABackup) {
    test::ScratchFolder dir;
    test::WriteAll(dir.File("hosts"), kFormer);
    EXPECT_EQ(ReplaceKeepingBackup(dir.File("hosts").c_str(), &rt::kEmptyBytes).kind, WriteOutcome::Written);
    EXPECT_EQ(fs::file_size(dir.File("hosts")), 0u);
    EXPECT_EQ(test::ReadAll(dir.File("hosts.bak")), kFormer);
}

TEST(ReplaceKeepingBackup, ANewFileGetsNoBackup) {
    test::ScratchFolder dir;
    rt::Value list = rt::TextToBytes(kBlockList);
    EXPECT_EQ(ReplaceKeepingBackup(dir.File("hosts").c_str(), rt::BytesOrEmpty(list)).kind, WriteOutcome::Written);
    rt::ReleaseValue(list);
    EXPECT_FALSE(fs::exists(dir.File("hosts.bak")));
}

TEST(FailureReport, NamesFileReasonAndForNoRightsTheRemedy) {
    const std::string denied = FailureReport("C:\\hosts", {WriteOutcome::WriteFailed, EACCES});
    EXPECT_NE(denied.find("C:\\hosts"), std::string::npos);
    EXPECT_NE(denied.find(rt::SystemErrorText(EACCES)), std::string::npos);
    EXPECT_NE(denied.find("管理员"), std::string::npos);
    const std::string missing = FailureReport("C:\\gone\\hosts", {WriteOutcome::WriteFailed, ENOENT});
    EXPECT_EQ(missing.find("管理员"), std::string::npos);
    const std::string backup = FailureReport("C:\\hosts", {WriteOutcome::BackupFailed, EACCES});
    EXPECT_NE(backup.find("C:\\hosts.bak"), std::string::npos);
    // A read-only, hidden or system file: the attributes are the cause, not the rights.
    for (std::uint8_t protection : {rt::kReadOnly, rt::kHidden, rt::kSystem}) {
        const std::string text = FailureReport("C:\\hosts", {WriteOutcome::WriteFailed, EACCES, protection});
        EXPECT_NE(text.find("属性"), std::string::npos) << text;
        EXPECT_EQ(text.find("管理员"), std::string::npos) << text;
    }
}

}  // namespace

namespace {

TEST_F(BlockAds, AFileThatDoesNotReadBackAsWrittenIsReported) {
    // A link to the null device takes every byte and gives none back, as a file that another
    // program reverts at once.
    const std::string target = dir.File("hosts");
    fs::create_symlink("/dev/null", target);
    Answer(target);
    Press();
    ASSERT_EQ(rt::standin::ShownMessages().size(), 1u);
    EXPECT_EQ(rt::standin::ShownMessages()[0].text, MismatchReport(target.c_str()));
}

TEST(FileHolds, ExactlyTheBytesAndNothingElse) {
    test::ScratchFolder dir;
    rt::Value list = rt::TextToBytes("127.0.0.1 a");
    test::WriteAll(dir.File("same"), "127.0.0.1 a");
    test::WriteAll(dir.File("longer"), "127.0.0.1 a\r\n");
    EXPECT_TRUE(FileHolds(dir.File("same").c_str(), rt::BytesOrEmpty(list)));
    EXPECT_FALSE(FileHolds(dir.File("longer").c_str(), rt::BytesOrEmpty(list)));
    EXPECT_FALSE(FileHolds(dir.File("missing").c_str(), rt::BytesOrEmpty(list)));
    rt::ReleaseValue(list);
}

}  // namespace
