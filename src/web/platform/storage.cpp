#include "web/platform/storage.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <cstdlib>

namespace kalder::web::storage {

namespace {

// Reading back waits; writing runs beside the game, one write at a time, and a write asked for
// while one runs follows it. The page never calls into the game from here: the game may be
// waiting for an event. (JavaScript, which clang-format would take for C++.)
// clang-format off
EM_ASYNC_JS(void, mount_user_folder, (const char* folder), {
    const path = UTF8ToString(folder);
    FS.mkdirTree(path);
    FS.mount(IDBFS, {}, path);
    const storage = {busy: false, again: false, refused: "", told: false};
    storage.keep = function() {
        if (storage.busy) {
            storage.again = true;
            return;
        }
        storage.busy = true;
        FS.syncfs(false, function(error) {
            storage.busy = false;
            if (error && !storage.refused) storage.refused = String(error.message || error);
            if (storage.again) {
                storage.again = false;
                storage.keep();
            }
            if (!storage.busy && storage.stopped) storage.stopped();
        });
    };
    // Another tab takes the game over: nothing more is written here, and the promise keeps its
    // word once the last write is done.
    storage.stop = function() {
        storage.keep = function() {};
        return new Promise(function(done) {
            if (!storage.busy) done();
            else storage.stopped = done;
        });
    };
    Module.kalderStorage = storage;
    await new Promise(function(done) {
        FS.syncfs(true, function(error) {
            if (error) storage.refused = String(error.message || error);
            done();
        });
    });
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

}  // namespace

void open() {
    mount_user_folder(UserFolder);
    chmod(ProgramFolder, 0555);
}

void keep() {
    sync_user_folder();
}

std::string refusal() {
    char* const reason = take_refusal();
    if (reason == nullptr) return {};
    const std::string text(reason);
    std::free(reason);
    return text;
}

}  // namespace kalder::web::storage
