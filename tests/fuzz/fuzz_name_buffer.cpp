// Fuzzes the cut of the initial name for the 260-byte name buffer: a prefix, bounded, idempotent.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/file_dialog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    const std::string cut = rt::NameForBuffer(name);
    if (cut.size() > rt::kNameBufferSize - 1) std::abort();
    if (name.compare(0, cut.size(), cut) != 0) std::abort();
    if (cut.size() != std::min(name.size(), rt::kNameBufferSize - 1)) std::abort();
    if (rt::NameForBuffer(cut) != cut) std::abort();
    return 0;
}
