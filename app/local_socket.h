// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Unix stream sockets named by a file, with the system's calls alone: the hand-over between two
// copies of the editor needs no more, and the editor starts without a network library.
// Descriptors are close-on-exec; the caller closes them.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <filesystem>

namespace kelvaro {

// A non-blocking socket listening at `socket`, readable and writable by the user alone; what
// was at that place before (a socket an ended copy left, a file) is replaced. -1 on failure
// (a path too long for a socket's name, a folder that cannot be written, ...).
int listenUserOnly(const std::filesystem::path& socket);

// The next waiting connection of `listener`, non-blocking; -1 when none waits.
int acceptConnection(int listener);

// A blocking connection to the socket at `socket`; -1 when nobody listens there or it did not
// answer before `deadline`.
int connectTo(const std::filesystem::path& socket, const QDeadlineTimer& deadline);

// Writes all of `bytes` to `fd` before `deadline`; false when it could not.
bool sendAll(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline);

// Reads from `fd` until `count` bytes came, the peer closed or `deadline` passed; what came.
QByteArray receive(int fd, qsizetype count, const QDeadlineTimer& deadline);

// Reads what `fd` holds now, at most `limit` bytes, without waiting; `closed` tells whether the
// peer has closed (or the connection failed).
QByteArray receiveWaiting(int fd, qsizetype limit, bool& closed);

}  // namespace kelvaro
