#include "core/help/help_browser.h"

namespace kalder {

void HelpBrowser::Navigate(const std::string& address) {
    if (!history_.empty()) history_.resize(at_ + 1);
    history_.push_back(address);
    at_ = history_.size() - 1;
    ++steps_;
}

void HelpBrowser::GoBack() {
    if (at_ == 0) return;
    --at_;
    ++steps_;
}

void HelpBrowser::GoForward() {
    if (at_ + 1 >= history_.size()) return;
    ++at_;
    ++steps_;
}

std::string HelpBrowser::LocationURL() const {
    return history_.empty() ? std::string() : history_[at_];
}

}  // namespace kalder
