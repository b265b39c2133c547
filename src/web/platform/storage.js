// The player's folder in the browser's storage (IndexedDB). It is read back while the game's
// code still loads and compiles, once this tab holds the game (Module.kalderHeld), and the game
// starts only when it is in place. Writing runs beside the game, one write at a time, and a
// write asked for while one runs follows it. Nothing here calls into the game: the game may be
// waiting for an event.
(function() {
    const storage = {folder: "/home/kalder/", busy: false, again: false, refused: "", told: false};
    const refuse = function(error) {
        if (!error || storage.refused) return;
        storage.refused = String(error.message || error);
        // The game hears of it at once, not only at the player's next move.
        Module["kalderPage"].post("platform", "storage", "refused");
    };
    // The browser's storage may also refuse by throwing; either way done is called once.
    const sync = function(populate, done) {
        let called = false;
        const once = function(error) {
            if (called) return;
            called = true;
            done(error);
        };
        try {
            FS.syncfs(populate, once);
        } catch (error) {
            once(error);
        }
    };
    storage.keep = function() {
        if (storage.busy) {
            storage.again = true;
            return;
        }
        storage.busy = true;
        sync(false, function(error) {
            storage.busy = false;
            refuse(error);
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
    Module["kalderStorage"] = storage;
    // The game's code compiles meanwhile; if it is ready first, the start waits for the files.
    let readBack = false;
    let starting = false;
    Module["preRun"] = [].concat(Module["preRun"] || [], function() {
        if (readBack) return;
        starting = true;
        addRunDependency("kalder-player-folder");
    });
    // A turn later at the least, once the file system is made.
    Promise.resolve(Module["kalderHeld"]).then(function() {
        FS.mkdirTree(storage.folder);
        FS.mount(IDBFS, {}, storage.folder);
        sync(true, function(error) {
            refuse(error);
            readBack = true;
            if (starting) removeRunDependency("kalder-player-folder");
        });
    });
})();
