#include "core/base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace kalder {

namespace {

// A rewrite lands on the file a link points to, so that the link stays a link.
std::string resolved(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const auto target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

bool write_all(int fd, const std::string& content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// The new file takes over the old one's permissions; a file made anew gets the usual ones.
bool keep_permissions(const std::string& path, int fd) {
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) return true;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

bool write_file_atomically(const std::string& path, const std::string& content) {
    const std::string target = resolved(path);
    const std::string temporary = target + ".new-" + std::to_string(getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool complete =
        write_all(fd, content) && keep_permissions(target, fd) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (complete && closed && std::rename(temporary.c_str(), target.c_str()) == 0) return true;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
}

}  // namespace kalder
