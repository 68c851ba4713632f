// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include "core/log.h"
#include "ui/window.h"

#include <QApplication>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace lxp {

namespace {

constexpr QByteArrayView kRaiseRequest = "raise\n";

// How long a later start keeps trying to reach a copy that holds the lock but is not
// listening yet (it may be starting at this very moment).
constexpr int kConnectAttempts = 25;
constexpr int kConnectPauseMs = 200;

} // namespace

SingleInstance::SingleInstance(const QString& id)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return;
    m_lockPath = QDir(runtime).filePath(id + QStringLiteral(".lock"));
    m_socketPath = QDir(runtime).filePath(id + QStringLiteral(".socket"));
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    if (m_lockPath.isEmpty())
        return true;
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // A lock whose process is gone counts as stale at once (QLockFile checks the
    // process id and name recorded in the file); a live holder keeps its lock.
    if (m_lock->tryLock(0)) {
        // A socket left by a killed copy would refuse the name: it is ours now.
        QLocalServer::removeServer(m_socketPath);
        m_server = std::make_unique<QLocalServer>();
        QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
            while (QLocalSocket* peer = m_server->nextPendingConnection()) {
                QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
                QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
                    if (peer->readAll().contains(kRaiseRequest.data())) {
                        qCDebug(lxpLog) << "a second start: bringing the window to the front";
                        raiseProgramWindow();
                    }
                });
            }
        });
        if (!m_server->listen(m_socketPath))
            qCWarning(lxpLog) << "cannot listen on" << m_socketPath << m_server->errorString();
        return true;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        // The runtime folder cannot hold a lock: run without one.
        qCWarning(lxpLog) << "cannot lock" << m_lockPath << "- starting anyway";
        m_lock.reset();
        return true;
    }

    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(1000)) {
            socket.write(kRaiseRequest.data(), kRaiseRequest.size());
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            qCDebug(lxpLog) << "already running: asked the running copy to come to the front";
            return false;
        }
        QThread::msleep(kConnectPauseMs);
    }
    // The lock is held by a live copy that does not answer; starting a second copy
    // would undo the first one's choices, so this start ends all the same.
    qCWarning(lxpLog) << "already running, but the running copy does not answer";
    return false;
}

void SingleInstance::raiseProgramWindow()
{
    Window* frame = windows().find(QLatin1String(kMainWindowName));
    QWidget* screen = frame ? frame->screen() : nullptr;
    if (!screen)
        return;
    if (screen->isMinimized())
        screen->showNormal();
    screen->raise();
    screen->activateWindow();
    // A dialog open above the main window stays above it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

} // namespace lxp
