// The Block-ads command: the list goes to the dialog's file, the dialog runs, and an accepted path
// receives the list at once.
#include "app/app.h"
#include "blocking/blocking.h"
#include "blocking/hosts_file.h"

using namespace rt;

namespace {

constexpr char kCaption[] = "屏蔽广告";

// Writes the list that 编辑框1 holds to the file that 通用对话框1 names, releasing each value
// right after use.
WriteOutcome WriteListToTarget(std::string* target) {
    Value text = ReadProperty(kMainWindow, 编辑框1, edit::Content);
    Value bytes = TextToBytes(TextOrEmpty(text));
    ReleaseValue(text);
    Value name = ReadProperty(kMainWindow, 通用对话框1, dialog::FileName);
    const WriteOutcome outcome = ReplaceKeepingBackup(TextOrEmpty(name), BytesOrEmpty(bytes));
    if (target) *target = TextOrEmpty(name);
    ReleaseValue(name);
    ReleaseValue(bytes);
    return outcome;
}

}  // namespace

Reply BlockAdsCommand(const EventArgs&) {
    WriteListToTarget(nullptr);  // before the dialog, silently, whatever comes of it
    if (!Open(kMainWindow, 通用对话框1)) return Reply::Nothing;
    // The path the user just accepted is the one the instruction means: it gets the list now,
    // not only at the next press, and the user hears of a failure.
    std::string target;
    const WriteOutcome outcome = WriteListToTarget(&target);
    if (outcome.kind == WriteOutcome::BackupFailed || outcome.kind == WriteOutcome::WriteFailed)
        ShowMessage(kMainWindow, FailureReport(target.c_str(), outcome).c_str(), kCaption);
    return Reply::Nothing;
}
