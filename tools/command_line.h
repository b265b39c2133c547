#pragma once

#include <charconv>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kalder::tools {

// Exit codes of every command.
constexpr int Failed = 1;
constexpr int UsageError = 2;

using Args = std::vector<std::string>;

// Where a command reads and speaks. progress_bar: err is a terminal, so progress redraws a line.
struct Streams {
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
    bool progress_bar = false;
};

// One command of kalder-tools: its name, its usage lines (the one source of the help texts and
// the manual page), and what runs it with the arguments after its name.
struct Command {
    const char* name;
    const char* usage;
    int (*run)(const Args& args, const Streams& io);
};

// The whole text must be the number: "12x", "-3" or "" are refused.
template <typename T>
bool read_number(const std::string& text, T& value) {
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end;
}

// Says on err, in one line "kalder-tools COMMAND: WHAT", what is wrong with the command line
// and returns UsageError; `failed` says why a run failed and returns Failed.
int wrong(const Streams& io, const std::string& command, const std::string& what);
int failed(const Streams& io, const std::string& command, const std::string& what);

// A command line taken apart: the value of each option given ("--count" -> "40"), and the
// other words in order.
struct CommandLine {
    std::map<std::string, std::string> options;
    std::vector<std::string> words;

    const std::string* option(const std::string& name) const;
};

// Every option in `options` takes a value; at most `max_words` other words. Says what is wrong
// (an unknown option, a missing value, a word too many) and gives nothing.
std::optional<CommandLine> read_command_line(const Args& args,
                                             const std::vector<std::string>& options,
                                             std::size_t max_words, const std::string& command,
                                             const Streams& io);

// Why the file cannot be read ("m.kdr: no such file"), or "" when it can.
std::string input_problem(const std::string& path);
// Why lines cannot be appended to the file (made when missing), or "" when they can; nothing
// is changed.
std::string append_problem(const std::string& path);

}  // namespace kalder::tools
