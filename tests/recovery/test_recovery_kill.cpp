// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor killed with SIGKILL at seeded random moments while a script of random commands
// runs: every recovery file left is a whole one, and the next start restores the portrait after
// a step made at most a second (and the writer's scheduling) before the kill, whose Ctrl+Z walks
// back through the steps made before it down to the opened portrait. And an editor writing after
// every command, killed while writes are under way, leaves at most one file, and a whole one.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QProcess>
#include <chrono>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "editing/portrait_editor.h"
#include "io/document_io.h"
#include "tests/support/fixtures.h"

extern char** environ;

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

constexpr int kKills = 30;
constexpr int kChurnKills = 10;
constexpr std::uint64_t kSecondNs = 1'000'000'000u;
// What the kill may come later than the timer's second: the writer thread's write and the
// event loop's delay on a loaded machine (sanitizers, two cores shared with other builds).
constexpr std::uint64_t kSchedulingNs = kSecondNs / 2;

struct Logged {
    std::uint64_t time;
    std::string hash;
    int index;
};

std::uint64_t monotonicNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * kSecondNs +
           static_cast<std::uint64_t>(now.tv_nsec);
}

std::vector<Logged> readLog(const fs::path& file) {
    std::vector<Logged> lines;
    std::ifstream in(file);
    Logged line;
    while (in >> line.time >> line.hash >> line.index)
        lines.push_back(line);
    return lines;
}

pid_t startRun(const char* mode, const fs::path& state, unsigned seed, const fs::path& log) {
    const std::string seedText = std::to_string(seed);
    const std::string stateText = state.string();
    const std::string logText = log.string();
    const char* argv[] = {
        KELVARO_RECOVERY_DRIVER, mode,   KELVARO_SAMPLE_DIR, stateText.c_str(), seedText.c_str(),
        logText.c_str(),         nullptr};
    pid_t pid = 0;
    EXPECT_EQ(::posix_spawn(&pid, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ), 0);
    return pid;
}

// Kills the run `delayNs` after it logged its opened window; the moment of the kill.
std::uint64_t killAfter(pid_t pid, const fs::path& log, std::uint64_t delayNs) {
    while (readLog(log).empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const std::uint64_t at = readLog(log).front().time + delayNs;
    while (monotonicNs() < at)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const std::uint64_t killed = monotonicNs();
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return killed;
}

// Waits (20 seconds at most) until the run has written its first recovery file into `state`: on a
// loaded machine the first command may come after the kill's moment would have.
void waitForFirstFile(const fs::path& state) {
    const std::uint64_t giveUp = monotonicNs() + 20 * kSecondNs;
    const auto written = [&state] {
        std::error_code missing;
        for (const fs::directory_entry& entry : fs::directory_iterator(state, missing)) {
            if (entry.path().extension() == ".recovery")
                return true;
        }
        return false;
    };
    while (!written() && monotonicNs() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// Every recovery file in `state` reads as a whole recovery file; how many there are.
int expectWholeFiles(const fs::path& state, int round) {
    int files = 0;
    std::error_code missing;
    for (const fs::directory_entry& entry : fs::directory_iterator(state, missing)) {
        if (entry.path().extension() != ".recovery")
            continue;
        const DocumentText read = readDocumentText(entry.path());
        EXPECT_TRUE(std::holds_alternative<RecoveryFile>(PortraitEditor::readRecovery(read.text)))
            << "round " << round << ": " << entry.path();
        ++files;
    }
    return files;
}

QStringList restoreOutput(const fs::path& state) {
    QProcess process;
    process.start(KELVARO_RECOVERY_DRIVER,
                  {"restore", KELVARO_SAMPLE_DIR, QString::fromStdString(state.string())});
    EXPECT_TRUE(process.waitForFinished(60000));
    return QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// True when entry `j` is where the restored walk `walk` (hashes from the restored index down
// to 0) starts: each index k-m shows what the log showed last at that index up to `j`.
bool walkMatches(const std::vector<Logged>& log, std::size_t j,
                 const std::vector<std::string>& walk) {
    const int top = log[j].index;
    if (walk.size() != static_cast<std::size_t>(top) + 1)
        return false;
    for (int m = 0; m <= top; ++m) {
        std::size_t e = j + 1;
        while (e-- > 0 && log[e].index != top - m) {
        }
        if (e == static_cast<std::size_t>(-1) || log[e].hash != walk[static_cast<std::size_t>(m)])
            return false;
    }
    return true;
}

// Some logged state is the restored one, walks back as restored and holds every step logged
// more than a second (and the scheduling) before the kill.
bool restoredFromLog(const std::vector<Logged>& log, std::uint64_t killed,
                     const std::vector<std::string>& walk) {
    for (std::size_t j = 0; j < log.size(); ++j) {
        const bool recent =
            j + 1 == log.size() || log[j + 1].time + kSecondNs + kSchedulingNs >= killed;
        if (log[j].hash == walk.front() && recent && walkMatches(log, j, walk))
            return true;
    }
    return false;
}

// No step was left unsaved for more than the second and the scheduling before the kill.
bool nothingDueBefore(const std::vector<Logged>& log, std::uint64_t killed) {
    for (const Logged& line : log) {
        if (line.index != 0 && line.time + kSecondNs + kSchedulingNs < killed)
            return false;
    }
    return true;
}

// Checks what the restoring start printed against the log of the killed run; true when it
// restored a portrait.
bool checkRestore(int round, const std::vector<Logged>& logged, std::uint64_t killed,
                  const QStringList& output) {
    if (output.front() == "none") {
        EXPECT_TRUE(nothingDueBefore(logged, killed)) << "round " << round;
        return false;
    }
    std::vector<std::string> walk;
    for (const QString& line : output)
        walk.push_back(line.split(' ')[1].toStdString());
    EXPECT_TRUE(restoredFromLog(logged, killed, walk))
        << "round " << round << ": " << output.join(" | ").toStdString();
    EXPECT_EQ(walk.back(), logged.front().hash) << "round " << round;
    return true;
}

TEST(RecoveryKill, EveryKillRestoresARecentStepAndItsHistory) {
    std::mt19937 random(20261209);
    int restored = 0;
    for (int round = 0; round < kKills; ++round) {
        TempFolder folder;
        const fs::path state = folder.path() / "recovery";
        const fs::path log = folder.path() / "log";
        const pid_t pid = startRun("run", state, static_cast<unsigned>(round), log);
        const auto delay =
            std::uniform_int_distribution<std::uint64_t>(kSecondNs / 5, kSecondNs * 11 / 5)(random);
        const std::uint64_t killed = killAfter(pid, log, delay);
        expectWholeFiles(state, round);
        const QStringList output = restoreOutput(state);
        ASSERT_FALSE(output.isEmpty()) << round;
        restored += checkRestore(round, readLog(log), killed, output) ? 1 : 0;
    }
    EXPECT_GE(restored, kKills / 3);  // the seeded moments mostly come after a write
}

TEST(RecoveryKill, KillDuringAWriteLeavesAWholeFile) {
    std::mt19937 random(9);
    int withFile = 0;
    for (int round = 0; round < kChurnKills; ++round) {
        TempFolder folder;
        const fs::path state = folder.path() / "recovery";
        const fs::path log = folder.path() / "log";
        const pid_t pid = startRun("churn", state, static_cast<unsigned>(round), log);
        waitForFirstFile(state);
        killAfter(pid, log,
                  std::uniform_int_distribution<std::uint64_t>(kSecondNs / 4, kSecondNs)(random));
        // None when the script had just walked back to the opened portrait, which has nothing
        // to recover; never two, and never a broken one.
        const int files = expectWholeFiles(state, round);
        EXPECT_LE(files, 1) << "round " << round;
        withFile += files;
    }
    EXPECT_GE(withFile, kChurnKills / 2);  // the scripts mostly stand away from the opened portrait
}

}  // namespace
}  // namespace kelvaro::test
