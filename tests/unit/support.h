// Helpers shared by the unit tests: scratch folders and reading files back.
#pragma once

#include <filesystem>
#include <string>

namespace test {

// The folder that holds the running test program.
std::filesystem::path ProgramFolder();

// A fresh, empty folder for one test, removed when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::filesystem::path& path() const { return path_; }
    std::string File(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadAll(const std::string& file);
void WriteAll(const std::string& file, const std::string& bytes);

}  // namespace test
