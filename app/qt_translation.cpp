// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/qt_translation.h"

#include <QLibraryInfo>

namespace kelvaro {

std::unique_ptr<QTranslator> loadQtTranslation() {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_pl"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

}  // namespace kelvaro
