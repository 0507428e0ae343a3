// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Handing a file to the running editor: the editor holding the single-instance lock listens on a
// local socket beside the lock file (user-only access); a second copy started with a file sends
// the file's absolute path there, waits for the editor's acknowledgement and ends.
//
// A request is the 4 bytes "KVO1", the path's length (4 bytes, big-endian, 1 to kMaxPathBytes)
// and the path's bytes (absolute, no NUL byte); the answer is the 2 bytes "ok". A connection
// that sends anything else, or not all of it within kRequestTimeoutMs, is dropped unanswered.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>

class QSocketNotifier;

namespace kelvaro {

inline constexpr int kMaxPathBytes = 4096;
inline constexpr int kRequestTimeoutMs = 2000;
inline constexpr int kMaxConnections = 8;  // at once; more are dropped at once

// The socket of the editor holding `lockFile`: the lock's name with ".socket" for its extension.
std::filesystem::path handoverSocketFor(const std::filesystem::path& lockFile);

// The running editor's side: takes requests on the socket and announces each file asked for.
class HandoverServer : public QObject {
    Q_OBJECT
public:
    explicit HandoverServer(QObject* parent = nullptr);
    // Stops listening and removes the socket it listened on.
    ~HandoverServer() override;

    // Listens on `socket`, replacing what a copy that ended left there (only the lock's holder
    // may call this). False when it cannot listen; the editor runs on without hand-over then.
    bool listen(const std::filesystem::path& socket);

signals:
    // A second copy asked for `file` (absolute) to be opened; it has its acknowledgement.
    void fileRequested(const std::filesystem::path& file);

private:
    void takeConnections();
    // Reads what the client on `fd` sent so far (`request` holds what came before); answers and
    // announces a whole request, drops a bad one. True while the connection stays open.
    bool readRequest(int fd, QByteArray& request);

    int m_listener = -1;
    std::filesystem::path m_socket;
    QSocketNotifier* m_notifier = nullptr;
    int m_connections = 0;  // open now
};

// The second copy's side: sends `file` (made absolute against the current folder) to the editor
// listening on `socket` and waits, at most a few seconds in all, for its acknowledgement. False
// when `file` is empty (nothing to hand over), no editor listens there or none answered: the
// caller then says a copy is running.
bool handOverFile(const std::filesystem::path& socket, const std::filesystem::path& file);

}  // namespace kelvaro
