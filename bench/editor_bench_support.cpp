// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "bench/editor_bench_support.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <stdexcept>
#include <vector>

#include "io/file_boundary.h"
#include "model/part_cache.h"
#include "model/part_library.h"
#include "model/portrait_document.h"
#include "tools/sample_library/sample_library.h"
#include "ui/gallery_renderer.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro::bench {

const std::filesystem::path& sampleLibrary() {
    static QTemporaryDir folder;
    static const std::filesystem::path path = [] {
        if (!samples::writeSampleLibrary(toPath(folder.path())))
            throw std::runtime_error("cannot write the sample library");
        return toPath(folder.path());
    }();
    return path;
}

std::filesystem::path syntheticLibrary() {
    static QTemporaryDir synthetic;
    const std::filesystem::path base = toPath(synthetic.path());
    const auto& sample = sampleLibrary();
    std::filesystem::create_directories(base / "picture");
    std::filesystem::copy_file(wallPath(sample), wallPath(base));
    std::filesystem::copy_file(dummyPath(sample), dummyPath(base));
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const auto folder = layerInfo(layer).folder;
        const int count = samples::partCount(layerInfo(layer).element);
        std::filesystem::create_directories(partPath(base, folder, 0).parent_path());
        for (int n = 0; n < kSyntheticParts; ++n)
            std::filesystem::copy_file(partPath(sample, folder, n % count),
                                       partPath(base, folder, n));
    }
    return base;
}

// Runs the event loop until `done` holds (checked every millisecond); its time in ms.
double runUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done() || clock.elapsed() > 120'000)
            loop.quit();
    });
    poll.start(1);
    if (!done())
        loop.exec();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

std::unique_ptr<CKelvaroDlg> openEditor(const std::filesystem::path& library, int element) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(library);
    auto editor = std::make_unique<CKelvaroDlg>(library / "Kelvaro.ini");
    editor->show();
    std::filesystem::current_path(previous);
    editor->editor().mutableState().currentElement = element;
    editor->writeControls();
    editor->onSelectElement();
    return editor;
}

double drawEveryCell(CKelvaroDlg& editor, int count, bool emptyCache, CellDrawer drawer) {
    GalleryRenderer renderer(editor.editor().mutableState().baseDirectory, &sharedPartCache(),
                             nullptr, drawer);
    return drawEveryCell(renderer, editor, count, emptyCache);
}

double drawEveryCell(GalleryRenderer& renderer, CKelvaroDlg& editor, int count, bool emptyCache) {
    if (emptyCache)
        sharedPartCache().clear();
    int drawn = 0;
    QObject::connect(&renderer, &GalleryRenderer::cellReady, [&] { ++drawn; });
    std::vector<int> all(static_cast<std::size_t>(count));
    for (int part = 0; part < count; ++part)
        all[static_cast<std::size_t>(part)] = part;
    QElapsedTimer clock;
    clock.start();
    renderer.setSnapshot(capture(editor.editor().mutableState()));
    renderer.request(all);
    runUntil([&] { return drawn == count; });
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    QObject::disconnect(&renderer, &GalleryRenderer::cellReady, nullptr, nullptr);
    return ms;
}

void prepareQt(const QTemporaryDir& userSettings) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userSettings.path());
}

int runEditorBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace kelvaro::bench
