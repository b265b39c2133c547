#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace kalder::testing {

// A folder in memory where there is one (/dev/shm), else the usual temporary folder: flushes
// cost nothing there, for tests that write files many times over.
std::filesystem::path memory_folder();

// Runs `work` with files limited to `bytes`, so that a write past it fails as on a full disk.
bool with_file_size_limit(std::size_t bytes, const std::function<bool()>& work);

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
  public:
    explicit TempFolder(
        const std::filesystem::path& parent = std::filesystem::temp_directory_path());
    ~TempFolder() { std::filesystem::remove_all(path_, ignored_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // The folder's path with a trailing '/'.
    std::string slash() const { return path_.string() + "/"; }
    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path path_;
    std::error_code ignored_;
};

}  // namespace kalder::testing
