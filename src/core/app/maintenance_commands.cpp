#include "core/app/form1.h"
#include "core/files/batch_tools.h"

namespace kalder {

// The maintenance commands close with the system's plain message box, under the program's name.
BatchReport Form1::batch_report() {
    const auto tell = [this](const std::string& text) {
        platform_.system_message_box(text, "Kalder", "vbokonly");
    };
    return BatchReport{tell, tell};
}

// The puzzle in play stays as it is: the puzzles are made apart from the board.
void Form1::Command1_Click() {
    const std::string out = ProgramFolder + "random2.kdr";
    platform_.set_busy_pointer(true);
    const auto progress = [this, &out](int i, int size) {
        Caption = std::to_string(i) + std::to_string(size) + " " + out;
        platform_.process_events();
    };
    multi_create(out, MultiCreateCount, random_, progress, batch_report());
    platform_.set_busy_pointer(false);
}

void Form1::Command3_Click() {
    remove_repeated_numbers(platform_.working_folder(), random_, batch_report());
}

void Form1::Command5_Click() {
    shuffle_collection(CollectionPath, batch_output_name(CollectionPath, "-x.kdr"), random_,
                       batch_report());
}

void Form1::Command7_Click() {
    shuffle_collection(CollectionPath, batch_output_name(CollectionPath, "-r.kdr"), random_,
                       batch_report());
}

}  // namespace kalder
