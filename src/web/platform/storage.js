// The player's folder in the browser's storage (IndexedDB). The page reads it back while the
// game's code still loads and compiles, once this tab holds the game (Module.kalderFolder), and
// the game starts only when it is in place, unless the browser never kept it. Writing runs
// beside the game, one write at a time, and a write asked for while one runs follows it.
// Nothing here calls into the game: the game may be waiting for an event.
(function() {
    const storage = {folder: "/home/kalder/", placed: false, asked: false, busy: false,
                     again: false, refused: "", told: false};
    const refuse = function(error) {
        if (!error || storage.refused) return;
        storage.refused = String(error.message || error);
        // The game hears of it at once, not only at the player's next move.
        Module["kalderPage"].post("platform", "storage", "refused");
    };
    // The browser's storage may also refuse by throwing; either way done is called once.
    const guarded = function(start, done) {
        let called = false;
        const once = function(error) {
            if (called) return;
            called = true;
            done(error);
        };
        try {
            start(once);
        } catch (error) {
            once(error);
        }
    };
    // The folder as the page read it back (Module.kalderFolder), in two requests, not in one
    // request a file as the file system's own populate makes them, into the mounted folder. Keys
    // come in ascending order, so a folder is made before the files in it. A read made for
    // another layout of the database than this file system's is made again for this one.
    const placeBack = function(mountpoint, kept, done) {
        if (kept.name !== mountpoint || kept.version !== IDBFS.DB_VERSION ||
            kept.store !== IDBFS.DB_STORE_NAME) {
            if (kept.db) kept.db.close();
            Module["kalderReadFolder"]({name: mountpoint, version: IDBFS.DB_VERSION,
                                        store: IDBFS.DB_STORE_NAME}).then(function(again) {
                guarded(function(placed) {
                    placeBack(mountpoint, again, placed);
                }, done);
            });
            return;
        }
        if (kept.error) return done(kept.error);
        IDBFS.dbs[mountpoint] = kept.db;
        // A game that started before its folder was read cannot take what was kept: the page
        // starts again, and nothing is written meanwhile.
        if (Module["kalderFresh"] && kept.paths.length > 0) return location.reload();
        let failed = null;
        for (let k = 0; k < kept.paths.length && !failed; ++k) {
            IDBFS.storeLocalEntry(kept.paths[k], kept.entries[k], function(error) {
                failed = error;
            });
        }
        done(failed);
    };
    // Nothing is written before the folder is back in place; what the game asks to keep
    // meanwhile is kept then.
    storage.keep = function() {
        if (!storage.placed) {
            storage.asked = true;
            return;
        }
        if (storage.busy) {
            storage.again = true;
            return;
        }
        storage.busy = true;
        guarded(function(done) {
            FS.syncfs(false, done);
        }, function(error) {
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
    // The files go in once the game's memory is there, before the game starts, which waits for
    // them if they are still being read; a fresh game (Module.kalderFresh) does not wait.
    Module["preRun"] = [].concat(Module["preRun"] || [], function() {
        FS.mkdirTree(storage.folder);
        const root = FS.mount(IDBFS, {}, storage.folder);
        const fresh = Module["kalderFresh"];
        if (!fresh) addRunDependency("kalder-player-folder");
        Promise.resolve(Module["kalderFolder"]).then(function(kept) {
            guarded(function(done) {
                placeBack(root.mount.mountpoint, kept, done);
            }, function(error) {
                refuse(error);
                // What could not be read back is never written over: writing an empty folder
                // would delete the player's files from the browser's storage.
                if (error) {
                    storage.keep = function() {};
                } else {
                    storage.placed = true;
                    if (storage.asked) storage.keep();
                }
                if (!fresh) removeRunDependency("kalder-player-folder");
            });
        });
    });
})();
