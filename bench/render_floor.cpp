// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The floor a one-portrait kelvaro-render run is measured against: a process that loads QtGui,
// starts the same application object as the renderer (QCoreApplication: QImage and Qt's PNG
// writer need no QGuiApplication) and writes one 128x128 PNG. With --gui it starts a
// QGuiApplication instead, on the offscreen platform unless QT_QPA_PLATFORM is set.
//
// kelvaro-bench-render-floor [--gui] OUT.png
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr int kEdge = 128;

// The application object the run asks for.
std::unique_ptr<QCoreApplication> startApplication(bool gui, int& argc, char** argv) {
    if (!gui)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    const bool gui = argc > 2 && std::strcmp(argv[1], "--gui") == 0;
    if (argc != (gui ? 3 : 2)) {
        std::fputs("usage: kelvaro-bench-render-floor [--gui] OUT.png\n", stderr);
        return 2;
    }
    const char* out = argv[argc - 1];
    const auto application = startApplication(gui, argc, argv);
    QImage image(kEdge, kEdge, QImage::Format_RGB32);
    image.fill(qRgb(0x40, 0x80, 0xc0));
    if (!image.save(QString::fromLocal8Bit(out), "PNG")) {
        std::fprintf(stderr, "kelvaro-bench-render-floor: cannot write %s\n", out);
        return 1;
    }
    return 0;
}
