// Scratch folders and whole-file reads for the unit tests.
#include "support.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

namespace test {

ScratchFolder::ScratchFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("hosts-adblock-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ec))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace test
