#include "core/base/read_only_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kalder {

ReadOnlyFile::ReadOnlyFile(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::size_t ReadOnlyFile::size() const {
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || status.st_size <= 0) return 0;
    return static_cast<std::size_t>(status.st_size);
}

ssize_t ReadOnlyFile::read(char* into, std::size_t count) {
    for (;;) {
        const ssize_t n = ::read(fd_, into, count);
        if (n >= 0 || errno != EINTR) return n;
    }
}

int ReadOnlyFile::byte_at(std::size_t offset) {
    unsigned char byte = 0;
    for (;;) {
        const ssize_t n = ::pread(fd_, &byte, 1, static_cast<off_t>(offset));
        if (n == 1) return byte;
        if (n == 0 || errno != EINTR) return -1;
    }
}

}  // namespace kalder
