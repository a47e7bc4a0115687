// Fuzzes the link's fallback command line: cut at the first placeholder, bounded, target at the end.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "guidance/link.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string command = input.substr(0, split);
    const std::string target = split == std::string::npos ? "http://x/" : input.substr(split + 1);
    const auto line = FallbackCommandLine(command, target);

    std::size_t cut = command.find("\"%1\"");
    if (cut == std::string::npos) cut = command.find("%1");
    const std::string kept = command.substr(0, cut);
    const bool fits = kept.size() + 1 + target.size() + 1 <= kCommandLineSize;
    if (line.has_value() != fits) std::abort();
    if (!line) return 0;
    if (line->size() >= kCommandLineSize) std::abort();
    if (*line != kept + " " + target) std::abort();
    // Nothing of the placeholder survives before the target.
    if (command.find("\"%1\"") != std::string::npos && kept.find("\"%1\"") != std::string::npos) std::abort();
    if (command.find("\"%1\"") == std::string::npos && kept.find("%1") != std::string::npos) std::abort();
    return 0;
}
