// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-render: renders Kelvaro portraits, drawn casts and face sheets without a window.
#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "i18n/interface_language.h"
#include "io/file_size_signal.h"
#include "render/image_warnings.h"
#include "render/render_options.h"
#include "render/render_run.h"

namespace {

void printLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        std::fprintf(stderr, "kelvaro-render: %s\n", line.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    kelvaro::ignoreFileSizeSignal();
    using namespace kelvaro::render;
    silenceImageWarnings();
    // The desktop's language for the help and the failure lines; no display is needed.
    const QCoreApplication application(argc, argv);
    kelvaro::Translations translations;
    translations.install(kelvaro::desktopLanguage());
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const auto parsed = parseOptions(arguments);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        printLines({*error});
        return 2;
    }
    const Options& options = std::get<Options>(parsed);
    if (options.help) {
        std::fputs(helpText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::fputs("kelvaro-render " KELVARO_VERSION "\n", stdout);
        return 0;
    }
    const RenderReport report = runRender(options);
    printLines(report.notes);
    printLines(report.failures);
    return report.failures.empty() ? 0 : 1;
}
