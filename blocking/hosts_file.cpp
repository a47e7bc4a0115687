// Replacing the target file with a backup of its former content, and the words for a failure.
#include "blocking/hosts_file.h"

#include <cstring>

std::string BackupName(const char* name) { return std::string(name) + ".bak"; }

namespace {

bool Holds(const rt::Value& former, const rt::ByteBlock* bytes) {
    const rt::ByteBlock* old = rt::BytesOrEmpty(former);
    return old->size == bytes->size && std::memcmp(old->data(), bytes->data(), bytes->size) == 0;
}

WriteOutcome Failed(WriteOutcome::Kind kind, const char* name) {
    return {kind, rt::LastFileError(), rt::ReadFileProtection(name)};
}

}  // namespace

WriteOutcome ReplaceKeepingBackup(const char* name, const rt::ByteBlock* bytes) {
    if (!name || !*name) return {WriteOutcome::NoName};
    rt::Value former;
    const rt::FileFound found = rt::ReadFileBytes(name, former);
    if (found == rt::FileFound::Unreadable) return Failed(WriteOutcome::BackupFailed, name);
    if (found == rt::FileFound::Read && !Holds(former, bytes)) {
        const bool saved = rt::WriteFileBytes(BackupName(name).c_str(), {rt::BytesOrEmpty(former)});
        rt::ReleaseValue(former);
        if (!saved) return Failed(WriteOutcome::BackupFailed, name);
    }
    rt::ReleaseValue(former);
    if (!rt::WriteFileBytes(name, {bytes})) return Failed(WriteOutcome::WriteFailed, name);
    return {WriteOutcome::Written};
}

bool FileHolds(const char* name, const rt::ByteBlock* bytes) {
    rt::Value found;
    const bool holds = rt::ReadFileBytes(name, found) == rt::FileFound::Read && Holds(found, bytes);
    rt::ReleaseValue(found);
    return holds;
}

std::string MismatchReport(const char* name) {
    return std::string("文件已经写入，但读回的内容与屏蔽列表不一致：\r\n") + name +
           "\r\n\r\n可能是杀毒软件或其他程序改动或还原了它。请允许本程序修改这个文件，然后再试一次。";
}

std::string FailureReport(const char* name, const WriteOutcome& outcome) {
    std::string text;
    if (outcome.kind == WriteOutcome::BackupFailed)
        text = std::string("无法备份原来的文件，所以没有改动它：\r\n") + name + "\r\n\r\n备份文件：" + BackupName(name);
    else
        text = std::string("无法写入文件：\r\n") + name;
    text += "\r\n原因：" + rt::SystemErrorText(outcome.error);
    if (rt::IsAccessDenied(outcome.error) && outcome.protection)
        // Windows will not replace such a file, whoever runs the program.
        text += "\r\n\r\n这个文件带有只读、隐藏或系统属性。请在它的属性中去掉这些属性，然后再试一次。";
    else if (rt::IsAccessDenied(outcome.error))
        text += "\r\n\r\n请右键点击本程序，选择“以管理员身份运行”，然后再试一次。";
    return text;
}
