#include "ui/app/single_game.h"

#include <QLocalSocket>

namespace kalder::ui {

namespace {

// Long enough for a game busy in a long step to answer; a game that does not is told nothing.
constexpr int AnswerMilliseconds = 3000;

}  // namespace

SingleGame::SingleGame(const QString& runtime_folder)
    : lock_(runtime_folder + QStringLiteral("/kalder.lock")),
      socket_path_(runtime_folder + QStringLiteral("/kalder.socket")) {
    // Only a lock whose game has ended is stale, however long a game runs.
    lock_.setStaleLockTime(0);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* start = server_.nextPendingConnection()) {
            start->deleteLater();
            emit front_requested();
        }
    });
}

bool SingleGame::claim() {
    if (!lock_.tryLock(0)) {
        if (lock_.error() != QLockFile::LockFailedError) return true;
        QLocalSocket running;
        running.connectToServer(socket_path_);
        running.waitForConnected(AnswerMilliseconds);
        return false;
    }
    // A socket left by a game that ended without closing it.
    QLocalServer::removeServer(socket_path_);
    server_.listen(socket_path_);
    return true;
}

}  // namespace kalder::ui
