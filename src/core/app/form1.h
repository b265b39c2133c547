#pragma once

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/app/form1_controls.h"
#include "core/appearance/form2.h"
#include "core/base/colour.h"
#include "core/base/platform.h"
#include "core/controls/box_control.h"
#include "core/controls/fn_dialog.h"
#include "core/files/config_file.h"
#include "core/files/kept_place.h"
#include "core/help/about_form.h"
#include "core/help/form4.h"
#include "core/msgbox/msg_form.h"
#include "core/rules/board.h"
#include "core/rules/position.h"
#include "core/rules/random.h"
#include "core/rules/undo_record.h"
#include "core/scores/scores_box.h"

namespace kalder {

struct BatchReport;

// Headless model of the main window: everything it shows and every handler of its events.
// The handlers are grouped by subsystem in their own source files.
class Form1 {
  public:
    static constexpr int DesignWidth = 4935;
    static constexpr int DesignHeight = 6090;
    static constexpr double CellSize = 500;
    static constexpr int ColourSlots = 14;

    Form1(Platform& platform, Random& random);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // ---- Start-up, layout and services (form1.cpp)
    void Form_Load();
    void LayoutBoard();
    static int board_left_for(int window_width, int grid_size);
    void Pause(int milliseconds);
    void Timer1_Timer();
    int RandomInt(int n) { return random_.RandomInt(n); }
    void PlaySound(const std::string& name);
    // The styled message box; pending events run once it closes.
    int MsgboxA(const std::string& s, const std::string& typ = "vbok");
    // The message box for a message not yet shown this session: a file that cannot be written
    // is told of once, not at every attempt. Returns 0 when it stays silent.
    int tell_once(const std::string& s, const std::string& typ);
    Colour open_cell_colour() const { return ColourTable[ColourIndex]; }
    WindowLook window_look() const { return window_look_of(ColourTable[2], open_cell_colour()); }
    void paint_open(int cell);
    void paint_locked(int cell);
    // In the colours its lock mark calls for.
    void paint_cell(int cell);

  private:
    void build_top_bar();
    void build_menus();
    void style_message_box();
    void show_first_puzzle();

  public:
    // ---- Showing a puzzle of the collection (show_puzzle.cpp)
    bool ShowPuzzle(const std::string& path, int n);
    // A cell's value is what its label shows.
    int caption_value(int cell) const;
    // The position in play, as the captions and lock marks show it.
    Position position_on_board() const;
    // Shows a cell of the position: caption, lock mark and colours.
    void show_cell(const Position& position, int cell);
    // What a screen reader says for the cell (spoken_names.cpp); "" off the board.
    std::string cell_name(int cell) const;

  private:
    // Why the line cannot be shown; "" once it is on the board.
    std::string put_line_on_board(const std::string& path, int n, const std::string& line,
                                  int line_count);
    // PuzzleBody on the board as line n of the collection's count lines, without reading the
    // file.
    void show_from_memory(int size, int n, int count);
    // The puzzle in play afresh. A puzzle of the temporary collection comes from memory: a
    // folder that would not take a new puzzle may have left that file missing, or holding an
    // older one.
    void show_again_from_start();
    // What became of a request to show one line of a collection.
    enum class LineShown { Shown, Missing, Damaged };
    // Shows line n without a word to the player; why a damaged line cannot be shown goes to
    // `error`.
    LineShown show_line_quietly(const std::string& path, int n, std::string& error);

  public:
    // ---- Moves (moves.cpp) and the solved test (completion.cpp)
    void CellD_MouseUp(int index, const MouseEvent& event);
    void CellD_MouseMove(int index, const MouseEvent& event);
    void Form_MouseUp(const MouseEvent& event);
    void ShowMoveArrow(int a, int b);
    void HideMoveMarks();
    // The one path of a move, for a click and for redo: false, and nothing changed, when the
    // rule refuses it.
    bool make_move(Move move);
    void CheckSolved();

    // ---- Undo and reset (undo_reset.cpp)
    void cmdundo_MouseUp(const MouseEvent& event);
    void cmdreset_MouseUp(const MouseEvent& event);

    // ---- The way back and forward, reached by keys (way_back.cpp): the next move of a
    // solution from here, or how far back the last solvable position lies; undo to it; redo; a
    // solution played out.
    void hint();
    void back_to_solvable();
    void redo();
    void solve_from_here();

  private:
    // Everything that follows a change of the position in play.
    void board_changed();
    // Undos to the last solvable position of the history; 0 when none is solvable.
    int moves_back_to_solvable() const;
    void tell_dead_end();
    // "Grade 3 of 5"; "" for a start that has no grade.
    std::string grade_text() const;

    // ---- Keeping the half-played place (place_keeping.cpp)
    // The half-played board, rewritten after every change so that no way of quitting loses it;
    // the configuration with it whenever one of its settings changed.
    void keep_place();
    void keep_settings();
    // Start-up's puzzle when the last session left one whose line is unchanged: the place kept
    // is later than any configuration.
    bool show_kept_puzzle(const KeptPlace& kept);
    // A cell of the puzzle in play: on the board and given a value by its line.
    bool shown_cell(int cell) const { return board.on_board(cell) && CellD[cell].Visible; }
    void restore_place(const std::optional<KeptPlace>& kept);

  public:
    // ---- Navigation (navigation.cpp) and stepping over damaged lines (damage_stepping.cpp)
    void arrows_MouseUp(int index, const MouseEvent& event);
    void PuzNum_KeyPress(int KeyAscii);

  private:
    void show_puzzle_number();
    void report_damaged_line(const std::string& path, int n, const std::string& error);
    // Shows line n of the collection or, past damaged lines, the first sound one from there in
    // the direction of step (+1 or -1), going round the collection; the lines passed over are
    // named once each. True when none could be shown.
    bool show_stepping_over_damage(int n, int step);
    // The file's lines are named again should they be stepped over.
    void forget_damage_reports(const std::string& path);

  public:
    // ---- Solution replay (solution_replay.cpp)
    void mnusolve_Click();
    void ShowSolution(const std::string& body, int delay);
    // Plays the moves from the position one step each `delay` ms with the move arrow, passing
    // each unit whatever the rule says, then says "Done". The caller puts the board back.
    void play_out(Position position, const std::vector<Move>& moves, int delay);

    // ---- Menus: the view forwards every entry by name (menu_commands.cpp)
    void menu_Click(const std::string& name);
    void mnuscores_Click();
    void mnuhelp_Click();
    void mnuabout_Click();
    void mnuexit_Click();

    // ---- Colour schemes (scheme_commands.cpp): fill the table from the store's block and paint
    // the windows with it.
    void mnuoptions_Click();
    void LoadColourScheme(const std::string& name);
    void ApplyColourScheme();
    // The hidden trigger the Options dialog presses: reload the named scheme and paint.
    void Command2_Click();

  private:
    // Start-up's scheme: the configured one, or the built-in colours when there is no store.
    void start_in_scheme();

  public:
    // ---- Collection files (collection_commands.cpp)
    void mnuload_Click();
    void mnusave_Click();
    void mnudelete_Click();

  private:
    void set_collection_dialog();

  public:
    // ---- Creating puzzles (create_command.cpp)
    void cmdcreate_MouseUp(const MouseEvent& event);
    void NewRandomPuzzle(int size);

  private:
    void make_new_puzzle(int size);
    int ask_grid_size();

  public:
    // ---- Maintenance commands, kept out of the player's sight (maintenance_commands.cpp):
    // MultiCreate, RemDups, randomize and Reseq.
    void Command1_Click();
    void Command3_Click();
    void Command5_Click();
    void Command7_Click();

  private:
    BatchReport batch_report();

  public:
    // ---- The state the handlers share and the view shows

    // Window.
    std::string Caption = "Kalder";
    int Width = DesignWidth;
    int Height = DesignHeight;
    Colour BackColor = SystemWindow;
    std::array<Colour, ColourSlots> ColourTable{};
    int ColourIndex = 4;

    // Paths.
    std::string ProgramFolder;
    std::string TempCollectionPath;
    std::string SchemeStorePath;

    // Current puzzle.
    Board board;
    std::string PuzzleBody;
    std::string CollectionPath;
    int PuzzleNumber = 0;
    int PuzzleCount = 0;
    // How easily its start leads a careless player into a dead end, 1 to 5; 0 for a start
    // that cannot be graded. The grid-size box shows it as pips. Worked out when first asked
    // for and kept while the start is the same: grading a large board takes the solver a
    // while, and Reset, a replay or an undo show the same start again.
    int PuzzleGrade() const;
    // What a screen reader says of the grid-size box besides its name: a dead end, the grade.
    std::string grid_size_description() const;
    // The grid-size box's tip as shown: its own text, then the grade ("Grade 3 of 5").
    std::string grid_size_tip() const;

    // Controls. CellD[0] is the unused design element; cells are created on demand.
    std::vector<CellLabel> CellD;
    LineShape Line1;
    ImageBox Lft, Rght, Up, Down;
    TextBox PuzNum;
    LabelBox Gsize{"", "Grid Size"};
    // The move marks' colours, taken from the scheme as it is applied.
    Colour GiverRingColor = RGB(0, 128, 0);
    Colour DeadEndColor = RGB(128, 0, 0);
    RectangleShape Shape1{60, 480, 4725, 4755};
    RectangleShape Shape2{90, 510, 4725, 4755};
    std::array<BoxControl, 3> arrows;
    BoxControl cmdreset;
    BoxControl cmdcreate;
    BoxControl cmdundo;
    std::vector<Menu> menus;
    // Background of the menu bar and its menus; a system colour leaves the platform's own.
    Colour MenuBackColor = SystemButtonFace;
    Timer Timer1;
    MsgForm msg_form;
    ScoresBox Score1;
    // Secondary windows, made on first use; a window closed for good is made anew next time.
    std::unique_ptr<Form4> help_form;
    std::unique_ptr<AboutForm> about_form;
    FNDialog gf1;

    // Settings kept in the configuration file.
    std::string SchemeName;

    // The Options dialog, made once and kept.
    Form2 form2;

    // Ends the program (set by the view); the Exit command calls it.
    std::function<void()> EndProgram;

    // Play state.
    int SourceCell = -1;
    int TargetCell = -1;
    std::deque<UndoRecord> UndoList;  // newest first
    std::deque<Move> RedoList;        // the undone moves, the last undone first
    bool SolverBusy = false;
    bool SoundOn = false;

  private:
    Platform& platform_;
    Random& random_;
    // The settings as the configuration file holds them, once read or written.
    std::optional<Config> kept_settings_;
    // The kept place as last written, "" once removed; nothing until the first is kept, so a
    // place left by the last session is never taken for this one's.
    std::optional<std::string> kept_place_text_;
    // While start-up picks its puzzle nothing is kept: the last session's place stays whole.
    bool starting_ = false;
    // Damaged lines the player was told of while stepping, so each is told once.
    std::set<std::pair<std::string, int>> reported_damaged_lines_;
    std::set<std::string> told_once_;
    // The start of the puzzle on the board, and its grade once asked for.
    std::optional<Position> puzzle_start_;
    mutable std::optional<int> puzzle_grade_;
};

}  // namespace kalder
