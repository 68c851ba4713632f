// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <memory>

namespace lxp {

// One copy of the program at a time for each user. The first copy holds a lock file in
// the user's runtime folder and listens on a local socket beside it; a later start
// finds the lock held, asks the running copy over the socket to bring its window to the
// front and ends. A lock left behind by a copy that was killed is stale and is taken
// over. Where the runtime folder cannot hold the lock, every start runs on its own.
class SingleInstance {
public:
    // `id`: the program's desktop id, which names the lock and the socket.
    explicit SingleInstance(const QString& id);
    ~SingleInstance();

    // True when this process is the one copy (it keeps the lock and answers later
    // starts until it ends); false when another copy runs and has been asked to come
    // to the front (this process should end).
    bool claim();

private:
    void raiseProgramWindow();

    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace lxp
