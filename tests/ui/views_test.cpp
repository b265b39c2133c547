#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "core/app/form1.h"
#include "core/files/collection_file.h"
#include "core/files/colour_scheme.h"
#include "core/files/puzzle_line.h"
#include "core/files/scheme_store.h"
#include "ui/app/board_view.h"
#include "ui/app/grid_size_label.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_convert.h"
#include "ui/app/qt_platform.h"
#include "ui/app/scaled_window.h"
#include "ui/app/single_game.h"
#include "ui/appearance/form2_view.h"
#include "ui/controls/box_control_view.h"
#include "ui/help/form4_view.h"
#include "ui/msgbox/msg_form_view.h"
#include "ui/scores/scores_box_view.h"

namespace kalder::ui {
namespace {

// The Qt platform as the installed game sees it, with its folders moved to a test's own folder.
class TestPlatform : public QtPlatform {
  public:
    std::string program_folder_override;
    std::string program_folder() const override { return program_folder_override; }
    std::string working_folder() const override { return program_folder_override; }
    std::string executable_name() const override { return "kalder"; }
};

// Runs act on the next modal window as soon as it is up.
void when_modal(std::function<void(QWidget&)> act) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act = std::move(act), poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return QTimer::singleShot(20, *poll);
        act(*modal);
    };
    QTimer::singleShot(20, *poll);
}

// Saves a picture of the widget to $KALDER_SCREENSHOT_DIR/name when that variable is set.
void save_screenshot_if_asked(QWidget& widget, const std::string& name) {
    const QByteArray folder = qgetenv("KALDER_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    widget.grab().save(QString::fromUtf8(folder) + "/" + QString::fromStdString(name));
}

// The game's main window over a model started in a test's own folder, beside the shipped
// scheme store and help page.
class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        platform.program_folder_override = folder.string() + "/";
        for (const char* name : {"all.col", "kalder.htm"})
            std::filesystem::copy_file(app_dir() + name, folder / name);
    }
    ~MainWindowTest() override { window.reset(); }
    static std::string app_dir() {
        return QCoreApplication::applicationDirPath().toStdString() + "/";
    }
    void start() {
        form = std::make_unique<Form1>(platform, random);
        form->Form_Load();
        window = std::make_unique<MainWindow>(*form);
        platform.set_dialog_parent(window.get());
        platform.set_render_hook([this] { window->sync(); });
        window->on_scaled = [this](double scale) { platform.set_scale(scale); };
        window->open_on_screen(0);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // Starts on puzzle 1 of a collection of two; the second hides cells 5 and 7.
    void start_on_two_puzzles() {
        std::ofstream(folder / "c.kdr", std::ios::binary)
            << "00001,3,121222332,020306010205040708\r\n00002,3,1212,0102\r\n";
        std::ofstream(folder / "kalder.cfg", std::ios::binary)
            << "12-05-2026 14:02:31\r\nxp.col\r\n"
            << (folder / "c.kdr").string() << "\r\n 1 \r\n";
        start();
    }
    QPoint centre_of(int cell) const {
        const CellLabel& c = form->CellD[cell];
        return window->board_view()->to_pixels(c.Left, c.Top, c.Width, c.Height).center();
    }
    void click(int cell) {
        QTest::mouseClick(window->board_view(), Qt::LeftButton, Qt::NoModifier, centre_of(cell));
    }

    const QTemporaryDir temporary;
    const std::filesystem::path folder = temporary.path().toStdString();
    TestPlatform platform;
    Random random{7};
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
};

// The line follows the pointer and a locked cell is painted dark. Enter in the number box is the
// box's; on the board, arrows move a cursor over the cells shown (puzzle 2 hides cells 5 and 7),
// Space selects, Enter moves; a mouse click hides the cursor until the next key.
TEST_F(MainWindowTest, TheMouseAndTheKeyboardPlayTheBoard) {
    start_on_two_puzzles();
    BoardView* board = window->board_view();
    click(2);
    QTest::mouseMove(board, centre_of(1));
    EXPECT_EQ(form->TargetCell, 1);
    click(1);
    EXPECT_LT(board->grab().toImage().pixelColor(centre_of(1) + QPoint(-12, -12)).lightness(), 60);
    QLineEdit* number_box = window->puzzle_number_box();
    number_box->setFocus();
    number_box->selectAll();
    QTest::keyClicks(number_box, "2");
    QTest::keyClick(number_box, Qt::Key_Return);
    EXPECT_EQ(
        std::tuple(number_box->text().toStdString(), board->keyboard_cell(), form->SourceCell),
        std::tuple("P# 2 of 2", 0, -1));
    board->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right})
        QTest::keyClick(board, key);
    EXPECT_EQ(board->keyboard_cell(), 4) << "cells 5 and 7 are hidden";
    for (const Qt::Key key :
         {Qt::Key_Up, Qt::Key_Right, Qt::Key_Space, Qt::Key_Left, Qt::Key_Return})
        QTest::keyClick(board, key);
    EXPECT_EQ(std::tuple(form->CellD[1].Caption, form->board.locked(1)), std::tuple("2", true));
    click(4);
    EXPECT_EQ(board->keyboard_cell(), 0);
    QTest::keyClick(board, Qt::Key_Right);
    EXPECT_EQ(board->keyboard_cell(), 4) << "it comes back at the selection";
}

// The board has the focus at start with its cursor ring, two pixels wide and standing out from
// the open cells in every shipped scheme; a screen reader reads the cursor's cell as focused. Tab
// runs along the top bar to the board; Shift+Space and the Menu key right-click (last and first
// puzzle); Alt+K, Alt+P and F10 open the menus.
TEST_F(MainWindowTest, TheKeyboardReachesEveryControlAndTheCursorShows) {
    start_on_two_puzzles();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    BoardView* board = window->board_view();
    ASSERT_EQ(QApplication::focusWidget(), board);
    const std::vector<std::string> store = read_scheme_store(app_dir() + "all.col").value();
    for (std::size_t header = 0; header < store.size(); header += SchemeBlockLines) {
        form->LoadColourScheme(store[header]);
        form->ApplyColourScheme();
        window->sync();
        const QImage image = board->grab().toImage();
        const Colour open = to_colour(to_qcolor(form->open_cell_colour()));
        const QRect cell = board->to_pixels(form->CellD[1].Left, form->CellD[1].Top,
                                            form->CellD[1].Width, form->CellD[1].Height);
        for (const int inset : {1, 2}) {
            const QColor ring = image.pixelColor(cell.left() + inset, cell.center().y());
            EXPECT_GE(contrast_ratio(to_colour(ring), open), 3.0) << store[header] << inset;
        }
    }

    // A screen reader reads the cell under the cursor as the focused one.
    const auto read_as_focused = [board] {
        QStringList names;
        for (QWidget* child : board->findChildren<QWidget*>()) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(child);
            if (read->state().focused) names << read->text(QAccessible::Name);
        }
        return names.join('|').toStdString();
    };
    const std::string at_start = read_as_focused();
    QTest::keyClick(board, Qt::Key_Right);
    EXPECT_EQ(std::tuple(at_start, read_as_focused()),
              std::tuple("1, row 1 column 1", "2, row 1 column 2"));
    std::vector<QWidget*> tabbed;
    window->button_view("arrows0")->setFocus();
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tabbed.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(tabbed,
              (std::vector<QWidget*>{window->button_view("arrows1"), window->button_view("arrows2"),
                                     window->puzzle_number_box(), window->button_view("cmdreset"),
                                     window->button_view("cmdcreate"),
                                     window->button_view("cmdundo"), board}));

    QLineEdit* number_box = window->puzzle_number_box();
    QTest::keyClick(window->button_view("arrows2"), Qt::Key_Space, Qt::ShiftModifier);
    const std::string last = number_box->text().toStdString();
    QTest::keyClick(window->button_view("arrows0"), Qt::Key_Menu);
    EXPECT_EQ(std::tuple(last, number_box->text().toStdString()),
              std::tuple("P# 2 of 2", "P# 1 of 2"));

    const QList<QAction*> menus = window->menuBar()->actions();
    const std::pair<QKeyCombination, QAction*> openers[] = {
        {Qt::ALT | Qt::Key_K, menus[0]}, {Qt::ALT | Qt::Key_P, menus[1]}, {Qt::Key_F10, menus[0]}};
    for (const auto& [keys, menu] : openers) {
        QTest::keyClick(board, keys.key(), keys.keyboardModifiers());
        EXPECT_TRUE(QTest::qWaitFor([&] { return menu->menu()->isVisible(); }))
            << QKeySequence(keys).toString().toStdString();
        menu->menu()->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !menu->menu()->isVisible(); }));
    }
}

// A first start beside the shipped collection, without a configuration file (the game says so
// in its own message box). Then each window the README shows, taking its picture when asked: a
// five-by-five puzzle amid a move; the scores panel, whose "Clear" asks through the system's
// box; the help window, whose links go through the model's history; the About box, hidden by
// Escape; the Options dialog, whose "dark" applied repaints the window, its menu bar and cells.
// The menus show the model's entries, only the working commands enabled.
TEST_F(MainWindowTest, TheShippedCollectionAndEachWindowFollowTheirModels) {
    const std::string shipped = app_dir() + "puzzles.kdr";
    std::filesystem::copy_file(shipped, folder / "puzzles.kdr");
    when_modal([](QWidget& modal) {
        QTest::mouseClick(dynamic_cast<MsgFormView&>(modal).button(0), Qt::LeftButton);
    });
    start();
    const auto line = [&](int number) {
        return parse_puzzle_line(read_collection_line(shipped, number).value()).line.value();
    };
    const int count = CountLines(shipped);
    int five = 1;
    while (five < count && line(five).size < 5) ++five;
    ASSERT_FALSE(form->ShowPuzzle(form->CollectionPath, five));
    window->sync();
    const GridSizeLabel* grid_size = window->grid_size_box();
    EXPECT_EQ(
        std::tuple(grid_size->grade(), grid_size->accessibleDescription().toStdString()),
        std::tuple(form->PuzzleGrade(), "Grade " + std::to_string(form->PuzzleGrade()) + " of 5"));
    click(std::stoi(line(five).moves.substr(0, 2)));  // the first giver of the stored solution
    QTest::mouseMove(window->board_view(), centre_of(1));
    save_screenshot_if_asked(*window, "screenshot.png");
    form->Form_MouseUp(MouseEvent{});

    QStringList menus;
    for (QAction* menu : window->menuBar()->actions()) {
        menus << menu->text() + ":";
        for (QAction* entry : menu->menu()->actions()) {
            menus << (entry->isSeparator() ? QStringLiteral("-")
                      : entry->isEnabled() ? entry->text()
                                           : "(" + entry->text() + ")");
        }
    }
    EXPECT_EQ(menus.join(' ').toStdString(),
              "Kalder: Options Scores - Help About - Cancel - Exit "
              "Puzzle: Solve - Load Save Delete - Cancel");
    const auto menu_entry = [this](int menu, int entry) {
        window->menuBar()->actions()[menu]->menu()->actions()[entry]->trigger();
    };

    menu_entry(0, 1);
    window->sync();
    save_screenshot_if_asked(*window, "screenshot-scores.png");
    form->Score1.set_WonSession(true);
    window->sync();
    ScoresBoxView* panel = window->scores_view();
    EXPECT_EQ(panel->session_label(2)->text(), "1");
    when_modal([](QWidget& modal) {
        for (QAbstractButton* button : dynamic_cast<QMessageBox&>(modal).buttons())
            if (button->text() == "Yes") button->click();
    });
    for (QPushButton* button : panel->findChildren<QPushButton*>())
        if (button->text() == "Clear") QTest::mouseClick(button, Qt::RightButton);
    EXPECT_EQ(panel->total_label(1)->text(), "0");

    menu_entry(0, 3);
    auto* help = window->findChild<Form4View*>();
    ASSERT_TRUE(help != nullptr && QTest::qWaitForWindowActive(help));
    save_screenshot_if_asked(*help, "screenshot-help.png");
    emit help->browser()->anchorClicked(QUrl("#keyboard"));
    EXPECT_EQ(
        std::tuple(help->browser()->toPlainText().contains("worked example"),
                   help->form().WebBrowser1.LocationURL(), help->browser()->source().fragment()),
        std::tuple(true, (folder / "kalder.htm#keyboard").string(), "keyboard"));
    QTest::mouseClick(help->button(0), Qt::LeftButton);
    EXPECT_FALSE(help->browser()->source().hasFragment()) << "Back";
    help->close();

    // The file dialog, Load's here, never leaves the screen through Ctrl + and comes back to its
    // first size with Ctrl 0.
    bool loaded = false;
    when_modal([&loaded](QWidget& dialog) {
        loaded = dynamic_cast<QFileDialog*>(&dialog) != nullptr;
        const QRect screen = dialog.screen()->availableGeometry();
        QTest::keyClick(&dialog, Qt::Key_0, Qt::ControlModifier);  // laid out once shown
        const QSize first = dialog.size();
        for (int i = 0; i < 3; ++i) QTest::keyClick(&dialog, Qt::Key_Plus, Qt::ControlModifier);
        EXPECT_TRUE(screen.contains(dialog.frameGeometry())) << dialog.frameGeometry().width();
        QTest::keyClick(&dialog, Qt::Key_0, Qt::ControlModifier);
        EXPECT_EQ(dialog.size(), first);
        static_cast<QDialog&>(dialog).reject();
    });
    window->menuBar()->actions()[1]->menu()->actions()[2]->trigger();
    EXPECT_TRUE(loaded);
    EXPECT_FALSE(form->help_form->Loaded);

    when_modal([](QWidget& about) {
        save_screenshot_if_asked(about, "screenshot-about.png");
        QTest::keyClick(&about, Qt::Key_Return);
        EXPECT_TRUE(about.isVisible()) << "only Escape closes";
        QTest::keyClick(&about, Qt::Key_Escape);
    });
    menu_entry(0, 4);
    EXPECT_EQ(std::tuple(form->about_form->Loaded, form->about_form->Visible),
              std::tuple(true, false));

    when_modal([](QWidget& modal) {
        auto& dialog = dynamic_cast<Form2View&>(modal);
        for (QListWidgetItem* row : dialog.list()->findItems("dark", Qt::MatchExactly)) {
            QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                              dialog.list()->visualItemRect(row).center());
        }
        EXPECT_EQ(dialog.form().Frame1_Caption, "Color Scheme: dark");
        QTest::mouseClick(dialog.button("Apply"), Qt::LeftButton);
        save_screenshot_if_asked(dialog, "screenshot-options.png");
        QTest::mouseClick(dialog.button("Exit"), Qt::LeftButton);
    });
    menu_entry(0, 0);
    const SchemeTable& table = form->ColourTable;
    const QImage picture = window->board_view()->grab().toImage();
    EXPECT_EQ(std::tuple(form->SchemeName, table[2], picture.pixelColor(2, 40),
                         window->menuBar()->grab().toImage().pixelColor(2, 2),
                         picture.pixelColor(centre_of(form->board.CellCount) - QPoint(12, 12))),
              std::tuple("dark.col", RGB(24, 26, 32), to_qcolor(table[2]), to_qcolor(table[3]),
                         to_qcolor(table[4])));
}

// Help, Options and the input box open at the game's scale (their design in twips times it) and
// follow Ctrl - and Ctrl 0 pressed in them; Ctrl 0 is the size the game opens at.
TEST_F(MainWindowTest, EveryWindowOpensAtTheGamesScaleAndFollowsIt) {
    std::ofstream(folder / "c.kdr", std::ios::binary) << "00001,3,121222332,020306010205040708\r\n";
    std::ofstream(folder / "kalder.cfg", std::ios::binary)
        << "12-05-2026 14:02:31\r\nxp.col\r\n"
        << (folder / "c.kdr").string() << "\r\n 1 \r\n";
    start();
    const double fit = window->scale();
    ASSERT_GT(fit, 1.0) << "the screen leaves room to scale down";
    const auto at_scale = [this](int width, int height) {
        return QSize(scaled_pixels(width, window->scale()), scaled_pixels(height, window->scale()));
    };
    window->menuBar()->actions()[0]->menu()->actions()[3]->trigger();
    auto* help = window->findChild<Form4View*>();
    ASSERT_TRUE(help != nullptr && QTest::qWaitForWindowExposed(help));
    EXPECT_EQ(help->size(), at_scale(Form4::DesignWidth, Form4::DesignHeight));
    QTest::keyClick(help->browser(), Qt::Key_Minus, Qt::ControlModifier);
    ASSERT_EQ(window->scale(), fit - ScaleStep);
    EXPECT_EQ(help->size(), at_scale(Form4::DesignWidth, Form4::DesignHeight));
    help->close();

    std::vector<std::tuple<double, QSize, double>> options_seen;
    when_modal([&](QWidget& modal) {
        auto& dialog = dynamic_cast<Form2View&>(modal);
        const auto seen = [&](QWidget& dialog, double font_size) {
            options_seen.emplace_back(window->scale(), dialog.size(), font_size);
        };
        seen(dialog, 0);
        QTest::keyClick(dialog.list(), Qt::Key_0, Qt::ControlModifier);
        seen(dialog, 0);
        when_modal([&](QWidget& input) {
            seen(input, input.font().pointSizeF());
            QTest::keyClick(&input, Qt::Key_Minus, Qt::ControlModifier);
            seen(input, input.font().pointSizeF());
            QTest::keyClick(&input, Qt::Key_Escape);
        });
        QTest::mouseClick(dialog.button("Add"), Qt::LeftButton);
        seen(dialog, 0);
        QTest::mouseClick(dialog.button("Exit"), Qt::LeftButton);
    });
    window->menuBar()->actions()[0]->menu()->actions()[0]->trigger();
    const QSize options(scaled_pixels(4020, fit), scaled_pixels(4080, fit));
    const double point = application_font_at(1).pointSizeF();
    ASSERT_EQ(options_seen.size(), 5u);
    EXPECT_EQ(options_seen[0], std::tuple(fit - ScaleStep, at_scale(4020, 4080), 0.0));
    EXPECT_EQ(options_seen[1], std::tuple(fit, options, 0.0));
    EXPECT_EQ(std::get<2>(options_seen[2]), point * fit);
    EXPECT_EQ(std::get<2>(options_seen[3]), point * (fit - ScaleStep));
    EXPECT_EQ(options_seen[4], std::tuple(fit - ScaleStep, at_scale(4020, 4080), 0.0));
}

// The buttons of the style show in order beside the whole text. A click, the keys (the first button
// has the focus unless the style names another, arrows move it, Space and Enter press, Left
// wraps, Escape closes as the frame does: the last button) answer the code; the one dialog is
// kept.
TEST(MsgFormView, ShowsTheModelAndAnswersTheMouseAndTheKeyboard) {
    QWidget host;
    QtPlatform platform;
    platform.set_dialog_parent(&host);
    MsgForm form{platform};
    const struct {
        const char* style;
        std::string text;
        std::vector<Qt::Key> keys;  // none: click the second button
        QString captions;
        int code;
    } cases[] = {
        {"vbquestion+vbyesno", "Reset current\r\npuzzle?", {}, "Yes No", 7},
        {"vbyesno", "Done", {Qt::Key_Return}, "Yes No", 6},
        {"vbYesNo+vbquestion+vbDefaultButton2", "Delete?", {Qt::Key_Return}, "Yes No", 7},
        {"vbyesnocancel", "?", {Qt::Key_Left, Qt::Key_Space}, "Yes No Cancel", 2},
        {"vbhappy+vbyesno", std::string(120, 'W'), {Qt::Key_Escape}, "Yes No", 7},
    };
    for (const auto& c : cases) {
        QStringList captions;
        QString text;
        when_modal([&](QWidget& modal) {
            auto& view = dynamic_cast<MsgFormView&>(modal);
            text = view.text_label()->text();
            if (&c == &cases[0]) save_screenshot_if_asked(view, "screenshot-message.png");
            for (int i = 0; i < MsgForm::ButtonCount && view.button(i)->isVisible(); ++i)
                captions.append(QString::fromStdString(view.button(i)->model().Caption()));
            for (const Qt::Key key : c.keys) QTest::keyClick(view.focusWidget(), key);
            if (c.keys.empty()) QTest::mouseClick(view.button(1), Qt::LeftButton);
        });
        EXPECT_EQ(MsgboxA(form, platform, c.text, c.style), c.code) << c.style;
        EXPECT_EQ(std::tuple(captions.join(' '), text),
                  std::tuple(c.captions, QString::fromStdString(c.text).replace("\r\n", "\n")));
    }
    EXPECT_EQ(host.findChildren<MsgFormView*>().size(), 1) << "one dialog, kept";
}

// Started from "/", the score file is "/kalder.sco", not "//kalder.sco".
TEST(QtPlatformTest, AFolderEndsInOneSeparator) {
    QtPlatform platform;
    const QString started_in = QDir::currentPath();
    QDir::setCurrent(QStringLiteral("/"));
    const std::string score_file = ScoresBox(platform).score_file_path();
    QDir::setCurrent(started_in);
    EXPECT_EQ(score_file, "/" + platform.executable_name() + ".sco");
}

// A second start finds the first game by its lock and asks it to the front.
TEST(SingleGame, ASecondStartAsksTheFirstToTheFront) {
    QTemporaryDir runtime;
    SingleGame first(runtime.path()), second(runtime.path());
    QSignalSpy asked(&first, &SingleGame::front_requested);
    ASSERT_TRUE(first.claim());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(!asked.isEmpty() || asked.wait());
}

// Place (in twips), tip, mouse buttons with their keys, Space and Enter (as the left button,
// and only a key pressed here) reach the model; a disabled button takes nothing.
TEST(BoxControlView, ForwardsMouseAndKeysToTheModel) {
    QtPlatform platform;
    BoxControl model{platform};
    QWidget host;
    BoxControlView view{model, &host};
    // Each release as its button, keys and place: "2/1@150,75".
    std::string events;
    model.MouseUp = [&events](const MouseEvent& e) {
        events += std::to_string(e.Button) + "/" + std::to_string(e.Shift) + "@" +
                  std::to_string(int(e.X)) + "," + std::to_string(int(e.Y)) + " ";
    };
    model.move(150, 300, 885, 345);
    model.ToolTipText = "Close the box";
    view.sync(2.0);
    EXPECT_EQ(std::tuple(view.geometry(), view.toolTip()),
              std::tuple(QRect(20, 40, 118, 46), "Close the box"));
    view.sync(1.0);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QTest::mouseClick(&view, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 5));
    QTest::keyRelease(&view, Qt::Key_Space);
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(&view, key);
    model.set_Enabled(false);
    view.sync(1.0);
    QTest::mouseClick(&view, Qt::LeftButton);
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(events, "2/1@150,75 1/0@0,0 1/0@0,0 ");
}

}  // namespace
}  // namespace kalder::ui
