#include "core/app/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace kalder {

bool write_file_atomically(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".new-" + std::to_string(getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    const bool complete = written == content.size() && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (complete && closed && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
}

}  // namespace kalder
