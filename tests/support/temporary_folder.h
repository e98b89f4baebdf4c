#pragma once
// A fresh folder for one test, made the working folder while the test runs.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace lumitrak {

class TemporaryFolder {
public:
    TemporaryFolder() : previous_(std::filesystem::current_path()) {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("lumitrak-test-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_ / "work");
        std::filesystem::current_path(path_ / "work");
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::permissions(path_, std::filesystem::perms::all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }

    // The folder above the working folder, for files that belong to no working folder.
    const std::filesystem::path& root() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "<missing>";
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace lumitrak
