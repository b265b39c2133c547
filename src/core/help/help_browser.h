#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kalder {

// The help window's page view: the address shown and the history behind it. Addresses are
// whatever the caller navigates to (the page's path, or a link resolved against it).
class HelpBrowser {
  public:
    static constexpr int DesignWidth = 7125;
    static constexpr int DesignHeight = 5145;

    int Left = 30;
    int Top = 420;
    int Width = DesignWidth;
    int Height = DesignHeight;

    // Shows the address; places ahead in the history are forgotten.
    void Navigate(const std::string& address);
    // One step through the history; nothing at either end of it.
    void GoBack();
    void GoForward();
    // The address shown, "" before the first navigation.
    std::string LocationURL() const;
    // Counts every change of the place shown, a new navigation to the same address included,
    // so a view knows when to show the place afresh.
    std::size_t steps() const { return steps_; }

  private:
    std::vector<std::string> history_;
    std::size_t at_ = 0;
    std::size_t steps_ = 0;
};

}  // namespace kalder
