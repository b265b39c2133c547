#include <chrono>
#include <cstdint>
#include <random>

#include "core/app/form1.h"
#include "web/bridge/web_windows.h"
#include "web/platform/page_link.h"
#include "web/platform/storage.h"
#include "web/platform/web_platform.h"

// The game in the page, started once the player's files are read back: the main window's model
// made and loaded, then the one loop that hands the page's events to the windows, for as long as
// the page lives.
int main() {
    kalder::web::storage::protect_program_folder();

    // The one generator of the program, seeded once.
    std::random_device entropy;
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    kalder::Random random((static_cast<std::uint64_t>(entropy()) << 32) ^
                          static_cast<std::uint64_t>(now));

    kalder::web::WebPlatform platform;
    kalder::Form1 form(platform, random);
    kalder::web::WebWindows windows{form, {}, {}, {}, {}, {}};
    platform.attach(windows);
    form.EndProgram = [] { kalder::web::page_link::end_program(); };
    form.Form_Load();
    for (;;) platform.wait_for_events();
}
