#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <chrono>
#include <cstdlib>
#include <random>

#include "core/app/form1.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_platform.h"
#include "ui/help/program_icon.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kalder");
    QApplication::setOrganizationName("kalder");
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
    window.show();
    return QApplication::exec();
}
