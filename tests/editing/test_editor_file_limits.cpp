// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor's file commands under hostile limits: a file-size limit (ulimit -f) with its signal
// left at the default, and a folder that cannot be written holding files that can. Every kind of
// file fails with its message and reason; the old files keep their bytes, none is rewritten in
// place, and no temporary file is left.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "io/file_size_signal.h"
#include "model/document_file.h"
#include "model/face_files.h"
#include "model/sheet_layouts.h"
#include "tests/editing/opened_editor.h"
#include "tests/support/processes.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDocumentNotSaved = "ポートレートファイルの保存に失敗しました";
constexpr std::string_view kPictureNotSaved = "画像ファイルの保存に失敗しました";

// One kind of file the editor writes into a folder: the name it writes there, the command, and
// the message of its failure.
struct FileRow {
    std::string name;
    std::function<bool(PortraitEditor&, const fs::path& folder)> write;
    std::string_view message;
};

std::vector<FileRow> fileRows(const OpenedEditor& o) {
    const auto faces = faceFileNames(documentOf(o.editor.state()).portrait.expressions);
    return {
        {"kept.kelvaro",
         [](PortraitEditor& e, const fs::path& f) { return e.saveDocument(f / "kept.kelvaro"); },
         kDocumentNotSaved},
        {"kept.png",
         [](PortraitEditor& e, const fs::path& f) { return e.exportPortrait(f / "kept.png"); },
         kPictureNotSaved},
        {"sheet.png",
         [](PortraitEditor& e, const fs::path& f) {
             return e.exportFaceSheet(f / "sheet.png", *sheetLayoutNamed("mz"), Backdrop::Opaque);
         },
         kPictureNotSaved},
        {faces.front(), [](PortraitEditor& e, const fs::path& f) { return e.exportFaces(f); },
         kPictureNotSaved},
    };
}

// Runs every row into `folder`: 0 when each failed with its message and the reason for `error`,
// else the number of the first row that did not (from 1).
int firstUnexpectedRow(OpenedEditor& o, const fs::path& folder, int error) {
    const std::vector<FileRow> rows = fileRows(o);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const FileRow& kind = rows[row];
        const std::string expected =
            fileFailureMessage(kind.message, folder / kind.name, systemFailure(error));
        if (kind.write(o.editor, folder) ||
            o.problems.value(o.problems.size() - 1).toStdString() != expected)
            return static_cast<int>(row) + 1;
    }
    return 0;
}

// Puts "old NAME" into each row's file in `folder`, handed to the unprivileged user.
void writeOldFiles(OpenedEditor& o, const fs::path& folder) {
    for (const FileRow& row : fileRows(o)) {
        const fs::path file = o.folder.writeFile(folder / row.name, "old " + row.name);
        handToUnprivilegedUser(file);
        fs::permissions(file, fs::perms(0644));
    }
}

void expectOldFiles(OpenedEditor& o, const fs::path& folder) {
    std::vector<std::string> names;
    for (const FileRow& row : fileRows(o)) {
        EXPECT_EQ(readBytes(folder / row.name), "old " + row.name) << row.name;
        names.push_back(row.name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(namesIn(folder), names);
}

// The child starts as a shell leaves a program, with SIGXFSZ at its default, and prepares itself
// as the editor's main does; then files may not grow past 100 bytes.
TEST(EditorFileLimits, AFileSizeLimitFailsEachKindOfFileWithItsReason) {
    OpenedEditor o;
    const fs::path out = o.folder.path() / "out";
    writeOldFiles(o, out);
    const ChildEnd end = runInChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        ignoreFileSizeSignal();
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 100;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 100;
        return firstUnexpectedRow(o, out, EFBIG);
    });
    EXPECT_EQ(end.signal, 0);
    EXPECT_TRUE(end.exited);
    EXPECT_EQ(end.status, 0) << "the row that did not fail as it should";
    expectOldFiles(o, out);
}

TEST(EditorFileLimits, AFolderThatCannotBeWrittenRefusesEachKindOfFile) {
    OpenedEditor o;
    handToUnprivilegedUser(o.folder.path());
    const fs::path locked = o.folder.path() / "locked";
    writeOldFiles(o, locked);
    handToUnprivilegedUser(locked);
    fs::permissions(locked, fs::perms(0555));
    if (!folderRefusesUnprivileged(locked))
        GTEST_SKIP() << "a folder of mode 0555 can be written here";
    EXPECT_TRUE(runUnprivileged([&] { return firstUnexpectedRow(o, locked, EACCES) == 0; }));
    expectOldFiles(o, locked);
    fs::permissions(locked, fs::perms(0755));
}

}  // namespace
}  // namespace kelvaro::test
