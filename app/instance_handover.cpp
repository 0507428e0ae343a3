// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/instance_handover.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <array>

#include "io/file_boundary.h"

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

// What is left of `deadline` as a wait of Qt's sockets.
int remainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 0, kClientWaitMs));
}

bool isAbsolutePathBytes(const QByteArray& bytes) {
    return bytes.startsWith('/') && !bytes.contains('\0');
}

}  // namespace

std::filesystem::path handoverSocketFor(const std::filesystem::path& lockFile) {
    std::filesystem::path socket = lockFile;
    return socket.replace_extension(".socket");
}

HandoverServer::HandoverServer(QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &HandoverServer::takeConnections);
}

HandoverServer::~HandoverServer() = default;

bool HandoverServer::listen(const std::filesystem::path& socket) {
    const QString name = toQtPath(socket);
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void HandoverServer::takeConnections() {
    while (QLocalSocket* client = m_server->nextPendingConnection()) {
        if (m_server->findChildren<QLocalSocket*>().size() > kMaxConnections) {
            client->abort();
            client->deleteLater();
            continue;
        }
        connect(client, &QLocalSocket::readyRead, this, [this, client] { readRequest(client); });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        client->setReadBufferSize(kHeaderBytes + kMaxPathBytes);
        QTimer::singleShot(kRequestTimeoutMs, client, [client] {
            client->abort();
            client->deleteLater();
        });
    }
}

void HandoverServer::readRequest(QLocalSocket* client) {
    if (client->bytesAvailable() < kHeaderBytes)
        return;
    const qsizetype length = announcedLength(client->peek(kHeaderBytes));
    if (length >= 0 && client->bytesAvailable() < kHeaderBytes + length)
        return;
    const QByteArray request = client->read(kHeaderBytes + std::max<qsizetype>(length, 0));
    const QByteArray file = request.mid(kHeaderBytes);
    if (length < 0 || !isAbsolutePathBytes(file)) {
        client->abort();
        client->deleteLater();
        return;
    }
    client->write(kAcknowledgement);
    client->disconnectFromServer();
    emit fileRequested(std::filesystem::path(file.toStdString()));
}

bool handOverFile(const std::filesystem::path& socket, const std::filesystem::path& file) {
    if (file.empty())
        return false;
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(file, error).native();
    if (error || absolute.size() > static_cast<std::size_t>(kMaxPathBytes))
        return false;
    const QDeadlineTimer deadline(kClientWaitMs);
    QLocalSocket editor;
    editor.connectToServer(toQtPath(socket));
    if (!editor.waitForConnected(remainingMs(deadline)))
        return false;
    editor.write(requestFor(absolute));
    if (!editor.waitForBytesWritten(remainingMs(deadline)))
        return false;
    while (editor.bytesAvailable() < kAcknowledgement.size() &&
           editor.waitForReadyRead(remainingMs(deadline))) {
    }
    return editor.read(kAcknowledgement.size()) == kAcknowledgement;
}

}  // namespace kelvaro
