#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

#include "core/base/atomic_file.h"
#include "core/files/batch_tools.h"
#include "core/files/collection_file.h"
#include "core/files/config_file.h"
#include "form1_fixture.h"

// Every writer of the game and its tools, killed at each point of its write, leaves the old file
// or the new one whole, and the next start clears what it left beside it.
namespace kalder::testing {
namespace {

namespace fs = std::filesystem;

WritePoint kill_point;

// Runs `write` in a child process, killed at `point` when it gets there; true when it was.
bool killed(std::optional<WritePoint> point, const std::function<void()>& write) {
    const pid_t child = fork();
    if (child == 0) {
        if (point) {
            kill_point = *point;
            at_write_point = [](WritePoint reached) {
                if (reached == kill_point) raise(SIGKILL);
            };
        }
        write();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

class KilledWrite;

struct Writer {
    const char* name;
    const char* file;  // the file it writes
    bool appends;      // in one write, no temporary file: it passes only Opened and Written
    void (*write)(KilledWrite&);
};

const BatchReport quiet{[](const std::string&) {}, [](const std::string&) {}};

// The game over a collection of four puzzles and a store of two schemes, one move played, and
// the batch tools' files already there, so that each writer replaces a file or appends to it.
class KilledWrite : public Form1Test,
                    public ::testing::WithParamInterface<std::tuple<Writer, WritePoint>> {
  public:
    KilledWrite() {
        std::string plain = "plain.col\r\n";
        for (int slot = 0; slot < 13; ++slot) plain += " 10; 20; 30\r\n";
        folder.write("all.col", XpSchemeBlock + plain);
        std::string lines;
        for (int n = 1; n <= 4; ++n)
            lines += puzzle_line(
                n, 3, SampleBody.substr(0, 8) + std::to_string(n) + SampleBody.substr(9));
        for (const char* name : {"c.kdr", "m.kdr", "s.kdr", "r3.kdr", "r4.kdr"})
            folder.write(name, lines);
        load(folder.file("c.kdr"), 2);
        move(5, 2);
        form->Score1.set_WonSession(true);
    }
    void select_plain() {
        form->form2.ListIndex = 1;
        ASSERT_EQ(form->form2.List1.at(1), "plain");
    }
    using Form1Test::folder;
    using Form1Test::form;
    using Form1Test::move;
    using Form1Test::platform;
    using Form1Test::random;
};

const Writer writers[] = {
    {"Configuration", "kalder.cfg", false,
     [](KilledWrite& t) {
         write_config_file(t.folder.slash(), Config{"plain.col", "other.kdr", 7},
                           t.platform.local_time());
     }},
    {"ScoreFile", "kalder.sco", false,
     [](KilledWrite& t) { t.form->Score1.set_WonSession(false); }},
    {"KeptPlace", "kalder.kpl", false, [](KilledWrite& t) { t.move(2, 3); }},
    {"SchemeAdd", "all.col", false,
     [](KilledWrite& t) {
         t.platform.input_answers = {"fresh"};
         t.form->form2.AddSch.release(MouseEvent{});
     }},
    {"SchemeReplace", "all.col", false,
     [](KilledWrite& t) {
         t.select_plain();
         t.form->form2.ColourTable[2] = RGB(1, 2, 3);
         t.platform.system_answers = {6};
         t.form->form2.RepSch.release(MouseEvent{});
     }},
    {"SchemeDelete", "all.col", false,
     [](KilledWrite& t) {
         t.select_plain();
         t.platform.system_answers = {6};
         t.form->form2.DelSch.release(MouseEvent{});
     }},
    {"Delete", "c.kdr", false,
     [](KilledWrite& t) {
         t.platform.message_answers = {6};
         t.form->mnudelete_Click();
     }},
    {"Append", "c.kdr", true,
     [](KilledWrite& t) { AppendPuzzle(t.folder.file("c.kdr"), 3, SampleBody); }},
    {"MultiCreate", "m.kdr", false,
     [](KilledWrite& t) { multi_create(t.folder.file("m.kdr"), 2, t.random, {}, quiet); }},
    {"Shuffle", "s.kdr", false,
     [](KilledWrite& t) {
         shuffle_collection(t.folder.file("c.kdr"), t.folder.file("s.kdr"), t.random, quiet);
     }},
    {"RemoveRepeatedNumbers", "r4.kdr", false,
     [](KilledWrite& t) {
         t.folder.write("r3.kdr", puzzle_line(1, 3, SampleBody) + puzzle_line(1, 3, SampleBody));
         remove_repeated_numbers(t.folder.slash(), t.random, quiet);
     }},
};

// The file is the new one from the point on where it is in place: a rewrite's rename, an
// append's one write. A point the writer does not pass must not be reached.
TEST_P(KilledWrite, LeavesTheOldOrTheNewFileWholeAndItsLeftoverIsClearedAtTheNextStart) {
    const Writer& writer = std::get<0>(GetParam());
    const WritePoint point = std::get<1>(GetParam());
    const std::string old = folder.read(writer.file);
    const auto write = [&] { writer.write(*this); };
    ASSERT_FALSE(killed(std::nullopt, write));
    const std::string written = folder.read(writer.file);
    ASSERT_NE(written, old);
    folder.write(writer.file, old);
    const bool passed =
        !writer.appends || point == WritePoint::Opened || point == WritePoint::Written;
    ASSERT_EQ(killed(point, write), passed);
    const WritePoint in_place = writer.appends ? WritePoint::Written : WritePoint::Renamed;
    EXPECT_EQ(folder.read(writer.file), !passed || point >= in_place ? written : old);
    const auto leftovers = [&] {
        return std::count_if(
            fs::directory_iterator(folder.path()), fs::directory_iterator(), [](const auto& entry) {
                return entry.path().filename().string().find(".new-") != std::string::npos;
            });
    };
    EXPECT_EQ(leftovers(), writer.appends || point == in_place ? 0 : 1);
    restart();
    EXPECT_EQ(leftovers(), 0);
}

std::string point_name(WritePoint point) {
    constexpr const char* names[] = {"Opened", "HalfWritten", "Written", "Renamed"};
    return names[static_cast<int>(point)];
}

INSTANTIATE_TEST_SUITE_P(
    EachWriterAtEachPoint, KilledWrite,
    ::testing::Combine(::testing::ValuesIn(writers),
                       ::testing::Values(WritePoint::Opened, WritePoint::HalfWritten,
                                         WritePoint::Written, WritePoint::Renamed)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + point_name(std::get<1>(info.param));
    });

}  // namespace
}  // namespace kalder::testing
