#include "command_line.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/base/atomic_file.h"

namespace kalder::tools {

namespace {

int say(const Streams& io, const std::string& command, const std::string& what, int status) {
    io.err << "kalder-tools " << command << ": " << what << "\n";
    return status;
}

}  // namespace

int wrong(const Streams& io, const std::string& command, const std::string& what) {
    return say(io, command, what, UsageError);
}

int failed(const Streams& io, const std::string& command, const std::string& what) {
    return say(io, command, what, Failed);
}

const std::string* CommandLine::option(const std::string& name) const {
    const auto found = options.find(name);
    return found == options.end() ? nullptr : &found->second;
}

std::optional<CommandLine> read_command_line(const Args& args,
                                             const std::vector<std::string>& options,
                                             std::size_t max_words, const std::string& command,
                                             const Streams& io) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) {
            if (line.words.size() == max_words) {
                wrong(io, command, "one argument too many: " + arg);
                return std::nullopt;
            }
            line.words.push_back(arg);
        } else if (std::find(options.begin(), options.end(), arg) == options.end()) {
            wrong(io, command, "unknown option " + arg);
            return std::nullopt;
        } else if (i + 1 == args.size()) {
            wrong(io, command, arg + " needs a value");
            return std::nullopt;
        } else {
            line.options[arg] = args[++i];
        }
    }
    return line;
}

std::string input_problem(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return path + (errno == ENOENT ? ": no such file" : ": cannot be read");
    }
    if (S_ISDIR(status.st_mode)) return path + ": is a folder, not a file";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return path + ": cannot be read (" + std::strerror(errno) + ")";
    ::close(fd);
    return "";
}

std::string append_problem(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return "";
    }
    if (errno == ENOENT && can_replace(path)) return "";
    return path + ": cannot be written";
}

}  // namespace kalder::tools
