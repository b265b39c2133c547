#include "temp_folder.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace kalder::testing {

std::filesystem::path memory_folder() {
    return std::filesystem::is_directory("/dev/shm") ? "/dev/shm"
                                                     : std::filesystem::temp_directory_path();
}

TempFolder::TempFolder(const std::filesystem::path& parent) {
    static std::atomic<int> counter{0};
    path_ = parent / ("kalder-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

void TempFolder::write(const std::string& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
}

std::string TempFolder::read(const std::string& name) const {
    std::ostringstream text;
    text << std::ifstream(path_ / name, std::ios::binary).rdbuf();
    return text.str();
}

}  // namespace kalder::testing
