#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/app/form1.h"
#include "core/files/puzzle_line.h"
#include "fake_platform.h"
#include "temp_folder.h"
#include "xp_scheme_block.h"

namespace kalder::testing {

// The sample 3 x 3 puzzle: cells 1 2 1 / 2 2 2 / 3 3 2, receivers 2 3 6 1 2 5 4 7 8.
inline const std::string SampleBody = "121222332,020306010205040708";

inline std::string puzzle_line(int number, int size, const std::string& body) {
    return format_puzzle_line(number, size, body) + "\r\n";
}

// A collection line; the size follows from the cells (16 or more: 4 x 4, 25 or more: 5 x 5...).
inline std::string puzzle_line(const std::string& body, int number = 1) {
    const int cells = static_cast<int>(body.find(','));
    int size = 3;
    while ((size + 1) * (size + 1) <= cells) ++size;
    return puzzle_line(number, size, body);
}

// A main window model in a folder of its own, with a fake platform and a seeded generator.
class Form1Test : public ::testing::Test {
  protected:
    Form1Test();

    // Writes a configuration that names the collection and puzzle, so start-up shows them.
    void configure(const std::string& collection, int number);
    // A fresh model over the same folder and platform, started as a new session starts.
    void restart();
    // Form_Load, with a configuration naming `collection` when it is not empty.
    void load(const std::string& collection = "", int number = 1);
    // Writes `lines` (each already ended) as the collection `name`; returns its path.
    std::string collection(const std::vector<std::string>& lines,
                           const std::string& name = "c.kdr");
    // Puzzle n of `path` on the board; fails the test when it cannot be shown.
    void show(const std::string& path, int n = 1) { ASSERT_FALSE(form->ShowPuzzle(path, n)); }
    // The one-line collection of `body`, shown.
    void show_body(const std::string& body) { show(collection({puzzle_line(body)}, "one.kdr")); }

    // The cells' captions, a locked one marked with '*', a hidden one as '-': "2* 1 1 2 ...".
    std::string board() const;
    void click(int cell) { form->CellD_MouseUp(cell, MouseEvent{}); }
    void move(int from, int to) {
        click(from);
        click(to);
    }

    TempFolder folder;
    FakePlatform platform;
    Random random{12345};
    std::unique_ptr<Form1> form;
};

}  // namespace kalder::testing
