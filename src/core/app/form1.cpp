#include "core/app/form1.h"

#include <algorithm>

#include "core/appearance/default_scheme.h"
#include "core/base/atomic_file.h"
#include "core/base/data_folder.h"
#include "core/base/vb_number.h"
#include "core/files/collection_file.h"
#include "core/files/config_file.h"
#include "core/files/leftovers.h"
#include "core/files/scheme_store.h"

namespace kalder {

namespace {

constexpr int TopBarTop = 60;
constexpr int TopBarButtonWidth = 390;
constexpr int TopBarButtonHeight = 360;

}  // namespace

Form1::Form1(Platform& platform, Random& random)
    : CellD(2),
      arrows{BoxControl(platform), BoxControl(platform), BoxControl(platform)},
      cmdreset(platform),
      cmdcreate(platform),
      cmdundo(platform),
      msg_form(platform),
      Score1(platform),
      gf1(platform),
      form2(platform, SchemeHost{ColourTable, SchemeName, SchemeStorePath, BackColor,
                                 [this] { Command2_Click(); }}),
      platform_(platform),
      random_(random) {
    build_top_bar();
    build_menus();
}

void Form1::build_top_bar() {
    const char* arrow_pictures[] = {"previous", "random", "next"};
    const char* arrow_tips[] = {"Previous puzzle, right-click for first puzzle", "Random puzzle",
                                "Next puzzle, right-click for last puzzle"};
    for (int i = 0; i < 3; ++i) {
        arrows[i].move(60 + 390 * i, TopBarTop, TopBarButtonWidth, TopBarButtonHeight);
        arrows[i].set_Picture(arrow_pictures[i]);
        arrows[i].ToolTipText = arrow_tips[i];
    }
    cmdreset.move(3165, TopBarTop, TopBarButtonWidth, TopBarButtonHeight);
    cmdreset.set_Picture("reset");
    cmdreset.ToolTipText = "Reset Puzzle";
    cmdcreate.move(3555, TopBarTop, TopBarButtonWidth, TopBarButtonHeight);
    cmdcreate.set_Picture("create");
    cmdcreate.ToolTipText = "Create New Puzzle, rightclick for options";
    cmdcreate.MouseUp = [this](const MouseEvent& event) { cmdcreate_MouseUp(event); };
    cmdundo.move(3945, TopBarTop, TopBarButtonWidth, TopBarButtonHeight);
    cmdundo.set_Picture("undo");
    cmdundo.ToolTipText = "Undo last move";
    cmdundo.MouseUp = [this](const MouseEvent& event) { cmdundo_MouseUp(event); };
    cmdreset.MouseUp = [this](const MouseEvent& event) { cmdreset_MouseUp(event); };
    for (int i = 0; i < 3; ++i) {
        arrows[i].MouseUp = [this, i](const MouseEvent& event) { arrows_MouseUp(i, event); };
    }
}

void Form1::build_menus() {
    menus = {
        {"mnumain",
         "Kalder",
         {{"mnuoptions", "Options"},
          {"mnuscores", "Scores"},
          {"", "-"},
          {"mnuhelp", "Help"},
          {"mnuabout", "About"},
          {"", "-"},
          {"mnucan1", "Cancel"},
          {"", "-"},
          {"mnuexit", "Exit"}}},
        {"mnupuzzle",
         "Puzzle",
         {{"mnusolve", "Solve"},
          {"", "-"},
          {"mnuload", "Load"},
          {"mnusave", "Save"},
          {"mnudelete", "Delete"},
          {"", "-"},
          {"can2", "Cancel"}}},
    };
}

void Form1::style_message_box() {
    msg_form.background = BackColor;
    msg_form.button_colour = BackColor;
    msg_form.text_colour = RGB(0, 0, 0);
    // The design names "Ariel"; fontconfig falls back to a sans face for it.
    msg_form.font = Font{"Ariel", 9, false, false};
    msg_form.title = Caption;
}

void Form1::Form_Load() {
    SolverBusy = false;
    Caption = "Kalder";
    // The built-in colours go on first, so even the first messages show in the game's look.
    ColourTable = default_colour_table();
    ApplyColourScheme();
    style_message_box();
    Score1.Visible = false;
    Score1.on_close = [this] { Score1.Visible = false; };
    const auto tell_score_file = [this](const std::string& path, const std::string& failure) {
        MsgboxA("Score file:\r\n" + path + "\r\ncould not be " + failure +
                    ", scores are kept until the end of this session",
                "vbexclamation+vbok");
    };
    Score1.on_write_failed = [tell_score_file](const std::string& path) {
        tell_score_file(path, "written");
    };
    Score1.on_read_failed = [tell_score_file](const std::string& path) {
        tell_score_file(path, "read");
    };
    Width = DesignWidth;
    Height = DesignHeight;
    const std::string shipped = shipped_folder(platform_.program_folder());
    ProgramFolder = choose_data_folder(platform_);
    LeftoverSweep leftovers;
    leftovers.sweep_folder(shipped);
    // Installed, the score file keeps company with the player's other files instead of landing
    // wherever the game happened to be started.
    if (ProgramFolder != shipped) {
        leftovers.sweep_folder(ProgramFolder);
        Score1.home_folder = ProgramFolder;
    }
    leftovers.clear_file(Score1.score_file_path());
    Score1.start();
    TempCollectionPath = ProgramFolder + "kaldertemp.tmp";
    SchemeStorePath = ProgramFolder + "all.col";
    form2.fill_list(read_scheme_store(SchemeStorePath).value_or(std::vector<std::string>{}));
    Config config;
    ReadcfgFile(
        ProgramFolder, config,
        [this](const std::string& text, const std::string& style) {
            return tell_once(text, style);
        },
        platform_.local_time());
    SchemeName = config.SchemeName;
    CollectionPath = collection_in(ProgramFolder, config.CollectionPath);
    PuzzleNumber = config.PuzzleNumber;
    leftovers.clear_file(CollectionPath);
    kept_settings_ = Config{SchemeName, CollectionPath, PuzzleNumber};
    starting_ = true;
    start_in_scheme();
    ApplyColourScheme();
    const std::optional<KeptPlace> kept = read_kept_place(ProgramFolder + KeptPlaceFile);
    if (!kept || !show_kept_puzzle(*kept)) show_first_puzzle();
    restore_place(kept);
    starting_ = false;
    keep_place();
}

void Form1::show_first_puzzle() {
    if (FileExists(CollectionPath)) {
        // A collection shortened or damaged since the last session still starts on a puzzle:
        // its first, or failing that a new one, never an empty board.
        if (!ShowPuzzle(CollectionPath, PuzzleNumber)) return;
        if (PuzzleNumber != 1 && !ShowPuzzle(CollectionPath, 1)) return;
        NewRandomPuzzle(4);
        return;
    }
    CollectionPath = ProgramFolder + "puzzles.kdr";
    if (FileExists(CollectionPath)) {
        // A damaged or unreadable first line would leave the board empty: a new puzzle stands in.
        if (!ShowPuzzle(CollectionPath, 1)) return;
    }
    NewRandomPuzzle(4);
}

int Form1::board_left_for(int window_width, int grid_size) {
    return round_half_even((window_width - CellSize * grid_size) / 2 - 50);
}

void Form1::LayoutBoard() {
    const int n = board.GridSize;
    if (n < MinGridSize || n > MaxGridSize) return;
    board.CellCount = n * n;
    for (std::size_t k = 2; k < CellD.size(); ++k) CellD[k].Visible = false;
    CellD.resize(std::max(CellD.size(), static_cast<std::size_t>(board.CellCount) + 1));
    const int board_left = board_left_for(Width, n);
    const int board_top = board_left + 450;
    int k = 0;
    for (int row = 1; row <= n; ++row) {
        for (int col = 1; col <= n; ++col) {
            CellLabel& cell = CellD[++k];
            cell.Width = cell.Height = static_cast<int>(CellSize);
            cell.Left = board_left + static_cast<int>((col - 1) * CellSize);
            cell.Top = board_top + static_cast<int>((row - 1) * CellSize);
            cell.BackColor = open_cell_colour();
            cell.Caption.clear();
            cell.ToolTipText.clear();
            cell.Visible = true;
        }
    }
}

void Form1::paint_open(int cell) {
    CellD[cell].BackColor = open_cell_colour();
    CellD[cell].ForeColor = LockedBack;
}

void Form1::paint_locked(int cell) {
    CellD[cell].BackColor = LockedBack;
    CellD[cell].ForeColor = LockedFore;
}

void Form1::paint_cell(int cell) {
    if (!board.on_board(cell)) return;
    if (board.locked(cell)) {
        paint_locked(cell);
    } else {
        paint_open(cell);
    }
}

void Form1::Pause(int milliseconds) {
    Timer1.Interval = milliseconds;
    Timer1.Enabled = true;
    platform_.start_timer(milliseconds, [this] { Timer1_Timer(); });
    while (Timer1.Enabled) platform_.wait_for_events();
}

void Form1::Timer1_Timer() {
    Timer1.Enabled = false;
}

// No sound back end: nothing in the program switches SoundOn on.
void Form1::PlaySound(const std::string&) {}

// The window repaints where the box stood before the game goes on.
int Form1::MsgboxA(const std::string& s, const std::string& typ) {
    const int answer = kalder::MsgboxA(msg_form, platform_, s, typ);
    platform_.process_events();
    return answer;
}

int Form1::tell_once(const std::string& s, const std::string& typ) {
    return told_once_.insert(s).second ? MsgboxA(s, typ) : 0;
}

}  // namespace kalder
