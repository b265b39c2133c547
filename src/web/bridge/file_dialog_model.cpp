#include "web/bridge/file_dialog_model.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "core/base/atomic_file.h"
#include "core/base/data_folder.h"
#include "core/base/text_case.h"
#include "core/base/whole_file.h"

namespace kalder::web {

namespace {

namespace fs = std::filesystem;

// A "*" and "?" pattern against a whole name, both in lower case.
bool glob_matches(std::string_view pattern, std::string_view name) {
    if (pattern.empty()) return name.empty();
    if (pattern.front() == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (glob_matches(pattern.substr(1), name.substr(skip))) return true;
        }
        return false;
    }
    if (name.empty() || (pattern.front() != '?' && pattern.front() != name.front())) return false;
    return glob_matches(pattern.substr(1), name.substr(1));
}

std::vector<FileDialogModel::Entry> listed_files(const std::string& folder, bool read_only,
                                                 const std::string& patterns) {
    std::vector<FileDialogModel::Entry> found;
    std::error_code error;
    for (const auto& item : fs::directory_iterator(folder, error)) {
        const std::string name = item.path().filename().string();
        if (item.is_regular_file(error) && plain_file_name_of(name, patterns)) {
            found.push_back({name, folder + name, read_only});
        }
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::pair(lower_case(a.name), a.name) < std::pair(lower_case(b.name), b.name);
    });
    return found;
}

// "name.kdr", then "name-2.kdr", "name-3.kdr" ...
std::string numbered(const std::string& name, int number) {
    if (number == 1) return name;
    const auto dot = name.rfind('.');
    return name.substr(0, dot) + "-" + std::to_string(number) +
           (dot == std::string::npos ? "" : name.substr(dot));
}

}  // namespace

bool plain_file_name_of(const std::string& name, const std::string& patterns) {
    if (name.empty() || name.front() == '.' || name.size() > 255) return false;
    const bool odd = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == '/' || c == '\\' || c == 0x7F;
    });
    if (odd) return false;
    const std::string lower = lower_case(name);
    std::size_t from = 0;
    for (;;) {
        const auto end = patterns.find(';', from);
        const std::string pattern = lower_case(patterns.substr(from, end - from));
        if (!pattern.empty() && glob_matches(pattern, lower)) return true;
        if (end == std::string::npos) return false;
        from = end + 1;
    }
}

std::optional<FileDialogModel::Dropped> FileDialogModel::dropped_file(const std::string& text) {
    const auto tab = text.find('\t');
    if (tab == std::string::npos) return std::nullopt;
    return Dropped{text.substr(0, tab), text.substr(tab + 1)};
}

FileDialogModel::FileDialogModel(FileNameRequest request, std::string player_folder,
                                 std::string shipped_folder)
    : request_(std::move(request)),
      player_folder_(with_trailing_slash(std::move(player_folder))),
      shipped_folder_(with_trailing_slash(std::move(shipped_folder))) {
    refresh();
}

bool FileDialogModel::accepted(const std::string& name) const {
    return plain_file_name_of(name, request_.patterns);
}

void FileDialogModel::refresh() {
    const std::string chosen =
        selected_ >= 0 ? entries_[static_cast<std::size_t>(selected_)].path : "";
    entries_ = listed_files(player_folder_, false, request_.patterns);
    if (shipped_folder_ != player_folder_) {
        auto shipped = listed_files(shipped_folder_, true, request_.patterns);
        entries_.insert(entries_.end(), shipped.begin(), shipped.end());
    }
    selected_ = -1;
    select_path(chosen);
}

void FileDialogModel::select_path(const std::string& path) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].path == path) select(static_cast<int>(i));
    }
}

void FileDialogModel::select(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return;
    selected_ = index;
    file_name_ = entries_[static_cast<std::size_t>(index)].name;
    problem_.clear();
}

void FileDialogModel::set_file_name(const std::string& text) {
    file_name_ = text;
    const Entry* const listed = find(text);
    selected_ = -1;
    if (listed != nullptr) selected_ = static_cast<int>(listed - entries_.data());
}

const FileDialogModel::Entry* FileDialogModel::find(const std::string& name) const {
    const auto at = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& entry) { return entry.name == name; });
    return at == entries_.end() ? nullptr : &*at;
}

// A saved file always lands in the player's folder: the shipped ones cannot be written, and a
// puzzle saved under a shipped file's name starts the player's own copy.
void FileDialogModel::confirm() {
    const std::size_t first = file_name_.find_first_not_of(' ');
    const std::string name =
        first == std::string::npos
            ? std::string()
            : file_name_.substr(first, file_name_.find_last_not_of(' ') - first + 1);
    if (name.empty()) return;
    const bool plain = plain_file_name_of(name, "*");
    if (request_.save) {
        if (!plain) {
            problem_ = "Not a name for a file: " + name;
            return;
        }
        result_ = player_folder_ + name;
    } else {
        const Entry* const listed =
            selected_ >= 0 ? &entries_[static_cast<std::size_t>(selected_)] : find(name);
        if (listed == nullptr) {
            problem_ = "No file of that name: " + name;
            return;
        }
        result_ = listed->path;
    }
    open_ = false;
}

void FileDialogModel::cancel() {
    result_.clear();
    open_ = false;
}

bool FileDialogModel::import_file(const std::string& name, const std::string& content) {
    if (!accepted(name)) {
        problem_ = "Not a file of this kind: " + name + " (" + request_.patterns + ")";
        return false;
    }
    if (content.size() > MostImported) {
        problem_ = "Too large to bring in: " + name;
        return false;
    }
    // The first free name, or the file already there with the same content.
    std::string target;
    for (int number = 1; target.empty(); ++number) {
        const std::string candidate = numbered(name, number);
        std::error_code error;
        const std::string path = player_folder_ + candidate;
        if (!fs::exists(path, error) || read_whole_file(path) == content) target = path;
    }
    if (read_whole_file(target) != content && !write_file_atomically(target, content)) {
        problem_ = "Your browser did not store " + name;
        return false;
    }
    selected_ = -1;
    refresh();
    select_path(target);
    return true;
}

void FileDialogModel::request_download() {
    if (selected_ < 0) return;
    const Entry& entry = entries_[static_cast<std::size_t>(selected_)];
    const auto content = read_whole_file(entry.path);
    if (!content) {
        problem_ = "Could not read " + entry.name;
        return;
    }
    download_ = Download{entry.name, *content, ++downloads_};
}

}  // namespace kalder::web
