#include "solve_tool.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/game/position.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun solve_tool(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = tools::solve_command(args, in, out, err);
    return {status, out.str(), err.str()};
}

// Plays "g-r g-r ..." on the position: true when every move is legal and it ends solved.
bool plays_to_solved(Position p, const std::string& answer) {
    std::istringstream moves(answer);
    int giver = 0, receiver = 0;
    char dash = 0;
    while (moves >> giver >> dash >> receiver) {
        if (dash != '-' || !p.play({giver, receiver})) return false;
    }
    return p.solved();
}

// 1 2 1 / 2 2 2 / 3 3 2, all open.
Position sample_start() {
    Position p(3);
    const int values[] = {1, 2, 1, 2, 2, 2, 3, 3, 2};
    for (int k = 1; k <= 9; ++k) p.set_cell(k, values[k - 1], false);
    return p;
}

TEST(SolveTool, AnswersEachPositionOnItsOwnLineAndNamesBadLines) {
    const ToolRun run = solve_tool({},
                                   "3 1,2,1,2,2,2,3,3,2 -\r\n"
                                   "\n"
                                   "3 1,1,2,3,2,2,3,3,3 4,5,7,8,9\n"
                                   "3 1,2,1,2,2,2,3,3 -\n"
                                   "2 1,1,2,2 -\n"
                                   "3 1,2,1,2,2,2,3,3,2 0\n"
                                   "3 1,2,1,2,2,2,3,3,2 - 7\n"
                                   "3 1,2,1,2,x,2,3,3,2 -\n");
    EXPECT_EQ(run.status, 2);
    std::istringstream answers(run.out);
    std::string first, second, extra;
    std::getline(answers, first);
    std::getline(answers, second);
    EXPECT_TRUE(plays_to_solved(sample_start(), first)) << first;
    EXPECT_EQ(second, "none") << "two top-row 1s can only give to each other";
    EXPECT_FALSE(std::getline(answers, extra)) << "no answer for a bad line";
    for (const char* line : {"line 4:", "line 5:", "line 6:", "line 7:", "line 8:"}) {
        EXPECT_NE(run.err.find(line), std::string::npos) << line << " in " << run.err;
    }
    EXPECT_EQ(run.err.find("line 2:"), std::string::npos) << "a blank line is no position";
}

TEST(SolveTool, SolvesAPuzzleOfACollectionFromItsStart) {
    TempFolder folder;
    folder.write("c.kdr", "00001,3,121222332,020306010205040708\r\n");
    const ToolRun run = solve_tool({folder.file("c.kdr"), "1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(plays_to_solved(sample_start(), run.out)) << run.out;
    EXPECT_EQ(solve_tool({folder.file("c.kdr"), "2"}).status, 1);
    EXPECT_EQ(solve_tool({folder.file("c.kdr"), "0"}).status, 2);
}

}  // namespace
}  // namespace kalder::testing
