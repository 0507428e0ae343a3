// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// One running editor: a second start with a file hands the file over and ends; without a file,
// or with no editor listening, it says a copy is running. Bad and stuck clients are dropped,
// and what a crashed editor left at the socket's place does not stop the next one listening.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLocalSocket>
#include <QProcess>
#include <atomic>
#include <cstring>
#include <thread>

#include "app/instance_handover.h"
#include "app/instance_lock.h"
#include "io/file_boundary.h"
#include "tests/ui/editor_fixture.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

constexpr int kHangGuardMs = 60'000;  // only against a hang; nothing is timed

// Runs events until `done` holds (or the hang guard runs out); false when it never held.
bool runEventsUntil(const std::function<bool()>& done) {
    const QDeadlineTimer guard(kHangGuardMs);
    while (!done() && !guard.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// handOverFile from another thread, while this one serves the socket.
bool handOverServed(const fs::path& socket, const fs::path& file) {
    std::atomic<bool> finished = false;
    bool handedOver = false;
    std::thread client([&] {
        handedOver = handOverFile(socket, file);
        finished = true;
    });
    runEventsUntil([&] { return finished.load(); });
    client.join();
    return handedOver;
}

struct ListeningServer {
    explicit ListeningServer(const fs::path& at) : socket(at) {
        EXPECT_TRUE(server.listen(socket)) << socket;
        QObject::connect(&server, &HandoverServer::fileRequested,
                         [this](const fs::path& file) { files.push_back(file); });
    }
    fs::path socket;
    HandoverServer server;
    std::vector<fs::path> files;
};

TEST(InstanceHandover, AFileIsHandedOverAbsoluteAndNothingWithoutOne) {
    const TempFolder folder;
    ListeningServer editor(folder.path() / "kelvaro.socket");
    const struct {
        const char* what;
        fs::path socket;
        fs::path file;
        bool handedOver;
        fs::path received;  // empty: nothing
    } rows[] = {
        {"absolute", editor.socket, "/home/ala/a.kelvaro", true, "/home/ala/a.kelvaro"},
        {"relative", editor.socket, "b.kelvaro", true, fs::current_path() / "b.kelvaro"},
        {"no file", editor.socket, "", false, ""},
        {"no editor listening", folder.path() / "other.socket", "/a.kelvaro", false, ""},
    };
    for (const auto& row : rows) {
        editor.files.clear();
        EXPECT_EQ(handOverServed(row.socket, row.file), row.handedOver) << row.what;
        const std::vector<fs::path> expected =
            row.received.empty() ? std::vector<fs::path>{} : std::vector<fs::path>{row.received};
        EXPECT_EQ(editor.files, expected) << row.what;
    }
}

QByteArray request(const char* magic, quint32 length, const QByteArray& path) {
    QByteArray bytes(magic, 4);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(static_cast<char>((length >> shift) & 0xff));
    return bytes + path;
}

TEST(InstanceHandover, BadAndStuckClientsAreDroppedUnanswered) {
    const TempFolder folder;
    ListeningServer editor(folder.path() / "kelvaro.socket");
    const struct {
        const char* what;
        QByteArray bytes;
    } rows[] = {
        {"another magic", request("KVO2", 2, "/a")},
        {"no path", request("KVO1", 0, "")},
        {"too long", request("KVO1", kMaxPathBytes + 1, QByteArray(kMaxPathBytes + 1, '/'))},
        {"relative", request("KVO1", 9, "a.kelvaro")},
        {"a NUL byte", request("KVO1", 4, QByteArray("/a\0b", 4))},
        {"stuck halfway", request("KVO1", 10, "/ab")},
        {"stuck in the header", QByteArray("KV")},
    };
    for (const auto& row : rows) {
        QLocalSocket client;
        client.connectToServer(toQtPath(editor.socket));
        ASSERT_TRUE(client.waitForConnected(kHangGuardMs)) << row.what;
        client.write(row.bytes);
        EXPECT_TRUE(runEventsUntil([&] {
            return client.state() == QLocalSocket::UnconnectedState;
        })) << row.what;
        EXPECT_TRUE(client.readAll().isEmpty()) << row.what;
    }
    EXPECT_TRUE(editor.files.empty());
    EXPECT_TRUE(handOverServed(editor.socket, "/still/served.kelvaro"));
}

// A Unix socket with nobody listening, as an editor that crashed leaves it.
void leaveStaleSocket(const fs::path& at) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, at.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
}

TEST(InstanceHandover, WhatACrashedEditorLeftDoesNotStopTheNext) {
    const TempFolder folder;
    const fs::path stale = folder.path() / "stale.socket";
    leaveStaleSocket(stale);
    const fs::path file = folder.writeFile("file.socket", "left over");
    for (const fs::path& socket : {stale, file}) {
        ListeningServer editor(socket);
        EXPECT_TRUE(handOverServed(socket, "/a.kelvaro")) << socket;
        EXPECT_EQ(editor.files, std::vector<fs::path>{"/a.kelvaro"}) << socket;
    }
}

// A document saved by `editor`, which then starts again without it.
fs::path savedAndLeft(EditorFixture& editor, const TempFolder& folder) {
    editor.open();
    const fs::path document = folder.path() / "handed.kelvaro";
    EXPECT_TRUE(editor.portrait().saveDocument(document));
    editor.restart();
    return document;
}

TEST(InstanceHandover, AFileWaitsWhileAModalWindowIsOpen) {
    const TempFolder out;
    EditorFixture editor;
    const fs::path document = savedAndLeft(editor, out);
    editor.modals().expect([&](QWidget* about) {
        editor.dialog().openRequested(document);
        EXPECT_TRUE(editor.portrait().documentFile().empty()) << "not under the About box";
        static_cast<QDialog*>(about)->accept();
    });
    editor.dialog().onAbout();
    EXPECT_TRUE(runEventsUntil([&] { return editor.portrait().documentFile() == document; }));
}

// The real program, started a second time with a file relative to its own folder, while the
// editor under test holds the lock of the runtime folder it is given.
TEST(InstanceHandover, ASecondStartWithAFileOpensItInTheRunningEditor) {
    const TempFolder runtime;
    const TempFolder out;
    EditorFixture editor;
    const fs::path document = savedAndLeft(editor, out);
    InstanceLock lock;
    ASSERT_EQ(lock.acquire(runtime.path() / "kelvaro.lock"), LockResult::Acquired);
    HandoverServer server;
    ASSERT_TRUE(server.listen(handoverSocketFor(runtime.path() / "kelvaro.lock")));
    QObject::connect(&server, &HandoverServer::fileRequested, &editor.dialog(),
                     &CKelvaroDlg::openRequested);

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", toQtPath(runtime.path()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(toQtPath(out.path()));
    second.start(QStringLiteral(KELVARO_EDITOR_PROGRAM), {"handed.kelvaro"});
    ASSERT_TRUE(runEventsUntil([&] { return second.state() == QProcess::NotRunning; }));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_TRUE(runEventsUntil([&] { return editor.portrait().documentFile() == document; }));
    EXPECT_TRUE(editor.modals().unexpected.isEmpty());
}

}  // namespace
}  // namespace kelvaro::test
