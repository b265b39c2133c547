#include "core/files/config_file.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>

#include "core/base/atomic_file.h"
#include "core/base/vb_number.h"
#include "core/base/whole_file.h"

namespace kalder {

namespace {

constexpr const char* FileName = "kalder.cfg";

std::string time_stamp(const std::tm& now) {
    char text[96];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d %02d:%02d:%02d", now.tm_mon + 1, now.tm_mday,
                  now.tm_year + 1900, now.tm_hour, now.tm_min, now.tm_sec);
    return text;
}

// Sequential reading of the file the way it was written: whole lines, or fields that end at a
// comma or a line end (a quoted field runs to its closing quote).
class Reader {
  public:
    explicit Reader(std::string text) : text_(std::move(text)) {}

    std::optional<std::string> line() {
        if (at_ >= text_.size()) return std::nullopt;
        auto end = text_.find('\n', at_);
        if (end == std::string::npos) end = text_.size();
        std::string result = text_.substr(at_, end - at_);
        at_ = end + 1;
        if (!result.empty() && result.back() == '\r') result.pop_back();
        return result;
    }

    std::optional<std::string> field() {
        while (at_ < text_.size() && text_[at_] == ' ') ++at_;
        if (at_ >= text_.size()) return std::nullopt;
        std::string result;
        if (text_[at_] == '"') {
            const auto close = text_.find('"', at_ + 1);
            const auto end = close == std::string::npos ? text_.size() : close;
            result = text_.substr(at_ + 1, end - at_ - 1);
            // An unclosed quote runs to the end, and reading stops there.
            at_ = std::min(end + 1, text_.size());
            skip_to_delimiter();
            return result;
        }
        const auto end = text_.find_first_of(",\r\n", at_);
        result = text_.substr(at_, end == std::string::npos ? std::string::npos : end - at_);
        at_ = end == std::string::npos ? text_.size() : end;
        skip_delimiter();
        while (!result.empty() && result.back() == ' ') result.pop_back();
        return result;
    }

  private:
    void skip_to_delimiter() {
        while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\r' &&
               text_[at_] != '\n') {
            ++at_;
        }
        skip_delimiter();
    }
    // At the end, text_[at_] is the string's closing null, which is no delimiter.
    void skip_delimiter() {
        if (text_[at_] == ',') {
            ++at_;
            return;
        }
        if (text_[at_] == '\r') ++at_;
        if (text_[at_] == '\n') ++at_;
    }

    std::string text_;
    std::size_t at_ = 0;
};

std::optional<Config> parse(const std::string& text) {
    Reader reader(text);
    Config config;
    if (!reader.line()) return std::nullopt;
    const auto scheme = reader.field();
    if (!scheme) return std::nullopt;
    config.SchemeName =
        scheme->find_first_not_of(' ') == std::string::npos ? "default.col" : *scheme;
    const auto collection = reader.line();
    if (!collection) return std::nullopt;
    config.CollectionPath = *collection;
    const auto number = reader.field();
    if (!number) return std::nullopt;
    const double value = leading_number(*number);
    if (value > INT_MAX || value < INT_MIN) return std::nullopt;
    config.PuzzleNumber = round_half_even(value);
    return config;
}

// The reader ends a plain field at a comma or a line end, skips the blanks before it, drops
// those after it and takes a quote at its start for an opening one.
bool needs_quotes(const std::string& name) {
    return name.find_first_of(",\r\n") != std::string::npos || name.starts_with(' ') ||
           name.ends_with(' ') || name.starts_with('"');
}

std::string scheme_field(const std::string& name) {
    return needs_quotes(name) ? '"' + name + '"' : name;
}

std::string file_text(const Config& config, const std::tm& now) {
    return time_stamp(now) + "\r\n" + scheme_field(config.SchemeName) + "\r\n" +
           config.CollectionPath + "\r\n" + signed_text(config.PuzzleNumber) + " \r\n";
}

std::string failure_text(const std::string& path, const std::string& consequence) {
    return "Configuration file:\r\n" + path + "\r\ncould not be accessed, " + consequence;
}

}  // namespace

// The scheme store's header lines hold no line end, so neither does a name added to it.
bool config_holds_scheme_name(const std::string& name) {
    return name.find_first_of("\r\n") == std::string::npos &&
           !(needs_quotes(name) && name.find('"') != std::string::npos);
}

void ReadcfgFile(const std::string& program_folder, Config& config, const MessageFn& message,
                 const std::tm& now) {
    const std::string path = program_folder + FileName;
    const auto text = read_whole_file(path);
    if (const auto read = text ? parse(*text) : std::nullopt) {
        config = *read;
        return;
    }
    config = Config{"xp.col", "puzzles.kdr", 1};
    // One message, and a true one: a folder that cannot be written keeps the defaults in memory
    // and says that nothing will be saved, rather than promising a new file.
    if (write_file_atomically(path, file_text(config, now))) {
        message(failure_text(path, "new file will be created"), "vbcritical+vbok");
    } else {
        message(failure_text(path, "options not saved"), "vbok+vberror");
    }
}

std::string collection_in(const std::string& data_folder, const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    return data_folder + path;
}

bool write_config_file(const std::string& program_folder, const Config& config,
                       const std::tm& now) {
    return write_file_atomically(program_folder + FileName, file_text(config, now));
}

void SavecfgFile(const std::string& program_folder, const Config& config, const MessageFn& message,
                 const std::tm& now) {
    if (!write_config_file(program_folder, config, now)) {
        message(failure_text(program_folder + FileName, "options not saved"), "vbok+vberror");
    }
}

}  // namespace kalder
