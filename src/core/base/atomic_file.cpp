#include "core/base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "core/base/process_id.h"

namespace kalder {

namespace {

constexpr std::string_view TemporaryInfix = ".new-";

// A rewrite lands on the file a link points to, so that the link stays a link.
std::string resolved(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const auto target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

// The new file takes over the old one's permissions, but its owner can always read it: a file
// the game could not read back would be replaced again at every start. A file made anew gets
// the usual permissions.
bool keep_permissions(const std::string& path, int fd) {
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) return true;
    return ::fchmod(fd, (old.st_mode & 07777) | S_IRUSR) == 0;
}

int create_exclusively(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

// A file already at this process's own temporary name is a leftover of an earlier process that
// had the same id, or something planted there: it is removed (a link, not what it points to).
int create_temporary(const std::string& path) {
    const int fd = create_exclusively(path);
    if (fd >= 0 || errno != EEXIST || ::unlink(path.c_str()) != 0) return fd;
    return create_exclusively(path);
}

std::string temporary_name(const std::string& target) {
    return target + std::string(TemporaryInfix) + std::to_string(own_process_id());
}

void reached([[maybe_unused]] WritePoint point) {
#ifdef KALDER_WRITE_POINTS
    if (at_write_point != nullptr) at_write_point(point);
#endif
}

// In two halves, so that a test can stop the write between them.
bool write_in_halves(int fd, std::string_view content) {
    const std::size_t half = content.size() / 2;
    if (!write_all(fd, content.substr(0, half), ::write)) return false;
    reached(WritePoint::HalfWritten);
    return write_all(fd, content.substr(half), ::write);
}

// A rename lasts through a power cut only once its folder is flushed too. A folder that cannot
// be flushed leaves the new file in place all the same.
void sync_folder(const std::string& target) {
    const std::string folder = std::filesystem::path(target).parent_path().string();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    [[maybe_unused]] const int synced = ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool write_all(int fd, std::string_view data, WriteCall write_call) {
    while (!data.empty()) {
        const ssize_t n = write_call(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool can_replace(const std::string& path) {
    const std::string target = resolved(path);
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) return false;
    const std::string temporary = temporary_name(target);
    const int fd = create_temporary(temporary);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(temporary.c_str());
    return true;
}

bool write_file_atomically(const std::string& path, const std::string& content) {
    const std::string target = resolved(path);
    const std::string temporary = temporary_name(target);
    const int fd = create_temporary(temporary);
    if (fd < 0) return false;
    reached(WritePoint::Opened);
    const bool complete =
        write_in_halves(fd, content) && keep_permissions(target, fd) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (complete && closed) {
        reached(WritePoint::Written);
        if (std::rename(temporary.c_str(), target.c_str()) == 0) {
            reached(WritePoint::Renamed);
            sync_folder(target);
            return true;
        }
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
}

bool append_whole(const std::string& path, std::string_view text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    reached(WritePoint::Opened);
    struct stat old {};
    bool written = ::fstat(fd, &old) == 0;
    if (written && ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        [[maybe_unused]] const int cut = ::ftruncate(fd, old.st_size);  // nothing more to try
        written = false;
    }
    if (written) reached(WritePoint::Written);
    return ::close(fd) == 0 && written;
}

void remove_stale_temporary_files_in(const std::string& folder,
                                     const std::function<bool(std::string_view name)>& ours) {
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::directory_iterator entry(folder.empty() ? "." : folder, error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const auto infix = name.rfind(TemporaryInfix);
        if (infix == std::string::npos || infix == 0 || !ours(name.substr(0, infix))) continue;
        const std::string pid = name.substr(infix + TemporaryInfix.size());
        if (pid.empty() || pid.size() > 9 ||
            pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::error_code ignored;
        if (other_process_running(std::stol(pid)) || entry->is_directory(ignored)) continue;
        fs::remove(entry->path(), ignored);
    }
}

void remove_stale_temporary_files(const std::string& path) {
    const std::filesystem::path target = resolved(path);
    const std::string file = target.filename().string();
    remove_stale_temporary_files_in(target.parent_path().string(),
                                    [&file](std::string_view name) { return name == file; });
}

}  // namespace kalder
