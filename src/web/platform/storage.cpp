#include "web/platform/storage.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <cstdlib>

namespace kalder::web::storage {

namespace {

// (JavaScript, which clang-format would take for C++.)
// clang-format off
EM_JS(char*, player_folder, (), {
    return allocateUTF8(Module.kalderStorage.folder);
});

EM_JS(void, sync_user_folder, (), {
    Module.kalderStorage.keep();
});

EM_JS(char*, take_refusal, (), {
    const storage = Module.kalderStorage;
    if (!storage.refused || storage.told) return 0;
    storage.told = true;
    return allocateUTF8(storage.refused);
});
// clang-format on

// A text the page made for the game, handed over and freed.
std::string taken(char* const text) {
    if (text == nullptr) return {};
    const std::string copy(text);
    std::free(text);
    return copy;
}

}  // namespace

std::string user_folder() {
    static const std::string folder = taken(player_folder());
    return folder;
}

void protect_program_folder() {
    chmod(ProgramFolder, 0555);
}

void keep() {
    sync_user_folder();
}

std::string refusal() {
    return taken(take_refusal());
}

}  // namespace kalder::web::storage
