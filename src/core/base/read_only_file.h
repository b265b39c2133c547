#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace kalder {

// A file opened for reading straight from its descriptor, closed when it goes: no stream or
// stdio buffer is set up, which for the short files the game reads at every step costs more
// than the reading.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool is_open() const { return fd_ >= 0; }
    // Its size as last seen; 0 when it cannot be told.
    std::size_t size() const;
    // Up to `count` bytes from where the last read ended: how many, 0 at the end, below 0 on an
    // error. An interrupted read is tried again.
    ssize_t read(char* into, std::size_t count);
    // The byte at `offset`, or below 0 when there is none.
    int byte_at(std::size_t offset);

  private:
    int fd_;
};

}  // namespace kalder
