#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace kalder::ui {

// One game per user: the first to start holds a lock in the user's runtime folder and listens
// there; a later start asks it to come to the front and ends, so two games never write the
// same files.
class SingleGame : public QObject {
    Q_OBJECT

  public:
    explicit SingleGame(const QString& runtime_folder);

    // True when no other game runs (or none can be told apart, as where the folder takes no
    // lock); false once the running game has been asked to the front.
    bool claim();

  signals:
    // Another start asked this game to the front.
    void front_requested();

  private:
    QLockFile lock_;
    QLocalServer server_;
    QString socket_path_;
};

}  // namespace kalder::ui
