#include "core/msgbox/msg_style.h"

#include <map>

#include "core/base/text_case.h"

namespace kalder {

namespace {

const std::map<std::string, int, std::less<>>& icon_tokens() {
    static const std::map<std::string, int, std::less<>> tokens = {
        {"vbquestion", 0}, {"vbexclamation", 1}, {"vbinformation", 2}, {"vberror", 3},
        {"vbcritical", 4}, {"vbhappy", 5},       {"vbtrash", 6},       {"vbprint", 7},
        {"vblighton", 8},  {"vbcustom", 10},
    };
    return tokens;
}

const std::map<std::string, std::vector<MsgButtonSpec>, std::less<>>& button_tokens() {
    static const MsgButtonSpec ok{"Ok", 1}, cancel{"Cancel", 2}, abort{"Abort", 3},
        retry{"Retry", 4}, ignore{"Ignore", 5}, yes{"Yes", 6}, no{"No", 7};
    static const std::map<std::string, std::vector<MsgButtonSpec>, std::less<>> tokens = {
        {"vbok", {ok}},
        {"vbokonly", {ok}},
        {"vbokcancel", {ok, cancel}},
        {"vbcancel", {cancel}},
        {"vbyes", {yes}},
        {"vbno", {no}},
        {"vbyesno", {yes, no}},
        {"vbyesnocancel", {yes, no, cancel}},
        {"vbabort", {abort}},
        {"vbretry", {retry}},
        {"vbignore", {ignore}},
        {"vbabortretryignore", {abort, retry, ignore}},
        {"vbretrycancel", {retry, cancel}},
        {"vbnormal", {{"Ok", 0}}},
    };
    return tokens;
}

const std::map<std::string, std::size_t, std::less<>>& default_button_tokens() {
    static const std::map<std::string, std::size_t, std::less<>> tokens = {
        {"vbdefaultbutton1", 0}, {"vbdefaultbutton2", 1}, {"vbdefaultbutton3", 2}};
    return tokens;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

MsgStyle parse_msg_style(std::string_view style) {
    const std::string lower = lower_case(std::string(style));
    MsgStyle result;
    std::string_view rest = lower;
    for (;;) {
        const auto plus = rest.find('+');
        const std::string_view piece = trimmed(rest.substr(0, plus));
        if (const auto icon = icon_tokens().find(piece); icon != icon_tokens().end()) {
            result.icon_slots.push_back(icon->second);
        }
        if (const auto buttons = button_tokens().find(piece); buttons != button_tokens().end()) {
            result.buttons.insert(result.buttons.end(), buttons->second.begin(),
                                  buttons->second.end());
        }
        if (const auto chosen = default_button_tokens().find(piece);
            chosen != default_button_tokens().end()) {
            result.default_button = chosen->second;
        }
        if (plus == std::string_view::npos) break;
        rest.remove_prefix(plus + 1);
    }
    return result;
}

}  // namespace kalder
