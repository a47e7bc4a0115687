// Fuzzes the dialog's file-type list: closed by an empty entry, bars become zeros, trail bytes stay.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/file_dialog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string filter(reinterpret_cast<const char*>(data), size);
    const auto list = rt::FilterList(filter, rt::IsGbkLeadByte);
    std::string trimmed = filter;
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t' || trimmed.back() == '\r' ||
                                trimmed.back() == '\n'))
        trimmed.pop_back();
    if (trimmed.empty() != !list.has_value()) std::abort();
    if (!list) return 0;
    const bool appended = !(trimmed.size() >= 2 && trimmed.compare(trimmed.size() - 2, 2, "||") == 0);
    if (list->size() != trimmed.size() + (appended ? 2 : 0)) std::abort();
    const std::string source = appended ? trimmed + "||" : trimmed;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const bool lead = rt::IsGbkLeadByte(static_cast<unsigned char>(source[i])) && i + 1 < source.size();
        if (lead) {  // a double-byte character comes through whole
            if ((*list)[i] != source[i] || (*list)[i + 1] != source[i + 1]) std::abort();
            ++i;
        } else if ((*list)[i] != (source[i] == '|' ? '\0' : source[i])) {
            std::abort();
        }
    }
    // Closed by an empty entry: the last two bytes are zeros unless a character's trail byte stands there.
    if ((*list)[list->size() - 1] != '\0' && !rt::IsGbkLeadByte(static_cast<unsigned char>((*list)[list->size() - 2])))
        std::abort();
    return 0;
}
