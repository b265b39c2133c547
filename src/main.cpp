#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QStandardPaths>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "core/app/form1.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_platform.h"
#include "ui/app/single_game.h"
#include "ui/help/program_icon.h"

namespace {

constexpr const char* Usage =
    "usage: kalder [QT-OPTIONS]\n"
    "  --help     prints this and ends\n"
    "  --version  prints the version and ends\n"
    "Kalder is a number puzzle; its help page (F1) tells how to play. One game runs at a\n"
    "time: starting another brings the running one to the front.\n";

// The answer to a command-line question that needs no window; nothing for any other.
std::optional<std::string> answer_without_window(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") return Usage;
        if (arg == "--version") return std::string("kalder ") + KALDER_VERSION + "\n";
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const auto answer = answer_without_window(argc, argv)) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kalder");
    QApplication::setOrganizationName("kalder");
    kalder::ui::SingleGame single(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (!single.claim()) return 0;
    QApplication::setWindowIcon(kalder::ui::program_icon());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kalder.Kalder"));

    // The one generator of the program, seeded once.
    std::random_device entropy;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    kalder::Random random((static_cast<std::uint64_t>(entropy()) << 32) ^
                          static_cast<std::uint64_t>(now));

    kalder::ui::QtPlatform platform;
    kalder::Form1 form(platform, random);
    form.Form_Load();

    kalder::ui::MainWindow window(form);
    platform.set_dialog_parent(&window);
    platform.set_render_hook([&window] { window.sync(); });
    platform.set_look_source([&form] { return form.window_look(); });
    // Closing the window ends the program at once, without saving anything: also in the middle
    // of a pause, where the waiting handler would otherwise carry on without a window.
    window.on_close = [&platform] {
        if (platform.waiting()) std::exit(0);
        QCoreApplication::exit(0);
    };
    // The player's steps away from the screen's fit live in the desktop's settings, apart from
    // the game's own configuration file; every window of the game follows the scale.
    QSettings settings;
    window.on_scaled = [&platform](double scale) { platform.set_scale(scale); };
    window.open_on_screen(settings.value(QStringLiteral("window/scale_offset"), 0).toInt());
    window.on_scale_chosen = [&settings](int offset) {
        settings.setValue(QStringLiteral("window/scale_offset"), offset);
        settings.sync();
    };
    QObject::connect(&single, &kalder::ui::SingleGame::front_requested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return QApplication::exec();
}
