// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/instance_handover.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <array>

#include "app/local_socket.h"

namespace kelvaro {
namespace {

constexpr std::array<char, 4> kMagic = {'K', 'V', 'O', '1'};
constexpr qsizetype kHeaderBytes = 8;
const QByteArray kAcknowledgement = QByteArrayLiteral("ok");
constexpr int kClientWaitMs = 3000;  // the second copy's whole wait

// The request for `file`: magic, length, bytes.
QByteArray requestFor(const std::string& file) {
    QByteArray request(kMagic.data(), static_cast<qsizetype>(kMagic.size()));
    std::array<uchar, 4> length{};
    qToBigEndian(static_cast<quint32>(file.size()), length.data());
    request.append(reinterpret_cast<const char*>(length.data()), 4);
    request.append(file.data(), static_cast<qsizetype>(file.size()));
    return request;
}

// The path's length a header announces; -1 when the header is not one of a request.
qsizetype announcedLength(const QByteArray& header) {
    if (!header.startsWith(QByteArray(kMagic.data(), static_cast<qsizetype>(kMagic.size()))))
        return -1;
    const auto length = qFromBigEndian<quint32>(header.constData() + kMagic.size());
    return length >= 1 && length <= kMaxPathBytes ? static_cast<qsizetype>(length) : -1;
}

bool isAbsolutePathBytes(const QByteArray& bytes) {
    return bytes.startsWith('/') && !bytes.contains('\0');
}

// One client's connection: its descriptor, what it sent so far and the watch on it. Closing it
// drops the connection unanswered unless an answer was sent.
class Connection : public QObject {
public:
    Connection(int fd, QObject* parent)
        : QObject(parent), m_fd(fd), m_notifier(fd, QSocketNotifier::Read, this) {}
    ~Connection() override {
        m_notifier.setEnabled(false);
        ::close(m_fd);
    }
    void close() {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    const int m_fd;
    QByteArray m_request;
    QSocketNotifier m_notifier;
};

}  // namespace

std::filesystem::path handoverSocketFor(const std::filesystem::path& lockFile) {
    std::filesystem::path socket = lockFile;
    return socket.replace_extension(".socket");
}

HandoverServer::HandoverServer(QObject* parent) : QObject(parent) {}

HandoverServer::~HandoverServer() {
    if (m_listener < 0)
        return;
    delete m_notifier;
    ::close(m_listener);
    ::unlink(m_socket.c_str());
}

bool HandoverServer::listen(const std::filesystem::path& socket) {
    m_listener = listenUserOnly(socket);
    if (m_listener < 0)
        return false;
    m_socket = socket;
    m_notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HandoverServer::takeConnections);
    return true;
}

void HandoverServer::takeConnections() {
    for (int fd = acceptConnection(m_listener); fd >= 0; fd = acceptConnection(m_listener)) {
        if (m_connections >= kMaxConnections) {
            ::close(fd);
            continue;
        }
        auto* connection = new Connection(fd, this);
        ++m_connections;
        connect(connection, &QObject::destroyed, this, [this] { --m_connections; });
        connect(&connection->m_notifier, &QSocketNotifier::activated, connection,
                [this, connection] {
                    if (!readRequest(connection->m_fd, connection->m_request))
                        connection->close();
                });
        QTimer::singleShot(kRequestTimeoutMs, connection, [connection] { connection->close(); });
    }
}

bool HandoverServer::readRequest(int fd, QByteArray& request) {
    bool closed = false;
    request += receiveWaiting(fd, kHeaderBytes + kMaxPathBytes - request.size(), closed);
    const qsizetype length =
        request.size() < kHeaderBytes ? 0 : announcedLength(request.first(kHeaderBytes));
    if (length >= 0 && request.size() < kHeaderBytes + length)
        return !closed;  // more to come
    const QByteArray file = request.mid(kHeaderBytes, std::max<qsizetype>(length, 0));
    if (length < 0 || !isAbsolutePathBytes(file))
        return false;
    sendAll(fd, kAcknowledgement, QDeadlineTimer(kRequestTimeoutMs));
    ::shutdown(fd, SHUT_RDWR);
    emit fileRequested(std::filesystem::path(file.toStdString()));
    return false;
}

bool handOverFile(const std::filesystem::path& socket, const std::filesystem::path& file) {
    if (file.empty())
        return false;
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(file, error).native();
    if (error || absolute.size() > static_cast<std::size_t>(kMaxPathBytes))
        return false;
    const QDeadlineTimer deadline(kClientWaitMs);
    const int editor = connectTo(socket, deadline);
    if (editor < 0)
        return false;
    const bool acknowledged =
        sendAll(editor, requestFor(absolute), deadline) &&
        receive(editor, kAcknowledgement.size(), deadline) == kAcknowledgement;
    ::close(editor);
    return acknowledged;
}

}  // namespace kelvaro
