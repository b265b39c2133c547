#include "form1_fixture.h"

#include <functional>

namespace kalder::testing {

Form1Test::Form1Test() {
    platform.folder = folder.slash();
    platform.working = folder.slash();
    form = std::make_unique<Form1>(platform, random);
}

void Form1Test::configure(const std::string& collection, int number) {
    folder.write("kalder.cfg", "12-05-2026 14:02:31\r\nxp.col\r\n" + collection + "\r\n " +
                                   std::to_string(number) + " \r\n");
}

void Form1Test::restart() {
    form = std::make_unique<Form1>(platform, random);
    form->Form_Load();
}

void Form1Test::load(const std::string& collection, int number) {
    if (!collection.empty()) configure(collection, number);
    form->Form_Load();
}

std::string Form1Test::collection(const std::vector<std::string>& lines, const std::string& name) {
    std::string text;
    for (const std::string& line : lines) text += line;
    folder.write(name, text);
    return folder.file(name);
}

std::string Form1Test::board() const {
    std::string text;
    for (int k = 1; k <= form->board.CellCount; ++k) {
        const CellLabel& cell = form->CellD[k];
        EXPECT_TRUE(cell.Visible || cell.Caption.empty()) << "hidden cell " << k;
        text += (k > 1 ? " " : "") + (cell.Visible ? cell.Caption : "-") +
                (form->board.locked(k) ? "*" : "");
    }
    return text;
}

std::vector<std::string> Form1Test::captions() const {
    std::vector<std::string> result;
    for (int k = 1; k <= form->board.CellCount; ++k) result.push_back(form->CellD[k].Caption);
    return result;
}

std::vector<bool> Form1Test::locks() const {
    std::vector<bool> result;
    for (int k = 1; k <= form->board.CellCount; ++k) result.push_back(form->board.locked(k));
    return result;
}

std::vector<std::pair<int, int>> Form1Test::playable_solution() const {
    const std::string moves = form->PuzzleBody.substr(form->PuzzleBody.find(',') + 1);
    const int count = form->board.CellCount;
    std::vector<int> values;
    for (int k = 1; k <= count; ++k) values.push_back(std::stoi(form->CellD[k].Caption));
    std::vector<bool> done(count, false);
    std::vector<std::pair<int, int>> order;
    const std::function<bool()> search = [&]() -> bool {
        if (static_cast<int>(order.size()) == count) return true;
        for (int k = 1; k <= count; ++k) {
            const int giver = std::stoi(moves.substr(2 * (k - 1), 2));
            if (done[k - 1] || values[giver - 1] < 2) continue;
            done[k - 1] = true;
            --values[giver - 1];
            ++values[k - 1];
            order.emplace_back(giver, k);
            if (search()) return true;
            order.pop_back();
            ++values[giver - 1];
            --values[k - 1];
            done[k - 1] = false;
        }
        return false;
    };
    search();
    return order;
}

void Form1Test::solve_by_clicks() {
    const auto order = playable_solution();
    ASSERT_EQ(order.size(), static_cast<std::size_t>(form->board.CellCount));
    for (const auto& [giver, receiver] : order) move(giver, receiver);
}

}  // namespace kalder::testing
