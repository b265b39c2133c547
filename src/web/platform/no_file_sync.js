// The player's folder is written to the browser's storage whole, in one transaction, after every
// handler. A file's own fsync would otherwise write the whole folder out mid-handler, half-made
// files included, and keep the game waiting for the browser's storage on every move.
mergeInto(LibraryManager.library, {
    fd_sync: function(fd) {
        return FS.getStream(fd) ? 0 : 8;  // EBADF
    },
});
