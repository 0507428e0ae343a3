// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-render under hostile limits, as a real process: a file-size limit (ulimit -f) with the
// signal it raises at its default, and output folders that cannot be written. Every output fails
// with its message and reason, the program ends with status 1 instead of being killed, and old
// files keep their bytes with no temporary file beside them.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <set>

#include "io/file_result.h"
#include "tests/render/render_fixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/processes.h"
#include "tests/support/render_process.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

constexpr rlim_t kSizeLimit = 1024;  // below any portrait's PNG

// In the renderer's process before it starts: files may not grow past kSizeLimit, and going past
// raises SIGXFSZ as a shell's ulimit -f leaves it.
void limitFileSize() {
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = kSizeLimit;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

void runAsNobody() {
    if (!dropRights())
        ::_exit(126);
}

std::string saveFailureLine(const fs::path& file, int error) {
    return "kelvaro-render: 画像ファイルの保存に失敗しました: " + file.string() + ": " +
           systemFailure(error).reason + "\n";
}

std::set<std::string> namesIn(const fs::path& folder) {
    const auto names = test::namesIn(folder);
    return {names.begin(), names.end()};
}

// Each kind of output the renderer writes, into `out`, where each target file already holds
// "old <name>"; the failures it must report, in order.
struct OutputRow {
    QStringList arguments;
    std::vector<std::string> targets;
};

std::vector<OutputRow> outputRows(const fs::path& out, const QString& portrait) {
    const QString kept = q(out / "kept.png");
    return {
        {onSample({"-o", kept, portrait}), {"kept.png"}},
        {onSample({"-o", q(out), portrait}), {"good.png"}},
        {onSample({"--sheet", "mz", "-o", kept, portrait}), {"kept.png"}},
        {onSample({"--random", "2", "--seed", "1", "-o", q(out)}), {"0001.png", "0002.png"}},
    };
}

// Runs every row with `inChild` and checks the failures, the old bytes and the folder's names.
void expectEveryOutputRefused(const TempFolder& top, const fs::path& out,
                              const std::function<void()>& inChild, int error) {
    const QString portrait = q(top.path() / "good.kelvaro");
    const std::set<std::string> before = namesIn(out);
    for (const OutputRow& row : outputRows(out, portrait)) {
        const RenderResult result = runRenderer(row.arguments, {}, inChild);
        EXPECT_EQ(result.exitCode, 1) << row.arguments.join(' ').toStdString();
        std::string expected;
        for (const std::string& name : row.targets)
            expected += saveFailureLine(out / name, error);
        EXPECT_EQ(result.err, expected);
        for (const std::string& name : before)
            EXPECT_EQ(readBytes(out / name), "old " + name);
        EXPECT_EQ(namesIn(out), before);
    }
}

void writeOldOutputs(const TempFolder& top, const fs::path& relative) {
    for (const char* name : {"kept.png", "good.png", "0001.png", "0002.png"})
        top.writeFile(relative / name, std::string("old ") + name);
}

TEST(RenderLimits, AFileSizeLimitFailsEachWriteWithItsReason) {
    const TempFolder top;
    writePortrait(top.path() / "good.kelvaro", 0);
    writeOldOutputs(top, "out");
    expectEveryOutputRefused(top, top.path() / "out", limitFileSize, EFBIG);
}

TEST(RenderLimits, OutputsInAFolderThatCannotBeWrittenAreRefusedNotRewritten) {
    const TempFolder top;
    handToUnprivilegedUser(top.path());
    writePortrait(top.path() / "good.kelvaro", 0);
    writeOldOutputs(top, "locked");
    const fs::path locked = top.path() / "locked";
    for (const auto& entry : fs::directory_iterator(locked)) {
        handToUnprivilegedUser(entry.path());
        fs::permissions(entry.path(), fs::perms(0644));  // each file writable by its owner
    }
    handToUnprivilegedUser(locked);
    fs::permissions(locked, fs::perms(0555));
    if (!folderRefusesUnprivileged(locked))
        GTEST_SKIP() << "a folder of mode 0555 can be written here";
    expectEveryOutputRefused(top, locked, runAsNobody, EACCES);
    fs::permissions(locked, fs::perms(0755));
}

}  // namespace
}  // namespace kelvaro::test
