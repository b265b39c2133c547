#include "core/scores/scores_box.h"

#include <limits>
#include <vector>

#include "core/base/atomic_file.h"
#include "core/base/platform.h"
#include "core/base/vb_number.h"
#include "core/files/collection_file.h"
#include "core/files/score_codec.h"

namespace kalder {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A total read from a damaged file can lie beyond any integer; the count then stays at the
// largest one instead of wrapping round.
std::string plus_one(const std::string& label) {
    using Limits = std::numeric_limits<long long>;
    const double value = leading_number(label);
    if (!(value < static_cast<double>(Limits::max()))) return std::to_string(Limits::max());
    if (value <= static_cast<double>(Limits::min())) return std::to_string(Limits::min() + 1);
    return std::to_string(static_cast<long long>(value) + 1);
}

}  // namespace

ScoresBox::ScoresBox(Platform& platform)
    : platform_(platform), frame_caption_(platform.executable_name() + " Scores") {}

std::string ScoresBox::score_file_path() const {
    const std::string folder = home_folder.empty() ? platform_.working_folder() : home_folder;
    return folder + platform_.executable_name() + ".sco";
}

std::string ScoresBox::session_name(int counter) const {
    return std::string(RowNames.at(counter)) + " this session: " + session(counter);
}

std::string ScoresBox::total_name(int counter) const {
    return std::string(RowNames.at(counter)) + " in total: " + total(counter);
}

std::string ScoresBox::today() const {
    return format_score_date(platform_.local_time());
}

void ScoresBox::start() {
    const std::string path = score_file_path();
    if (!FileExists(path)) {
        const std::string plain = today() + " 0 0 0 0 0 0 ";
        write_plain_line(plain);
        ShowScoreLine(plain);
        return;
    }
    const auto line = read_collection_line(path, 1);
    // Zeros written over totals that merely could not be read would lose them for good.
    if (!line) {
        file_left_alone_ = true;
        if (on_read_failed) on_read_failed(path);
    }
    ShowScoreLine(line ? DecodeScoreText(*line) : "");
}

void ScoresBox::ShowScoreLine(std::string line) {
    if (line.empty()) line = today() + " 0 0 0 0 0 ";
    std::vector<std::string> pieces;
    std::size_t from = 0;
    for (;;) {
        const auto blank = line.find(' ', from);
        pieces.push_back(line.substr(from, blank - from));
        if (blank == std::string::npos) break;
        from = blank + 1;
    }
    for (int i = 1; i <= 4; ++i) {
        session_[i] = "0";
        if (static_cast<std::size_t>(i) < pieces.size()) total_[i] = trimmed(pieces[i]);
    }
}

void ScoresBox::count(int counter) {
    session_[1] = plus_one(session_[1]);
    session_[counter] = plus_one(session_[counter]);
    total_[counter] = plus_one(total_[counter]);
    total_[1] = plus_one(total_[1]);
    SaveScoreFile();
}

void ScoresBox::set_WonSession(bool) {
    count(2);
}

void ScoresBox::set_LostSession(bool) {
    count(4);
}

void ScoresBox::SaveScoreFile() {
    std::string line;
    for (int i = 1; i <= 4; ++i) line += total_[i] + " ";
    write_plain_line(today() + " " + line);
}

void ScoresBox::write_plain_line(const std::string& plain) {
    if (file_left_alone_) return;
    if (write_file_atomically(score_file_path(), EncodeScoreText(plain) + "\r\n")) return;
    if (write_failure_told_) return;
    write_failure_told_ = true;
    if (on_write_failed) on_write_failed(score_file_path());
}

void ScoresBox::Command1_MouseUp(const MouseEvent&) {
    if (on_close) on_close();
}

void ScoresBox::Command2_MouseUp(const MouseEvent&) {
    if (platform_.system_message_box("Clear ALL scores", "Kalder", "vbyesno+vbdefaultbutton2") != 6)
        return;
    const std::string plain = today() + " 0 0 0 0 0 ";
    write_plain_line(plain);
    ShowScoreLine(plain);
}

}  // namespace kalder
