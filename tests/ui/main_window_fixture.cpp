#include "main_window_fixture.h"

#include <QCoreApplication>
#include <QTest>

#include "ui/app/board_view.h"

namespace kalder::ui {

void MainWindowFixture::SetUp() {
    folder = make_test_folder();
    platform.program_folder_override = folder.string() + "/";
    // The shipped scheme store, copied beside the program by the build.
    std::filesystem::copy_file(QCoreApplication::applicationDirPath().toStdString() + "/all.col",
                               folder / "all.col");
}

void MainWindowFixture::TearDown() {
    window.reset();
    std::filesystem::remove_all(folder);
}

void MainWindowFixture::start() {
    form = std::make_unique<Form1>(platform, random);
    form->Form_Load();
    window = std::make_unique<MainWindow>(*form);
    platform.set_dialog_parent(window.get());
    platform.set_render_hook([this] { window->sync(); });
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

QPoint MainWindowFixture::centre_of(int cell) const {
    const CellLabel& label = form->CellD[cell];
    return window->board_view()
        ->to_pixels(label.Left, label.Top, label.Width, label.Height)
        .center();
}

void MainWindowFixture::click(int cell) {
    QTest::mouseClick(window->board_view(), Qt::LeftButton, Qt::NoModifier, centre_of(cell));
}

}  // namespace kalder::ui
