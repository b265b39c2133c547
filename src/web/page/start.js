// What is slow to come while a page starts begins here, before anything else loads, for this
// runs in the start page itself. The tab asks to hold the game and opens the browser's storage;
// once it holds the game, the player's folder is read back; and the game's code compiles while
// the page's scripts still load. The page takes all of it: the tab lock the first answer (a
// release while this tab holds the game, null while another does), the game the folder, the
// code and whether it may start before its folder is read.
(() => {
    // Where and how the game's file system keeps the folder in IndexedDB; the game checks these
    // against its own before it takes what was read.
    const Kept = { name: "/home/kalder", version: 21, store: "FILE_DATA" };

    // The database laid out as the game's file system lays it out, made on a first visit.
    function openFolder(kept) {
        return new Promise((done, refuse) => {
            const open = indexedDB.open(kept.name, kept.version);
            open.onupgradeneeded = () => {
                const names = open.result.objectStoreNames;
                const store = names.contains(kept.store) ?
                    open.transaction.objectStore(kept.store) :
                    open.result.createObjectStore(kept.store);
                if (!store.indexNames.contains("timestamp"))
                    store.createIndex("timestamp", "timestamp", { unique: false });
            };
            open.onerror = (event) => {
                event.preventDefault();
                refuse(open.error);
            };
            open.onsuccess = () => done(open.result);
        });
    }

    // Opening reads nothing, so it need not wait until this tab holds the game; on a first
    // visit the browser takes a while to make the database.
    const opened = openFolder(Kept);
    opened.catch(() => {});

    // The folder as paths and entries, with the open database the game goes on writing to, or
    // the error the browser gave: the game says what was refused.
    function readFolder(kept = Kept) {
        const database = kept === Kept ? opened : openFolder(kept);
        return database.then((db) => new Promise((done, refuse) => {
            const transaction = db.transaction([kept.store], "readonly");
            const store = transaction.objectStore(kept.store);
            const paths = store.getAllKeys();
            const entries = store.getAll();
            transaction.onerror = (event) => {
                event.preventDefault();
                refuse(transaction.error);
            };
            transaction.onabort = () => refuse(transaction.error);
            transaction.oncomplete = () =>
                done({ ...kept, db, paths: paths.result, entries: entries.result });
        })).catch((error) => ({ ...kept, error: error || new Error("IndexedDB") }));
    }

    // A browser that never kept the game's files need not wait for them: the game starts at once
    // with its folder empty, and writes only once the folder, read back, is empty indeed (else
    // the page starts again from what was kept). The mark is left first, so this happens once.
    const Visited = "kalder.visited";
    let fresh = false;
    try {
        fresh = localStorage.getItem(Visited) === null;
        if (fresh) localStorage.setItem(Visited, "1");
    } catch {
        fresh = false;
    }

    const start = { lockName: "kalder-game", firstAnswer: null, folder: null, readFolder, fresh };
    if (navigator.locks && "BroadcastChannel" in globalThis) {
        start.firstAnswer = new Promise((answer) => {
            navigator.locks.request(start.lockName, { ifAvailable: true }, (lock) => {
                if (!lock) return answer(null);
                start.folder = readFolder();
                return new Promise((release) => answer(release));
            });
        });
    }
    // A server that does not name the code application/wasm fails this; the game then compiles
    // it from its bytes.
    start.code = "compileStreaming" in WebAssembly ?
        WebAssembly.compileStreaming(fetch("kalder.wasm")) :
        Promise.reject(new Error("no streaming compile"));
    start.code.catch(() => {});
    globalThis.kalderStart = start;
})();
