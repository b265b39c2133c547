#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/base/colour.h"
#include "core/base/font.h"
#include "core/controls/mouse_event.h"

namespace kalder {

class Platform;

// Model of the scores panel: played, solved, drawn and not-solved counts for this session and
// in total. The totals live in an encoded one-line score file (in the working folder, or in the
// home folder it is given), rewritten after every counted result. Counters are numbered 1 Played, 2
// Solved, 3 Drawn (kept, never shown), 4 Not Solved; the label texts are the counters.
class ScoresBox {
  public:
    static constexpr int Width = 3810;
    static constexpr int Height = 2190;

    // The designed layout in twips; everything but the frame lies in it, placed relative to it.
    struct Place {
        int left, top, width, height;
    };
    struct Caption {
        const char* text;
        Place place;
        bool right_aligned;
    };
    static constexpr Place Frame1_Place{60, 60, 3675, 2055};
    // The column headings and the titles of the rows shown, white on black.
    static constexpr std::array<Caption, 5> Headings{
        {{" This Session", {1215, 240, 1275, 255}, false},
         {" Total", {2565, 240, 1005, 255}, false},
         {"Played ", {90, 540, 1005, 225}, true},
         {"Solved ", {90, 795, 1005, 255}, true},
         {"Not Solved ", {90, 1095, 1005, 255}, true}}};
    // The counters shown (Drawn is kept but never seen), each row's top and spoken name.
    static constexpr std::array<int, 3> ShownCounters{1, 2, 4};
    static constexpr std::array<int, 5> CounterTops{0, 540, 825, 3510, 1125};
    static constexpr std::array<const char*, 5> RowNames{"", "Played", "Solved", "Drawn",
                                                         "Not solved"};
    static constexpr int SessionLeft = 1215;
    static constexpr int TotalLeft = 2565;
    static constexpr int CounterWidth = 900;
    static constexpr int CounterHeight = 255;
    static constexpr Caption Command1_Caption{"Close", {780, 1560, 1095, 350}, false};
    static constexpr Caption Command2_Caption{"Clear", {1875, 1560, 1095, 350}, false};
    static inline const Font FrameFont{"Arial", 9, false, false};
    static inline const Font HeadingFont{"Arial", 9, true, false};
    static inline const Font CounterFont{"Courier New", 9.75, false, false};
    static inline const Font ButtonFont{"Arial", 8.25, false, false};

    explicit ScoresBox(Platform& platform);

    // Reads the score file, or makes a new one holding zeros. A file there that cannot be read
    // is left as it is for the whole session (the counts go on in memory) and is told once.
    void start();

    const std::string& session(int counter) const { return session_.at(counter); }
    const std::string& total(int counter) const { return total_.at(counter); }

    // Assigning any value counts one result of that kind.
    void set_WonSession(bool value);
    void set_LostSession(bool value);

    Colour BackColor() const { return back_colour_; }
    void set_BackColor(Colour colour) { back_colour_ = colour; }

    void ShowScoreLine(std::string line);
    void SaveScoreFile();

    // "Close" asks the host to hide the panel; "Clear" asks and sets every count to zero.
    void Command1_MouseUp(const MouseEvent& event);
    void Command2_MouseUp(const MouseEvent& event);

    // What a screen reader says of a shown counter: its row, its column and its value.
    std::string session_name(int counter) const;
    std::string total_name(int counter) const;

    std::string score_file_path() const;
    const std::string& frame_caption() const { return frame_caption_; }

    // The folder of the score file; when empty, the working folder at each read and write.
    std::string home_folder;
    bool Visible = false;
    int Left = 700;
    int Top = 650;
    std::function<void()> on_close;
    // Told once a session when the score file cannot be written; the counts go on in memory.
    std::function<void(const std::string& path)> on_write_failed;
    std::function<void(const std::string& path)> on_read_failed;

  private:
    void count(int counter);
    void write_plain_line(const std::string& plain);
    std::string today() const;

    Platform& platform_;
    std::array<std::string, 5> session_{"", "0", "0", "0", "0"};
    std::array<std::string, 5> total_{"", "0", "0", "0", "0"};
    Colour back_colour_ = 0;
    std::string frame_caption_;
    bool write_failure_told_ = false;
    bool file_left_alone_ = false;
};

}  // namespace kalder
