// Where the native test program lies.
#include <filesystem>

#include "support.h"

std::filesystem::path test::ProgramFolder() { return std::filesystem::canonical("/proc/self/exe").parent_path(); }
