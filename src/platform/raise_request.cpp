#include "raise_request.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zupel {
namespace {

constexpr char kSocketName[] = "zupel.socket";

// The save folder held open: its socket is named through it, /proc/self/fd/N/zupel.socket, which
// fits a socket's address however long the folder's own path is.
int openFolder(const std::filesystem::path& saveFolder) {
    return ::open(saveFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

sockaddr_un socketAddress(int folder) {
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "/proc/self/fd/%d/%s", folder,
                  kSocketName);
    return address;
}

bool bindIn(int socket, int folder) {
    const sockaddr_un address = socketAddress(folder);
    return ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

// Listens at the socket this copy made, and takes that socket, and only that, away at the end.
class SocketListener final : public QObject {
public:
    SocketListener(int folder, int socket, const struct stat& made,
                   std::function<void()> bringForward)
        : folder_(folder), socket_(socket), made_(made), watch_(socket, QSocketNotifier::Read) {
        connect(&watch_, &QSocketNotifier::activated,
                [this, bringForward = std::move(bringForward)] {
                    while (true) {
                        const int caller = ::accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC);
                        if (caller < 0) break;
                        ::close(caller);
                        bringForward();
                    }
                });
    }
    ~SocketListener() override {
        struct stat now = {};
        if (::fstatat(folder_, kSocketName, &now, AT_SYMLINK_NOFOLLOW) == 0 &&
            now.st_dev == made_.st_dev && now.st_ino == made_.st_ino) {
            ::unlinkat(folder_, kSocketName, 0);
        }
        ::close(socket_);
        ::close(folder_);
    }

private:
    int folder_;
    int socket_;
    struct stat made_;
    QSocketNotifier watch_;
};

// Makes the socket in the save folder and listens there; why not, or "" when it listens.
std::string listenIn(int folder, int socket, struct stat& made) {
    if (!bindIn(socket, folder)) {
        if (errno != EADDRINUSE) return std::strerror(errno);
        // This copy holds the slime's lock, so a socket left there by a copy that ended without
        // taking it away is nobody's. Anything else is not the game's to remove.
        struct stat there = {};
        if (::fstatat(folder, kSocketName, &there, AT_SYMLINK_NOFOLLOW) != 0) {
            return std::strerror(errno);
        }
        if (!S_ISSOCK(there.st_mode)) return "it is not the game's socket, and is left as it is";
        if (::unlinkat(folder, kSocketName, 0) != 0 || !bindIn(socket, folder)) {
            return std::strerror(errno);
        }
    }
    if (::fstatat(folder, kSocketName, &made, AT_SYMLINK_NOFOLLOW) != 0 ||
        ::listen(socket, 8) != 0) {
        const std::string why = std::strerror(errno);
        ::unlinkat(folder, kSocketName, 0);
        return why;
    }
    return {};
}

}  // namespace

RaiseListener::RaiseListener(const std::filesystem::path& saveFolder,
                             std::function<void()> bringForward) {
    const int folder = openFolder(saveFolder);
    const int socket =
        folder < 0 ? -1 : ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    struct stat made = {};
    const std::string why = socket < 0 ? std::strerror(errno) : listenIn(folder, socket, made);
    if (why.empty()) {
        listener_ = std::make_unique<SocketListener>(folder, socket, made, std::move(bringForward));
        return;
    }
    // Without the socket the game still runs; a second start then only ends, as it always did.
    std::fprintf(stderr, "zupel: a second start cannot bring this window forward: %s: %s\n",
                 (saveFolder / kSocketName).c_str(), why.c_str());
    if (socket >= 0) ::close(socket);
    if (folder >= 0) ::close(folder);
}

bool askRunningCopyToRaise(const std::filesystem::path& saveFolder) {
    const int folder = openFolder(saveFolder);
    if (folder < 0) return false;
    // Never waits: a copy too busy to take the call is left as it is.
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const sockaddr_un address = socketAddress(folder);
    const bool answered =
        socket >= 0 &&
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socket >= 0) ::close(socket);
    ::close(folder);
    return answered;
}

}  // namespace zupel
