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

// Plays the first answer line "g-r g-r ..." on 1 2 1 / 2 2 2 / 3 3 2: true when every move
// is legal and the board ends solved.
bool solves_sample(const std::string& answers) {
    Position p(3);
    const int values[] = {1, 2, 1, 2, 2, 2, 3, 3, 2};
    for (int k = 1; k <= 9; ++k) p.set_cell(k, values[k - 1], false);
    std::istringstream moves(answers.substr(0, answers.find('\n')));
    int giver = 0, receiver = 0;
    char dash = 0;
    while (moves >> giver >> dash >> receiver) {
        if (dash != '-' || !p.play({giver, receiver})) return false;
    }
    return p.solved();
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
    EXPECT_TRUE(solves_sample(run.out)) << run.out;
    // Two top-row 1s could only give to each other; bad lines get no answer.
    EXPECT_EQ(run.out.substr(run.out.find('\n') + 1), "none\n");
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
    EXPECT_TRUE(solves_sample(run.out)) << run.out;
    EXPECT_EQ(solve_tool({folder.file("c.kdr"), "2"}).status, 1);
    EXPECT_EQ(solve_tool({folder.file("c.kdr"), "0"}).status, 2);
}

}  // namespace
}  // namespace kalder::testing
