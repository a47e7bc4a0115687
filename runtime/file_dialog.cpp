// Building the file dialog request from a CommonDlg control's settings, apart from any window system.
#include "runtime/file_dialog.h"

namespace rt {

bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::optional<std::string> FilterList(std::string_view filter, LeadBytePredicate isLead) {
    std::string list(filter);
    while (!list.empty() && (list.back() == ' ' || list.back() == '\t' || list.back() == '\r' || list.back() == '\n'))
        list.pop_back();
    if (list.empty()) return std::nullopt;
    if (list.size() < 2 || list.compare(list.size() - 2, 2, "||") != 0) list += "||";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (isLead(static_cast<unsigned char>(list[i])) && i + 1 < list.size()) {
            ++i;  // the trail byte belongs to the character
        } else if (list[i] == '|') {
            list[i] = '\0';
        }
    }
    return list;
}

std::string NameForBuffer(std::string_view name) { return std::string(name.substr(0, kNameBufferSize - 1)); }

namespace {
std::optional<std::string> Given(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return text;
}
}  // namespace

FileDialogRequest BuildFileDialogRequest(const std::vector<Setting>& s, LeadBytePredicate isLead) {
    auto flag = [&](std::int32_t n) { return s[static_cast<std::size_t>(n)].integer != 0; };
    FileDialogRequest r;
    r.save = s[dialog::DialogKind].integer == 1;
    r.flags = ofn::HideReadOnly | ofn::Explorer | ofn::EnableSizing | ofn::EnableHook;
    if (flag(dialog::CreatePrompt)) r.flags |= ofn::CreatePrompt;
    if (flag(dialog::FileMustExist)) r.flags |= ofn::FileMustExist;
    if (flag(dialog::OverwritePrompt)) r.flags |= ofn::OverwritePrompt;
    if (flag(dialog::PathMustExist)) r.flags |= ofn::PathMustExist;
    if (flag(dialog::NoChangeDirectory)) r.flags |= ofn::NoChangeDir;
    r.filterList = FilterList(s[dialog::Filter].text, isLead);
    const std::int64_t index = s[dialog::InitialFilterIndex].integer;
    r.filterIndex = r.filterList ? static_cast<std::uint32_t>((index < 0 ? 0 : index) + 1) : 0;
    r.name = NameForBuffer(s[dialog::FileName].text);
    r.initialDirectory = Given(s[dialog::InitialDirectory].text);
    r.title = Given(s[dialog::Title].text);
    r.defaultExtension = Given(s[dialog::DefaultExtension].text);
    return r;
}

}  // namespace rt
