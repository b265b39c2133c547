#include "temp_folder.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fstream>
#include <sstream>

namespace kalder::testing {

bool with_file_size_limit(std::size_t bytes, const std::function<bool()>& work) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto old_signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool result = work();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, old_signal);
    return result;
}

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

// Straight to the descriptor: the fuzzers write their input this way many times a second, and a
// stream's buffer would cost more than the writing.
void TempFolder::write(const std::string& name, const std::string& content) const {
    const int fd = ::open((path_ / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    for (std::size_t done = 0; done < content.size();) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

std::string TempFolder::read(const std::string& name) const {
    std::ostringstream text;
    text << std::ifstream(path_ / name, std::ios::binary).rdbuf();
    return text.str();
}

}  // namespace kalder::testing
