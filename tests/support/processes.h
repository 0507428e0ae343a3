// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Processes for tests: a process id that no process has any more, and running a piece of a test
// as a user without special rights, so that permission checks apply also when the tests run as
// root (who may write any file and create files in any folder).
#pragma once

#include <filesystem>
#include <functional>

#include <sys/types.h>

namespace kelvaro::test {

// The id of a process that has ended (a child that exited at once), as a killed copy leaves it.
pid_t endedProcess();

// True when the tests run as root; an unprivileged run then takes the user "nobody".
bool runningAsRoot();

// Hands `path` to the user runUnprivileged runs as (changes nothing unless running as root), so
// that its permission bits are the ones that user meets as owner.
void handToUnprivilegedUser(const std::filesystem::path& path);

// How a child process ended: the status it exited with, or the signal that killed it.
struct ChildEnd {
    bool exited = false;
    int status = -1;  // when it exited
    int signal = 0;   // when a signal killed it
};

// Runs `body` in a forked child, which exits with the status `body` returns. Keep `body` to plain
// file work: it runs in a forked copy of the test process.
ChildEnd runInChild(const std::function<int()>& body);

// Runs `body` in a child process, as "nobody" when running as root and as the current user
// otherwise, and returns its result: true only when the child ran `body` and it returned true.
// Keep `body` to plain file work: it runs in a forked copy of the test process.
bool runUnprivileged(const std::function<bool()>& body);

// Drops the rights of the calling process as runUnprivileged's child does; false when it cannot.
// For a process about to run a program: plain system calls only.
bool dropRights();

// True when a run as runUnprivileged cannot make a file in `folder`. Tests of folders that cannot
// be written skip where this is false (root without the right to change its user, say).
bool folderRefusesUnprivileged(const std::filesystem::path& folder);

}  // namespace kelvaro::test
