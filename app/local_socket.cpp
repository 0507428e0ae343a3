// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/local_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

namespace kelvaro {
namespace {

constexpr int kBacklog = 16;

// The address of the socket at `socket`; nothing when the path does not fit a socket's name.
std::optional<sockaddr_un> addressOf(const std::filesystem::path& socket) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& name = socket.native();
    if (name.empty() || name.size() >= sizeof(address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, name.data(), name.size());
    return address;
}

// Waits until `fd` is ready for `events` or `deadline` passes; false on the deadline.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    pollfd watched = {fd, events, 0};
    int ready = 0;
    do {
        const auto left = std::clamp<qint64>(deadline.remainingTime(), 0, 60'000);
        ready = ::poll(&watched, 1, static_cast<int>(left));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// A socket bound at `address` (in a folder of the user's own, so that nobody else can reach it
// before it is made user-only) and listening; -1 on failure.
int bindPrivately(const sockaddr_un& address) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, kBacklog) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

int listenUserOnly(const std::filesystem::path& socket) {
    const auto target = addressOf(socket);
    std::string folder = socket.native() + ".XXXXXX";
    if (!target || !::mkdtemp(folder.data()))
        return -1;
    const std::filesystem::path privateSocket = std::filesystem::path(folder) / "s";
    const auto address = addressOf(privateSocket);
    int fd = address ? bindPrivately(*address) : -1;
    ::unlink(socket.c_str());
    if (fd >= 0 && ::rename(privateSocket.c_str(), socket.c_str()) != 0) {
        ::close(fd);
        fd = -1;
    }
    ::unlink(privateSocket.c_str());
    ::rmdir(folder.c_str());
    return fd;
}

int acceptConnection(int listener) {
    return ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
}

int connectTo(const std::filesystem::path& socket, const QDeadlineTimer& deadline) {
    const auto address = addressOf(socket);
    const int fd = address ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0) : -1;
    if (fd < 0)
        return -1;
    const auto left = std::max<qint64>(deadline.remainingTime(), 1);
    const timeval wait = {static_cast<time_t>(left / 1000),
                          static_cast<suseconds_t>(left % 1000 * 1000)};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof(wait));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool sendAll(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        if (!waitFor(fd, POLLOUT, deadline))
            return false;
        const auto part =
            ::send(fd, bytes.constData() + sent, static_cast<std::size_t>(bytes.size() - sent),
                   MSG_NOSIGNAL | MSG_DONTWAIT);
        if (part < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        sent += std::max<qsizetype>(part, 0);
    }
    return true;
}

QByteArray receive(int fd, qsizetype count, const QDeadlineTimer& deadline) {
    QByteArray bytes;
    while (bytes.size() < count && waitFor(fd, POLLIN, deadline)) {
        bool closed = false;
        bytes += receiveWaiting(fd, count - bytes.size(), closed);
        if (closed)
            break;
    }
    return bytes;
}

QByteArray receiveWaiting(int fd, qsizetype limit, bool& closed) {
    QByteArray bytes(limit, Qt::Uninitialized);
    const auto got = ::recv(fd, bytes.data(), static_cast<std::size_t>(limit), MSG_DONTWAIT);
    closed = got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR);
    bytes.resize(std::max<qsizetype>(got, 0));
    return bytes;
}

}  // namespace kelvaro
