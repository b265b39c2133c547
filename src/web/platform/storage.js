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
    // The folder as kept, read back in two requests, not in one request a file as the file
    // system's own populate makes them: the start waits for it. Keys come in ascending order,
    // so a folder is made before the files in it.
    const readBack = function(mountpoint, done) {
        IDBFS.getDB(mountpoint, function(error, db) {
            if (error) return done(error);
            let transaction, paths, entries;
            try {
                transaction = db.transaction([IDBFS.DB_STORE_NAME], "readonly");
                const store = transaction.objectStore(IDBFS.DB_STORE_NAME);
                paths = store.getAllKeys();
                entries = store.getAll();
            } catch (refused) {
                return done(refused);
            }
            transaction.onerror = function(event) {
                event.preventDefault();
                done(transaction.error);
            };
            transaction.oncomplete = function() {
                let failed = null;
                for (let k = 0; k < paths.result.length && !failed; ++k) {
                    IDBFS.storeLocalEntry(paths.result[k], entries.result[k], function(error) {
                        failed = error;
                    });
                }
                done(failed);
            };
        });
    };
    storage.keep = function() {
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
    // The game's code compiles meanwhile; if it is ready first, the start waits for the files.
    let read = false;
    let starting = false;
    Module["preRun"] = [].concat(Module["preRun"] || [], function() {
        if (read) return;
        starting = true;
        addRunDependency("kalder-player-folder");
    });
    // A turn later at the least, once the file system is made.
    Promise.resolve(Module["kalderHeld"]).then(function() {
        FS.mkdirTree(storage.folder);
        const root = FS.mount(IDBFS, {}, storage.folder);
        guarded(function(done) {
            readBack(root.mount.mountpoint, done);
        }, function(error) {
            refuse(error);
            // What could not be read back is never written over: writing an empty folder would
            // delete the player's files from the browser's storage.
            if (error) storage.keep = function() {};
            read = true;
            if (starting) removeRunDependency("kalder-player-folder");
        });
    });
})();
