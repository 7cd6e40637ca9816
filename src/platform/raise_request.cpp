#include "raise_request.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace zupel {
namespace {

QString socketName(const std::filesystem::path& saveFolder) {
    const QByteArray key = QCryptographicHash::hash(QByteArray::fromStdString(saveFolder.string()),
                                                    QCryptographicHash::Sha1)
                               .toHex()
                               .left(16);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString name = "zupel-" + QString::fromLatin1(key);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

}  // namespace

RaiseListener::RaiseListener(const std::filesystem::path& saveFolder,
                             std::function<void()> bringForward) {
    const QString name = socketName(saveFolder);
    // This copy holds the lock, so a socket left by a copy that crashed is nobody's.
    QLocalServer::removeServer(name);
    auto* server = new QLocalServer;
    listener_.reset(server);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server, &QLocalServer::newConnection, [server, bringForward] {
        while (QLocalSocket* caller = server->nextPendingConnection()) {
            caller->disconnectFromServer();
            caller->deleteLater();
            bringForward();
        }
    });
    // Without the socket the game still runs; a second start then only ends, as it always did.
    if (!server->listen(name)) {
        qWarning("zupel: a second start cannot bring this window forward: %s",
                 qPrintable(server->errorString()));
    }
}

bool askRunningCopyToRaise(const std::filesystem::path& saveFolder) {
    QLocalSocket socket;
    socket.connectToServer(socketName(saveFolder));
    if (!socket.waitForConnected(1000)) return false;
    socket.disconnectFromServer();
    return true;
}

}  // namespace zupel
