// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// kelvaro-make-icons: writes the application icon, drawn by the program's own code, as the
// PNG files of an icon theme, or as the source file the editor compiles in.
//
//   kelvaro-make-icons FOLDER NAME
//
// writes FOLDER/<N>x<N>/apps/NAME.png for every size N the program draws its icon at;
//
//   kelvaro-make-icons --pixels FILE
//
// writes FILE, the C++ source of those images' pixels (tools/icon_pixel_source.h).
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstring>
#include <string>

#include "io/file_writer.h"
#include "tools/icon_pixel_source.h"
#include "ui/icons.h"

namespace {

bool writeIcon(const QDir& theme, const QString& name, int size) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    if (!theme.mkpath(folder))
        return false;
    QImage image = kelvaro::iconImage(kelvaro::kApplicationIcon, size);
    return image.save(theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png")),
                      "PNG");
}

// Replaces `file` whole or not at all, so that a failed run never leaves a truncated source that
// the build would take as up to date.
int writePixelSource(const char* file) {
    const kelvaro::FileResult written =
        kelvaro::replaceFileAtomically(file, kelvaro::applicationIconSource());
    if (!written) {
        std::fprintf(stderr, "kelvaro-make-icons: cannot write %s: %s\n", file,
                     written.reason.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: kelvaro-make-icons FOLDER NAME | --pixels FILE\n", stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--pixels") == 0)
        return writePixelSource(argv[2]);
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : kelvaro::kApplicationIconSizes) {
        if (!writeIcon(theme, name, size)) {
            std::fprintf(stderr, "kelvaro-make-icons: cannot write the %dx%d icon below %s\n", size,
                         size, argv[1]);
            return 1;
        }
    }
    return 0;
}
