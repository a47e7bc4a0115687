// The Block-ads command: the list goes to the dialog's file, the dialog runs, and an accepted path
// receives the list at once.
#include "app/app.h"
#include "blocking/blocking.h"
#include "blocking/hosts_file.h"

using namespace rt;

namespace {

constexpr char kCaption[] = "屏蔽广告";

// After the dialog the user hears how it went: a failure, or a file that does not read back as
// written. A good write says nothing and flushes the DNS cache, so the blocks apply at once.
void Report(const char* target, const ByteBlock* list, const WriteOutcome& outcome) {
    if (outcome.kind == WriteOutcome::BackupFailed || outcome.kind == WriteOutcome::WriteFailed)
        ShowMessage(kMainWindow, FailureReport(target, outcome).c_str(), kCaption);
    else if (outcome.kind == WriteOutcome::Written && !FileHolds(target, list))
        ShowMessage(kMainWindow, MismatchReport(target).c_str(), kCaption);
    else if (outcome.kind == WriteOutcome::Written)
        FlushDnsCache();
}

// Writes the list that 编辑框1 holds to the file that 通用对话框1 names, releasing each value
// right after use.
void WriteListToTarget(bool afterDialog) {
    Value text = ReadProperty(kMainWindow, 编辑框1, edit::Content);
    Value bytes = TextToBytes(TextOrEmpty(text));
    ReleaseValue(text);
    Value name = ReadProperty(kMainWindow, 通用对话框1, dialog::FileName);
    const WriteOutcome outcome = ReplaceKeepingBackup(TextOrEmpty(name), BytesOrEmpty(bytes));
    if (afterDialog) Report(TextOrEmpty(name), BytesOrEmpty(bytes), outcome);
    ReleaseValue(name);
    ReleaseValue(bytes);
}

}  // namespace

Reply BlockAdsCommand(const EventArgs&) {
    WriteListToTarget(false);  // before the dialog, silently, whatever comes of it
    // The path the user accepts is the one the instruction means: it gets the list now, not only
    // at the next press.
    if (Open(kMainWindow, 通用对话框1)) WriteListToTarget(true);
    return Reply::Nothing;
}
